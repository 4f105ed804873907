// Replacement by ReplaceFileW: the temporary file beside the target takes
// the target's place and inherits its attributes and security. A file that
// is read-only, or held open by another process for longer than a moment,
// is not replaced.
#include <windows.h>

#include <string>

#include "settings/durable_write.h"
#include "settings/file_io.h"
#include "settings/win32/long_path.h"

namespace vx {

namespace {

// A file that another process is reading (a virus scanner, the spooler)
// refuses to be replaced while it is open; such a refusal is tried again
// for about this long before the save fails.
constexpr ULONGLONG kRetryMilliseconds = 2000;
constexpr DWORD kRetryInterval = 50;

bool refusedForAMoment(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_USER_MAPPED_FILE;
}

class Win32FileReplacement : public FileReplacement {
public:
    explicit Win32FileReplacement(const std::filesystem::path& target)
        : target_(longPath(target)) {}
    ~Win32FileReplacement() override { discard(); }

    bool openTemporary() override {
        DWORD attributes = GetFileAttributesW(target_.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return false;
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
        // A name of the tool's own pattern, so that one a crash leaves is
        // known as the tool's and removed by a later save.
        temp_ = temporaryNameBeside(std::filesystem::path(target_)).wstring();
        file_ = CreateFileW(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ == INVALID_HANDLE_VALUE) {
            temp_.clear();
            return false;
        }
        return true;
    }

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr) || written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool flush() override {
        bool ok = FlushFileBuffers(file_) != FALSE;
        ok = CloseHandle(file_) != FALSE && ok;
        file_ = INVALID_HANDLE_VALUE;
        return ok;
    }

    bool commit() override {
        const ULONGLONG deadline = GetTickCount64() + kRetryMilliseconds;
        while (!(free() && replace())) {
            if (!refusedForAMoment(GetLastError()) || GetTickCount64() >= deadline) return false;
            Sleep(kRetryInterval);
        }
        temp_.clear();
        return true;
    }

    void discard() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
        if (!temp_.empty()) DeleteFileW(temp_.c_str());
        temp_.clear();
    }

private:
    // Whether no other process holds the target open against its removal.
    // Asked before each attempt: a refused ReplaceFileW may leave a file
    // of its own beside the target (Wine does), one per attempt.
    bool free() const {
        HANDLE probe = CreateFileW(target_.c_str(), DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            return true;
        }
        // Anything but a sharing refusal is for ReplaceFileW to report.
        return GetLastError() != ERROR_SHARING_VIOLATION && GetLastError() != ERROR_LOCK_VIOLATION;
    }

    bool replace() {
        if (ReplaceFileW(target_.c_str(), temp_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                         nullptr, nullptr)) {
            return true;
        }
        const DWORD error = GetLastError();
        // The target was moved away but the new file could not take its
        // name: without this move the file would be gone. When the move
        // fails too, the save puts the bytes there anew (replaceFileContents).
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
            GetFileAttributesW(target_.c_str()) == INVALID_FILE_ATTRIBUTES &&
            MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        SetLastError(error);
        return false;
    }

    std::wstring target_;
    std::wstring temp_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::wstring name = longPath(path);
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    // No further than the limit, whatever size the file claims.
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0 &&
           bytes.size() <= kMaxFileBytes) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    if (!ok || bytes.size() > kMaxFileBytes) return std::nullopt;
    return bytes;
}

bool isSymbolicLink(const std::filesystem::path& path) {
    const std::wstring name = longPath(path);
    // Wine shows a symbolic link of the Unix side only in the folder's listing.
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(name.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return true;
    }
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool fileExists(const std::filesystem::path& path) {
    std::wstring name = longPath(path);
    DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FileReplacement> makeFileReplacement(const std::filesystem::path& target) {
    return std::make_unique<Win32FileReplacement>(target);
}

}  // namespace vx
