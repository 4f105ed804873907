// One lock per driver font file, shared by every program that saves it (the
// window, dvftool): a writer holds it from its look at the file to the
// replacement, so that no save is built on bytes that another save is
// about to replace. It is a lock file beside the file, open for exclusive
// use; the system releases it when the process ends, however it ends, so a
// lock file that stays behind (a power cut) locks nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace vx {

// How long a writer waits for another's save to end.
inline constexpr std::chrono::milliseconds kLockWait{2000};

enum class LockOutcome {
    Held,
    Busy,    // another writer held it for the whole wait
    Failed,      // the lock file cannot be made (the folder refuses it)
    NotAFile,    // something else than a file is at the lock file's name (a pipe)
    LeftBehind,  // another user's lock file that no program holds refuses us
};

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(FileLock&& other) noexcept { *this = std::move(other); }
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to `wait` for the lock of `file`.
    static FileLock acquire(const std::filesystem::path& file,
                            std::chrono::milliseconds wait = kLockWait);

    bool held() const { return outcome_ == LockOutcome::Held; }
    LockOutcome outcome() const { return outcome_; }
    std::error_code error() const { return error_; }
    // The lock file (for messages).
    const std::filesystem::path& lockFile() const { return lockFile_; }
    // Who owns a lock file LeftBehind (UTF-8; empty when not known).
    const std::string& owner() const { return owner_; }
    // Whether the lock file held is still the one at its name: a lock file
    // removed (or replaced) meanwhile lets another writer in, so a holder
    // asks before it replaces the file.
    bool stillHeld() const;
    void release();

private:
    std::filesystem::path lockFile_;
    LockOutcome outcome_ = LockOutcome::Failed;
    std::error_code error_;
    std::string owner_;
    std::intptr_t handle_ = -1;
};

// The lock file of `file`: beside it, its name followed by ".lock".
std::filesystem::path lockFileOf(const std::filesystem::path& file);

// One attempt of the platform: the handle of the lock file held (-1 when
// not held), whether another holds it, or why it could not be made.
struct LockAttempt {
    std::intptr_t handle = -1;
    bool busy = false;
    bool notAFile = false;
    // Another user's lock file that refuses us: known to be held by no one
    // (`leftBehind`), or, where that cannot be asked, taken to be left
    // behind when it still refuses us at the end of the wait (`refused`).
    bool leftBehind = false;
    bool refused = false;
    std::string owner;  // of a lock file that refuses us (UTF-8)
    std::error_code error;
};
LockAttempt tryLockFile(const std::filesystem::path& lockFile);
// Whether the lock file that `handle` holds is still the one named `lockFile`.
bool lockFileStillNamed(std::intptr_t handle, const std::filesystem::path& lockFile);
// Releases a lock that tryLockFile gave; the lock file goes.
void unlockFile(std::intptr_t handle, const std::filesystem::path& lockFile);

}  // namespace vx
