// History folders on POSIX systems: each folder below the base opened with
// openat and O_NOFOLLOW from the one above it, so that a symbolic link is
// refused and nothing can be swapped in between; versions read and removed
// relative to their folder. The machine-wide history belongs to root and may
// be written by no one else.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "history/history_folder.h"

namespace vx {

namespace fs = std::filesystem;

struct HistoryFolder::State {
    int fd = -1;
    ~State() {
        if (fd >= 0) ::close(fd);
    }
};

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Root's alone: owned by root, written by no group and no one else.
std::error_code checkMachineWide(const struct stat& status) {
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) return HistoryError::OthersMayChange;
    if (status.st_uid != 0) return HistoryError::ForeignOwner;
    return {};
}

// Opens the folder `name` in the folder `parent` as itself, making it when
// `create`; -1 with `error` set when it cannot be had.
int openPart(int parent, const fs::path& name, bool create, HistoryAccess access,
             std::error_code& error) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parent, name.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT && create) {
        const mode_t mode = access == HistoryAccess::MachineWide ? 0755 : 0700;
        if (::mkdirat(parent, name.c_str(), mode) != 0 && errno != EEXIST) {
            error = lastError();
            return -1;
        }
        fd = ::openat(parent, name.c_str(), kFlags);
    }
    if (fd < 0) {
        const int reason = errno;
        struct stat status {};
        if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(status.st_mode)) {
            error = HistoryError::Link;
        } else {
            error = {reason, std::generic_category()};
        }
        return -1;
    }
    if (access == HistoryAccess::MachineWide) {
        struct stat status {};
        if (::fstat(fd, &status) != 0) {
            error = lastError();
        } else {
            error = checkMachineWide(status);
        }
        if (error) {
            ::close(fd);
            return -1;
        }
    }
    return fd;
}

// The bytes of an opened version, when it is one that may be read.
std::optional<std::string> readOpened(int fd, HistoryAccess access, std::error_code& error) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        error = lastError();
    } else if (!S_ISREG(status.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else if (static_cast<std::uintmax_t>(status.st_size) > kLargestVersionBytes) {
        error = std::make_error_code(std::errc::file_too_large);
    } else if (access == HistoryAccess::MachineWide) {
        error = checkMachineWide(status);
    }
    if (error) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return bytes;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = lastError();
            return std::nullopt;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > kLargestVersionBytes) {
            error = std::make_error_code(std::errc::file_too_large);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace

HistoryFolder HistoryFolder::openBelow(const fs::path& base, const fs::path& below,
                                       HistoryAccess access, bool create, std::error_code& error) {
    HistoryFolder folder;
    auto state = std::make_shared<State>();
    folder.path_ = base;  // while empty: the folder refused
    state->fd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (state->fd < 0) {
        error = lastError();
        return folder;
    }
    for (const fs::path& part : below) {
        folder.path_ /= part;
        const int next = openPart(state->fd, part, create, access, error);
        if (next < 0) return folder;
        ::close(state->fd);
        state->fd = next;
    }
    folder.state_ = std::move(state);
    folder.path_ = base / below;
    folder.access_ = access;
    return folder;
}

std::vector<FolderEntry> HistoryFolder::entries() const {
    std::vector<FolderEntry> found;
    if (!state_) return found;
    const int listed = ::dup(state_->fd);
    if (listed < 0) return found;
    DIR* directory = ::fdopendir(listed);
    if (directory == nullptr) {
        ::close(listed);
        return found;
    }
    ::rewinddir(directory);
    while (const dirent* item = ::readdir(directory)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        struct stat status {};
        FolderEntry entry{name, EntryKind::Other, 0};
        if (::fstatat(state_->fd, item->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISREG(status.st_mode)) {
                entry.kind = EntryKind::File;
                entry.bytes = static_cast<std::uintmax_t>(status.st_size);
            } else if (S_ISLNK(status.st_mode)) {
                entry.kind = EntryKind::Link;
            } else if (S_ISDIR(status.st_mode)) {
                entry.kind = EntryKind::Folder;
            }
        }
        found.push_back(std::move(entry));
    }
    ::closedir(directory);
    return found;
}

std::optional<std::string> HistoryFolder::readOpen(std::string_view name,
                                                   std::error_code& error) const {
    const std::string item(name);
    // Non-blocking: a pipe planted under a version's name must not stall.
    const int fd =
        ::openat(state_->fd, item.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errno == ELOOP ? make_error_code(HistoryError::Link) : lastError();
        return std::nullopt;
    }
    std::optional<std::string> bytes = readOpened(fd, access_, error);
    ::close(fd);
    return bytes;
}

bool HistoryFolder::removeFile(std::string_view name) const {
    if (!state_) return false;
    const std::string item(name);
    struct stat status {};
    if (::fstatat(state_->fd, item.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode)) {
        return false;
    }
    // Should the name have turned into a link meanwhile, unlinkat removes the
    // link itself, never what it points to.
    return ::unlinkat(state_->fd, item.c_str(), 0) == 0;
}

HeldFolder HistoryFolder::held() const {
    if (!state_) return {};
    return {state_->fd, path_};
}

// The system resolves ".." after the link before it, so the path is
// resolved as given: "sub/../x" with sub a link names a file beside the
// link's target, which lexical normalisation would not find.
fs::path resolvedPath(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (char* real = ::realpath(absolute.c_str(), nullptr)) {
        fs::path resolved(real);
        std::free(real);
        return resolved;
    }
    // A file that does not exist yet: its folder resolved.
    if (char* real = ::realpath(absolute.parent_path().c_str(), nullptr)) {
        fs::path resolved = fs::path(real) / absolute.filename();
        std::free(real);
        return resolved;
    }
    return absolute.lexically_normal();
}

}  // namespace vx
