// History folders on Windows: each folder below the base opened as itself
// (FILE_FLAG_OPEN_REPARSE_POINT) and refused when it is a reparse point, and
// held open without delete sharing until the work is done, so that no one
// can move it away and put a junction in its place meanwhile. Versions are
// read and removed through handles opened the same way. The machine-wide
// history's folders are made with the access list of the administrators,
// and an existing one is used only when it is theirs alone.
#include <windows.h>

#include <string>
#include <utility>

#include "history/history_access.h"
#include "history/history_folder.h"
#include "history/win32/history_security_win32.h"
#include "settings/codepage.h"

namespace vx {

namespace fs = std::filesystem;

namespace {

struct Handle {
    HANDLE value = INVALID_HANDLE_VALUE;
    Handle() = default;
    explicit Handle(HANDLE handle) : value(handle) {}
    Handle(Handle&& other) noexcept : value(other.value) { other.value = INVALID_HANDLE_VALUE; }
    Handle& operator=(Handle&& other) noexcept {
        std::swap(value, other.value);
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
    }
    explicit operator bool() const { return value != INVALID_HANDLE_VALUE; }
};

std::error_code errorOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
        case ERROR_INVALID_OWNER:
        case ERROR_PRIVILEGE_NOT_HELD:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_FILENAME_EXCED_RANGE:
            return std::make_error_code(std::errc::filename_too_long);
        case ERROR_DIRECTORY:
            return std::make_error_code(std::errc::not_a_directory);
        default:
            return {static_cast<int>(code), std::system_category()};
    }
}

std::error_code lastError() { return errorOf(GetLastError()); }

// The attributes of an open object, reparse points included.
std::optional<DWORD> attributesOf(HANDLE object) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(object, FileAttributeTagInfo, &tag, sizeof tag)) {
        return std::nullopt;
    }
    return tag.FileAttributes;
}

// A reparse point as the handle or the folder's listing shows it: Wine
// shows a symbolic link of the Unix side only in the listing.
bool isReparsePoint(HANDLE object, const fs::path& path) {
    const std::optional<DWORD> attributes = attributesOf(object);
    const DWORD listed = GetFileAttributesW(path.c_str());
    return (attributes && (*attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) ||
           (listed != INVALID_FILE_ATTRIBUTES && (listed & FILE_ATTRIBUTE_REPARSE_POINT) != 0);
}

Handle openAsItself(const fs::path& path, DWORD access, DWORD sharing, DWORD flags) {
    return Handle(CreateFileW(path.c_str(), access, sharing, nullptr, OPEN_EXISTING,
                              flags | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

// Opens a folder as itself for holding: no one may delete or rename it
// while it is held.
Handle openFolder(const fs::path& path) {
    return openAsItself(path, READ_CONTROL | FILE_READ_ATTRIBUTES,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_FLAG_BACKUP_SEMANTICS);
}

std::error_code judged(HANDLE object, OwnerRule rule) {
    const std::optional<AccessList> list = accessListOfObject(object);
    if (!list) return lastError();
    switch (judgeAccess(*list, rule)) {
        case AccessVerdict::AdministratorsOnly:
            return {};
        case AccessVerdict::ForeignOwner:
            return HistoryError::ForeignOwner;
        case AccessVerdict::OthersMayChange:
            return HistoryError::OthersMayChange;
    }
    return HistoryError::OthersMayChange;
}

// Makes a folder of the history: in the machine's, owned by the
// administrators with their list.
bool makeFolder(const fs::path& path, HistoryAccess access) {
    if (access != HistoryAccess::MachineWide) return CreateDirectoryW(path.c_str(), nullptr);
    std::vector<BYTE> descriptor = securityDescriptorOf(machineHistoryAccess());
    if (descriptor.empty()) return false;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.data(), FALSE};
    return CreateDirectoryW(path.c_str(), &attributes);
}

// Opens the folder `path` as itself, making it when missing and `create`.
Handle openPart(const fs::path& path, bool create, HistoryAccess access, std::error_code& error) {
    Handle folder = openFolder(path);
    if (!folder && create && (GetLastError() == ERROR_FILE_NOT_FOUND)) {
        if (!makeFolder(path, access) && GetLastError() != ERROR_ALREADY_EXISTS) {
            error = lastError();
            return {};
        }
        folder = openFolder(path);
    }
    if (!folder) {
        error = lastError();
        return {};
    }
    const std::optional<DWORD> attributes = attributesOf(folder.value);
    if (!attributes) {
        error = lastError();
    } else if (isReparsePoint(folder.value, path)) {
        error = HistoryError::Link;
    } else if ((*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        error = std::make_error_code(std::errc::not_a_directory);
    } else if (access == HistoryAccess::MachineWide) {
        error = judged(folder.value, OwnerRule::Administrators);
    }
    if (error) return {};
    return folder;
}

fs::path pathOf(const fs::path& folder, std::string_view name) {
    return folder / fs::path(std::u8string(name.begin(), name.end()));
}

}  // namespace

struct HistoryFolder::State {
    std::vector<Handle> held;  // the base and each folder below it
};

HistoryFolder HistoryFolder::openBelow(const fs::path& base, const fs::path& below,
                                       HistoryAccess access, bool create, std::error_code& error) {
    HistoryFolder folder;
    auto state = std::make_shared<State>();
    state->held.emplace_back(CreateFileW(base.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    folder.path_ = base;  // while empty: the folder refused
    if (!state->held.back()) {
        error = lastError();
        return folder;
    }
    for (const fs::path& part : below) {
        folder.path_ /= part;
        Handle next = openPart(folder.path_, create, access, error);
        if (error) return folder;
        state->held.push_back(std::move(next));
    }
    folder.state_ = std::move(state);
    folder.access_ = access;
    return folder;
}

std::vector<FolderEntry> HistoryFolder::entries() const {
    std::vector<FolderEntry> found;
    if (!state_) return found;
    WIN32_FIND_DATAW item{};
    HANDLE search = FindFirstFileExW((path_ / L"*").c_str(), FindExInfoBasic, &item,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        const std::wstring_view name = item.cFileName;
        if (name == L"." || name == L"..") continue;
        FolderEntry entry;
        entry.name = utf8FromUtf16(reinterpret_cast<const char16_t*>(item.cFileName));
        if ((item.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            entry.kind = EntryKind::Link;
        } else if ((item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            entry.kind = EntryKind::Folder;
        } else if ((item.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0) {
            entry.kind = EntryKind::File;
            entry.bytes =
                (static_cast<std::uintmax_t>(item.nFileSizeHigh) << 32) | item.nFileSizeLow;
        }
        found.push_back(std::move(entry));
    } while (FindNextFileW(search, &item));
    FindClose(search);
    return found;
}

std::optional<std::string> HistoryFolder::readOpen(std::string_view name,
                                                   std::error_code& error) const {
    const fs::path path = pathOf(path_, name);
    Handle file = openAsItself(path, GENERIC_READ | READ_CONTROL,
                               FILE_SHARE_READ | FILE_SHARE_DELETE, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) {
        error = lastError();
        return std::nullopt;
    }
    const std::optional<DWORD> attributes = attributesOf(file.value);
    LARGE_INTEGER size{};
    if (!attributes || !GetFileSizeEx(file.value, &size)) {
        error = lastError();
    } else if (isReparsePoint(file.value, path)) {
        error = HistoryError::Link;
    } else if ((*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
               GetFileType(file.value) != FILE_TYPE_DISK) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else if (static_cast<std::uintmax_t>(size.QuadPart) > kLargestVersionBytes) {
        error = std::make_error_code(std::errc::file_too_large);
    } else if (access_ == HistoryAccess::MachineWide) {
        error = judged(file.value, OwnerRule::AdministratorsOrOwnerRights);
    }
    if (error) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file.value, bytes.data() + done, wanted, &got, nullptr)) {
            error = lastError();
            return std::nullopt;
        }
        if (got == 0) break;
        done += got;
    }
    // Shorter than its size said: only what was there.
    bytes.resize(done);
    return bytes;
}

bool HistoryFolder::removeFile(std::string_view name) const {
    if (!state_) return false;
    const fs::path path = pathOf(path_, name);
    Handle file = openAsItself(path, DELETE | FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
    if (!file) return false;
    const std::optional<DWORD> attributes = attributesOf(file.value);
    if (!attributes || (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        isReparsePoint(file.value, path)) {
        return false;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file.value, FileDispositionInfo, &disposition,
                                      sizeof disposition);
}

HeldFolder HistoryFolder::held() const {
    if (!state_ || state_->held.empty()) return {};
    return {reinterpret_cast<std::intptr_t>(state_->held.back().value), path_};
}

namespace {

// The path an open object has on its volume, without the "\\?\" prefix.
std::optional<fs::path> finalPathOf(const fs::path& path) {
    Handle object(CreateFileW(path.c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!object) return std::nullopt;
    std::wstring text(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(object.value, text.data(),
                                             static_cast<DWORD>(text.size()), VOLUME_NAME_DOS);
    if (length >= text.size()) {
        text.resize(length + 1);
        length = GetFinalPathNameByHandleW(object.value, text.data(),
                                           static_cast<DWORD>(text.size()), VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= text.size()) return std::nullopt;
    text.resize(length);
    if (text.starts_with(L"\\\\?\\UNC\\")) {
        text = L"\\\\" + text.substr(8);
    } else if (text.starts_with(L"\\\\?\\")) {
        text = text.substr(4);
    }
    return fs::path(text);
}

}  // namespace

fs::path resolvedPath(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec).lexically_normal();
    if (std::optional<fs::path> resolved = finalPathOf(absolute)) return *resolved;
    // A file that does not exist yet: its folder resolved.
    if (std::optional<fs::path> folder = finalPathOf(absolute.parent_path())) {
        return *folder / absolute.filename();
    }
    return absolute;
}

}  // namespace vx
