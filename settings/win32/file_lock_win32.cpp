// The lock file on Windows: opened without sharing and deleted when its
// handle closes, which the system does when the process ends: the lock dies
// with its holder, and while it is held no one else can open, move or
// remove it. A link in its place is opened as itself, never followed; only
// a file on the disk is a lock file.
#include <windows.h>
// Needs windows.h first.
#include <aclapi.h>

#include "settings/codepage.h"
#include "settings/file_lock.h"
#include "settings/win32/long_path.h"

namespace vx {

namespace {

// "DOMAIN\name" of the lock file's owner; empty when it cannot be told.
std::string ownerOf(const std::wstring& name) {
    HANDLE file = CreateFileW(name.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::string text;
    if (GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) == ERROR_SUCCESS &&
        owner != nullptr) {
        wchar_t account[256], domain[256];
        DWORD accountLength = 256, domainLength = 256;
        SID_NAME_USE use{};
        if (LookupAccountSidW(nullptr, owner, account, &accountLength, domain, &domainLength,
                              &use)) {
            const std::wstring full =
                domainLength > 0 ? std::wstring(domain) + L"\\" + account : std::wstring(account);
            text = utf8FromUtf16(reinterpret_cast<const char16_t*>(full.c_str()));
        }
    }
    if (descriptor != nullptr) LocalFree(descriptor);
    CloseHandle(file);
    return text.empty() ? "?" : text;
}

}  // namespace

LockAttempt tryLockFile(const std::filesystem::path& lockFile) {
    LockAttempt attempt;
    const std::wstring name = longPath(lockFile);
    HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        if (GetFileType(file) != FILE_TYPE_DISK) {
            CloseHandle(file);
            attempt.notAFile = true;
            attempt.error = std::make_error_code(std::errc::invalid_argument);
            return attempt;
        }
        attempt.handle = reinterpret_cast<std::intptr_t>(file);
        return attempt;
    }
    const DWORD error = GetLastError();
    attempt.error = {static_cast<int>(error), std::system_category()};
    // A lock file whose holder has just closed it refuses access until it
    // is gone; one that still refuses at the end of the wait is a file left
    // behind that is not ours to open (read-only, or another's).
    const DWORD attributes = GetFileAttributesW(name.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        attempt.notAFile = true;
        return attempt;
    }
    attempt.busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                   (error == ERROR_ACCESS_DENIED && exists);
    if (error == ERROR_ACCESS_DENIED && exists) {
        attempt.refused = true;
        attempt.owner = ownerOf(name);
    }
    return attempt;
}

// Held without sharing, the lock file can be neither removed nor renamed by
// anyone else; asked all the same: the file at its name (opened for its
// attributes only, which sharing does not refuse) is the one held.
bool lockFileStillNamed(std::intptr_t handle, const std::filesystem::path& lockFile) {
    BY_HANDLE_FILE_INFORMATION held{}, named{};
    if (!GetFileInformationByHandle(reinterpret_cast<HANDLE>(handle), &held)) return false;
    HANDLE now = CreateFileW(longPath(lockFile).c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (now == INVALID_HANDLE_VALUE) return false;
    const BOOL known = GetFileInformationByHandle(now, &named);
    CloseHandle(now);
    return known && held.dwVolumeSerialNumber == named.dwVolumeSerialNumber &&
           held.nFileIndexHigh == named.nFileIndexHigh &&
           held.nFileIndexLow == named.nFileIndexLow;
}

void unlockFile(std::intptr_t handle, const std::filesystem::path&) {
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

}  // namespace vx
