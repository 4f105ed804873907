// The lock file on POSIX systems: flock on a file opened without following
// a link. Its holder removes it before it lets go; whoever got the lock on
// a file that was removed meanwhile tries again on the one now named so.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "settings/file_lock.h"

namespace vx {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

}  // namespace

LockAttempt tryLockFile(const std::filesystem::path& lockFile) {
    LockAttempt attempt;
    // Readable by its owner only: nobody else can take a lock file that an
    // administrator's save made.
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        attempt.error = lastError();
        return attempt;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        attempt.error = lastError();
        attempt.busy = errno == EWOULDBLOCK || errno == EINTR;
        ::close(fd);
        return attempt;
    }
    struct stat held {
    }, named{};
    if (::fstat(fd, &held) != 0 || ::lstat(lockFile.c_str(), &named) != 0 ||
        held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
        ::close(fd);
        attempt.busy = true;
        attempt.error = std::make_error_code(std::errc::resource_unavailable_try_again);
        return attempt;
    }
    attempt.handle = fd;
    return attempt;
}

void unlockFile(std::intptr_t handle, const std::filesystem::path& lockFile) {
    ::unlink(lockFile.c_str());
    ::close(static_cast<int>(handle));
}

}  // namespace vx
