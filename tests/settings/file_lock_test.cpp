// The lock of a driver font file: one holder at a time, within a process
// and across processes, let go when its holder lets go or ends, never
// taken through a link, and no lock file left behind.
#include "settings/file_lock.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "tests/settings/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(FileLock, OneHolderAtATimeAndNothingLeftBehind) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "[DVF]\r\nVersion=2\r\n");
    {
        FileLock first = FileLock::acquire(file);
        ASSERT_TRUE(first.held());
        EXPECT_TRUE(fs::exists(lockFileOf(file)));
        const FileLock second = FileLock::acquire(file, 100ms);
        EXPECT_FALSE(second.held());
        EXPECT_EQ(second.outcome(), LockOutcome::Busy);
        // Another spelling of the same path names the same lock.
        fs::create_directory(dir.path() / "sub");
        const FileLock third = FileLock::acquire(dir.path() / "sub" / ".." / "ALTOD.DVF", 0ms);
        EXPECT_EQ(third.outcome(), LockOutcome::Busy);
        // A lock moved on is still one lock.
        FileLock moved = std::move(first);
        EXPECT_TRUE(moved.held());
        EXPECT_EQ(FileLock::acquire(file, 0ms).outcome(), LockOutcome::Busy);
    }
    EXPECT_FALSE(fs::exists(lockFileOf(file)));
    EXPECT_TRUE(FileLock::acquire(file, 0ms).held());
    fs::remove(dir.path() / "sub");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"ALTOD.DVF"});
}

TEST(FileLock, AWriterWaitsForTheOthersSaveToEnd) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "x");
    FileLock first = FileLock::acquire(file);
    ASSERT_TRUE(first.held());
    std::thread releaser([&] {
        std::this_thread::sleep_for(200ms);
        first.release();
    });
    const FileLock second = FileLock::acquire(file, 5000ms);
    releaser.join();
    EXPECT_TRUE(second.held());
}

TEST(FileLock, AFolderThatRefusesTheLockFileFailsAtOnce) {
    test::ScratchDir dir;
    const FileLock lock = FileLock::acquire(dir.path() / "missing" / "ALTOD.DVF", 5000ms);
    EXPECT_EQ(lock.outcome(), LockOutcome::Failed);
    EXPECT_TRUE(lock.error());
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

#ifndef _WIN32
// A link where the lock file belongs is not followed: nothing is made at
// its target, and the lock is not had.
TEST(FileLock, ALinkInPlaceOfTheLockFileIsNotFollowed) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "x");
    const fs::path target = dir.path() / "elsewhere";
    fs::create_symlink(target, lockFileOf(file));
    const FileLock lock = FileLock::acquire(file, 0ms);
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(fs::exists(target));
}

// A holder that is killed lets go: the system closes its lock file.
TEST(FileLock, AHolderThatEndsHoweverItEndsLetsGo) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "x");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const FileLock lock = FileLock::acquire(file);
        const char held = lock.held() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    EXPECT_EQ(FileLock::acquire(file, 100ms).outcome(), LockOutcome::Busy);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(FileLock::acquire(file, 0ms).held());
    ::close(ready[0]);
    ::close(ready[1]);
}

// What stands at the lock file's name, and what the lock then is: never a
// wait on something that is not a file, never a holder whose lock file was
// removed under it.
TEST(FileLockEdges, WhatStandsAtTheLockFilesName) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& lockFile)> plant;
        LockOutcome outcome;
    };
    const std::vector<Case> cases = {
        {"a named pipe", [](const fs::path& lock) { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); },
         LockOutcome::NotAFile},
        {"a folder", [](const fs::path& lock) { fs::create_directory(lock); },
         LockOutcome::NotAFile},
        {"a link to a file",
         [](const fs::path& lock) {
             test::writeBytes(lock.parent_path() / "elsewhere", "");
             fs::create_symlink("elsewhere", lock);
         },
         LockOutcome::NotAFile},
        {"a dangling link", [](const fs::path& lock) { fs::create_symlink("nowhere", lock); },
         LockOutcome::NotAFile},
        {"a file of ours left behind", [](const fs::path& lock) { test::writeBytes(lock, ""); },
         LockOutcome::Held},
    };
    for (const Case& c : cases) {
        test::ScratchDir dir;
        const fs::path file = dir.withBytes("ALTOD.DVF", "x");
        c.plant(lockFileOf(file));
        const auto start = std::chrono::steady_clock::now();
        const FileLock lock = FileLock::acquire(file, 5000ms);
        EXPECT_EQ(lock.outcome(), c.outcome) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms) << c.what;
    }
}

// Readable by every user, so that a lock file left behind keeps no one out;
// the lock itself is the flock, which ends with its holder.
TEST(FileLockEdges, TheLockFileIsReadableByEveryoneWhateverTheUmask) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "x");
    const mode_t before = ::umask(077);
    const FileLock lock = FileLock::acquire(file);
    ::umask(before);
    ASSERT_TRUE(lock.held());
    struct stat status {};
    ASSERT_EQ(::stat(lockFileOf(file).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST(FileLockEdges, AHolderKnowsWhenItsLockFileWasRemovedOrReplaced) {
    for (const bool replaced : {false, true}) {
        test::ScratchDir dir;
        const fs::path file = dir.withBytes("ALTOD.DVF", "x");
        FileLock first = FileLock::acquire(file);
        ASSERT_TRUE(first.held());
        EXPECT_TRUE(first.stillHeld());
        fs::remove(lockFileOf(file));
        if (replaced) test::writeBytes(lockFileOf(file), "");
        // A second writer gets in: the first must know before it replaces.
        const FileLock second = FileLock::acquire(file, 0ms);
        EXPECT_TRUE(second.held()) << replaced;
        EXPECT_FALSE(first.stillHeld()) << replaced;
        EXPECT_TRUE(second.stillHeld()) << replaced;
        // Letting go, the first leaves the second's lock file alone.
        first.release();
        EXPECT_TRUE(fs::exists(lockFileOf(file))) << replaced;
    }
}

// Another user's lock file that refuses us: told apart by whether anyone
// holds it. Run as root, the other user is "nobody" in a child process.
TEST(FileLockEdges, AnotherUsersLockFileIsToldApartFromAHeldLock) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    for (const bool held : {false, true}) {
        test::ScratchDir dir;
        ::chmod(dir.path().c_str(), 0777);
        const fs::path file = dir.withBytes("ALTOD.DVF", "x");
        const int leftBehind =
            ::open(lockFileOf(file).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(leftBehind, 0);
        ::fchmod(leftBehind, 0600);
        if (held) {
            ASSERT_EQ(::flock(leftBehind, LOCK_EX), 0);
        }
        int result[2];
        ASSERT_EQ(::pipe(result), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            char outcome = 'x';
            if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
                const FileLock lock = FileLock::acquire(file, 0ms);
                outcome = static_cast<char>('0' + static_cast<int>(lock.outcome()));
                if (lock.outcome() == LockOutcome::LeftBehind && lock.owner() != "root") {
                    outcome = 'o';
                }
            }
            (void)!::write(result[1], &outcome, 1);
            ::_exit(0);
        }
        char outcome = 0;
        ASSERT_EQ(::read(result[0], &outcome, 1), 1);
        ::waitpid(child, nullptr, 0);
        const LockOutcome expected = held ? LockOutcome::Busy : LockOutcome::LeftBehind;
        EXPECT_EQ(outcome, '0' + static_cast<int>(expected)) << "held: " << held;
        ::close(leftBehind);
        ::close(result[0]);
        ::close(result[1]);
    }
}
#endif

#ifdef _WIN32
// A lock file left behind read-only cannot be opened to be deleted on close:
// Windows refuses it, which is told apart once the wait is over (Wine opens
// it all the same, so there it blocks no one). A folder at its name is no
// lock file.
TEST(FileLockEdges, WhatStandsAtTheLockFilesNameOnWindows) {
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", "x");
    test::writeBytes(lockFileOf(file), "");
    test::makeReadOnly(lockFileOf(file));
    {
        const FileLock leftBehind = FileLock::acquire(file, 200ms);
        EXPECT_EQ(leftBehind.outcome(), wine ? LockOutcome::Held : LockOutcome::LeftBehind);
        EXPECT_EQ(leftBehind.owner().empty(), wine);
    }
    if (fs::exists(lockFileOf(file))) {
        test::makeWritable(lockFileOf(file));
        fs::remove(lockFileOf(file));
    }
    fs::create_directory(lockFileOf(file));
    EXPECT_EQ(FileLock::acquire(file, 200ms).outcome(), LockOutcome::NotAFile);
    fs::remove(lockFileOf(file));
    const FileLock held = FileLock::acquire(file, 0ms);
    EXPECT_TRUE(held.held());
    // Held, it cannot be removed, and it is still the file's lock.
    std::error_code removal;
    fs::remove(lockFileOf(file), removal);
    EXPECT_TRUE(removal);
    EXPECT_TRUE(held.stillHeld());
}
#endif

}  // namespace
}  // namespace vx
