// The lock file on POSIX systems: flock on a file opened without following
// a link and without waiting (a pipe at its name must not stall a save); only
// a regular file is a lock file. The lock is the flock, not the file: the
// file is readable by everyone, so that one left behind by another user
// (a power cut) does not keep the others out. Its holder removes it before
// it lets go; whoever got the lock on a file that was removed meanwhile
// tries again on the one now named so.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "settings/file_lock.h"

namespace vx {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

std::string userName(uid_t uid) {
    if (const passwd* account = ::getpwuid(uid); account != nullptr) return account->pw_name;
    return "UID " + std::to_string(uid);
}

enum class Held { Yes, No, Unknown };

// Whether any process holds a lock on the file, as the system lists them
// (Linux: /proc/locks, one lock a line, the file as "major:minor:inode").
Held heldByAnyone(const struct stat& file) {
    std::ifstream locks("/proc/locks");
    if (!locks) return Held::Unknown;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string field;
        // "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF", or with "->"
        // after the number for a waiting lock.
        for (int i = 0; fields >> field;) {
            if (field == "->") continue;
            if (++i == 6) break;
        }
        // The device's numbers in hexadecimal, the inode in decimal.
        const std::size_t first = field.find(':');
        const std::size_t second = field.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos) continue;
        try {
            if (std::stoul(field.substr(0, first), nullptr, 16) == ::major(file.st_dev) &&
                std::stoul(field.substr(first + 1, second - first - 1), nullptr, 16) ==
                    ::minor(file.st_dev) &&
                std::stoull(field.substr(second + 1)) == file.st_ino) {
                return Held::Yes;
            }
        } catch (const std::exception&) {
            continue;
        }
    }
    return Held::No;
}

// A lock file that exists but refuses us: another's, held or left behind.
void judgeRefusal(const std::filesystem::path& lockFile, LockAttempt& attempt) {
    struct stat named {};
    if (::lstat(lockFile.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
        named.st_uid == ::geteuid()) {
        return;
    }
    attempt.owner = userName(named.st_uid);
    switch (heldByAnyone(named)) {
        case Held::Yes:
            attempt.busy = true;
            break;
        case Held::No:
            attempt.leftBehind = true;
            break;
        case Held::Unknown:
            break;
    }
}

}  // namespace

LockAttempt tryLockFile(const std::filesystem::path& lockFile) {
    LockAttempt attempt;
    const int fd =
        ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        attempt.error = lastError();
        if (errno == EACCES || errno == EPERM) {
            judgeRefusal(lockFile, attempt);
        } else {
            // A folder, a link (not followed) or a socket at the name: to be
            // said as such, not as a number.
            struct stat named {};
            attempt.notAFile = ::lstat(lockFile.c_str(), &named) == 0 && !S_ISREG(named.st_mode);
        }
        return attempt;
    }
    struct stat held {};
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
        attempt.error = std::make_error_code(std::errc::invalid_argument);
        attempt.notAFile = true;
        ::close(fd);
        return attempt;
    }
    // Readable by every user whatever the umask, so that none is kept out
    // by one left behind (only the owner's own file is changed).
    if (held.st_uid == ::geteuid() && (held.st_mode & 07777) != 0644) ::fchmod(fd, 0644);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        attempt.error = lastError();
        attempt.busy = errno == EWOULDBLOCK || errno == EINTR;
        ::close(fd);
        return attempt;
    }
    if (!lockFileStillNamed(fd, lockFile)) {
        ::close(fd);
        attempt.busy = true;
        attempt.error = std::make_error_code(std::errc::resource_unavailable_try_again);
        return attempt;
    }
    attempt.handle = fd;
    return attempt;
}

bool lockFileStillNamed(std::intptr_t handle, const std::filesystem::path& lockFile) {
    struct stat held {
    }, named{};
    return ::fstat(static_cast<int>(handle), &held) == 0 &&
           ::lstat(lockFile.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
           held.st_dev == named.st_dev;
}

void unlockFile(std::intptr_t handle, const std::filesystem::path& lockFile) {
    // Only the lock file that is still its own: one that another writer
    // made after ours was removed is theirs.
    if (lockFileStillNamed(handle, lockFile)) ::unlink(lockFile.c_str());
    ::close(static_cast<int>(handle));
}

}  // namespace vx
