// The file layer on Windows: new files with CREATE_NEW (which never opens
// through a link), FlushFileBuffers before close, renames by MoveFileExW
// without replacing and written through to the disk. A folder needs no
// sync of its own: the write-through rename and the file system's journal
// keep its names.
#include <windows.h>

#include "settings/file_layer.h"
#include "settings/win32/long_path.h"

namespace vx {

namespace {

std::error_code errorOf(DWORD error) {
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
        return std::make_error_code(std::errc::file_exists);
    }
    return {static_cast<int>(error), std::system_category()};
}

class Win32NewFile : public NewFile {
public:
    explicit Win32NewFile(HANDLE file) : file_(file) {}
    ~Win32NewFile() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }

    std::error_code write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk =
                bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr)) {
                return errorOf(GetLastError());
            }
            if (written == 0) return std::make_error_code(std::errc::io_error);
            bytes.remove_prefix(written);
        }
        return {};
    }

    std::error_code flush() override {
        std::error_code error;
        if (!FlushFileBuffers(file_)) error = errorOf(GetLastError());
        if (!CloseHandle(file_) && !error) error = errorOf(GetLastError());
        file_ = INVALID_HANDLE_VALUE;
        return error;
    }

private:
    HANDLE file_;
};

// Whether the folder's path still names the folder held: its volume and
// file index are those of the handle. The folders of a history are held
// without delete sharing from its base down, so that none can be moved away
// and replaced by a junction; this proves it before a name is made there.
std::error_code sameFolder(const HeldFolder& folder) {
    BY_HANDLE_FILE_INFORMATION held{}, named{};
    if (!GetFileInformationByHandle(reinterpret_cast<HANDLE>(folder.handle), &held)) {
        return errorOf(GetLastError());
    }
    HANDLE now = CreateFileW(longPath(folder.path).c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (now == INVALID_HANDLE_VALUE) return errorOf(GetLastError());
    const BOOL known = GetFileInformationByHandle(now, &named);
    CloseHandle(now);
    if (!known) return errorOf(GetLastError());
    if (held.dwVolumeSerialNumber != named.dwVolumeSerialNumber ||
        held.nFileIndexHigh != named.nFileIndexHigh || held.nFileIndexLow != named.nFileIndexLow) {
        return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    return {};
}

class Win32FileLayer : public FileLayer {
public:
    std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) override {
        return makeFileReplacement(target);
    }

    std::unique_ptr<NewFile> createNew(const std::filesystem::path& path,
                                       std::error_code& error) override {
        HANDLE file = CreateFileW(longPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            error = errorOf(GetLastError());
            return nullptr;
        }
        error.clear();
        return std::make_unique<Win32NewFile>(file);
    }

    std::error_code renameNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) override {
        if (MoveFileExW(longPath(from).c_str(), longPath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        return errorOf(GetLastError());
    }

    std::error_code syncFolder(const std::filesystem::path&) override { return {}; }

    std::unique_ptr<NewFile> createNewIn(const HeldFolder& folder,
                                         const std::filesystem::path& name,
                                         std::error_code& error) override {
        error = sameFolder(folder);
        return error ? nullptr : createNew(folder.path / name, error);
    }

    std::error_code renameNewIn(const HeldFolder& folder, const std::filesystem::path& from,
                                const std::filesystem::path& to) override {
        if (std::error_code error = sameFolder(folder)) return error;
        return renameNew(folder.path / from, folder.path / to);
    }

    std::error_code syncHeldFolder(const HeldFolder&) override { return {}; }

    void removeIn(const HeldFolder& folder, const std::filesystem::path& name) override {
        if (!sameFolder(folder)) remove(folder.path / name);
    }

    bool exists(const std::filesystem::path& path) override {
        return GetFileAttributesW(longPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    void remove(const std::filesystem::path& path) override { DeleteFileW(longPath(path).c_str()); }
};

}  // namespace

FileLayer& platformFileLayer() {
    static Win32FileLayer layer;
    return layer;
}

}  // namespace vx
