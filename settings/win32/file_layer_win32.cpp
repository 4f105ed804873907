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
