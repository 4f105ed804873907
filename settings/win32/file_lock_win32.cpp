// The lock file on Windows: opened without sharing and deleted when its
// handle closes, which the system does when the process ends. A link in
// its place is opened as itself, never followed.
#include <windows.h>

#include "settings/file_lock.h"
#include "settings/win32/long_path.h"

namespace vx {

LockAttempt tryLockFile(const std::filesystem::path& lockFile) {
    LockAttempt attempt;
    const std::wstring name = longPath(lockFile);
    HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        attempt.handle = reinterpret_cast<std::intptr_t>(file);
        return attempt;
    }
    const DWORD error = GetLastError();
    attempt.error = {static_cast<int>(error), std::system_category()};
    // A lock file whose holder has just closed it refuses access until it
    // is gone.
    attempt.busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                   (error == ERROR_ACCESS_DENIED &&
                    GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES);
    return attempt;
}

void unlockFile(std::intptr_t handle, const std::filesystem::path&) {
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

}  // namespace vx
