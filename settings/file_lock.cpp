#include "settings/file_lock.h"

#include <thread>

namespace vx {

namespace {

constexpr std::chrono::milliseconds kRetryInterval{50};

}  // namespace

std::filesystem::path lockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lock = file;
    lock += ".lock";
    return lock;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        lockFile_ = std::move(other.lockFile_);
        outcome_ = other.outcome_;
        error_ = other.error_;
        owner_ = std::move(other.owner_);
        handle_ = other.handle_;
        other.handle_ = -1;
        other.outcome_ = LockOutcome::Failed;
    }
    return *this;
}

FileLock FileLock::acquire(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    FileLock lock;
    lock.lockFile_ = lockFileOf(file);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const LockAttempt attempt = tryLockFile(lock.lockFile_);
        if (attempt.handle != -1) {
            lock.handle_ = attempt.handle;
            lock.outcome_ = LockOutcome::Held;
            lock.error_.clear();
            return lock;
        }
        lock.outcome_ = attempt.notAFile     ? LockOutcome::NotAFile
                        : attempt.leftBehind ? LockOutcome::LeftBehind
                        : attempt.busy       ? LockOutcome::Busy
                                             : LockOutcome::Failed;
        lock.error_ = attempt.error;
        lock.owner_ = attempt.owner;
        // Only another's lock ends by waiting.
        if (!attempt.busy) return lock;
        if (std::chrono::steady_clock::now() >= deadline) {
            if (attempt.refused) lock.outcome_ = LockOutcome::LeftBehind;
            return lock;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
}

bool FileLock::stillHeld() const {
    return handle_ != -1 && lockFileStillNamed(handle_, lockFile_);
}

void FileLock::release() {
    if (handle_ == -1) return;
    unlockFile(handle_, lockFile_);
    handle_ = -1;
    outcome_ = LockOutcome::Failed;
}

}  // namespace vx
