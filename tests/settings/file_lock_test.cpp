// The lock of a driver font file: one holder at a time, within a process
// and across processes, let go when its holder lets go or ends, never
// taken through a link, and no lock file left behind.
#include "settings/file_lock.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/settings/test_support.h"

#ifndef _WIN32
#include <signal.h>
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
#endif

}  // namespace
}  // namespace vx
