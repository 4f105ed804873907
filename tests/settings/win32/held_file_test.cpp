// A driver font file that another process holds open cannot be replaced
// until it is closed: a save waits about two seconds for it, so a file held
// for a moment is saved, and one held longer fails with the file unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "settings/file_io.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::readBytes;
using test::ScratchDir;
namespace fs = std::filesystem;

const std::string kOriginal = "[DVF]\r\nVersion=2\r\n; before\r\n";

// Another process that holds the file open for reading, from the moment
// it is constructed, for `milliseconds`.
class Holder {
public:
    Holder(const fs::path& file, int milliseconds) {
        const std::wstring event = L"vx-held-file-" + std::to_wstring(GetCurrentProcessId());
        opened_ = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
        wchar_t self[MAX_PATH * 4] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
        const fs::path helper = fs::path(self).parent_path() / L"file_holder.exe";
        std::wstring command = L"\"" + helper.wstring() + L"\" \"" + file.wstring() + L"\" " +
                               std::to_wstring(milliseconds) + L" " + event;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(helper.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_) != FALSE;
        holding_ = started_ && WaitForSingleObject(opened_, 10000) == WAIT_OBJECT_0;
    }
    ~Holder() {
        if (started_) {
            WaitForSingleObject(process_.hProcess, 20000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        CloseHandle(opened_);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    bool holding() const { return holding_; }

private:
    HANDLE opened_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    bool holding_ = false;
};

// Whether the file can be opened as a replacement opens it (to delete it).
bool replaceable(const fs::path& file) {
    HANDLE handle = CreateFileW(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(HeldFile, HeldForHalfASecondTheFileIsReplacedOnceItIsFree) {
    ScratchDir dir;
    const fs::path target = dir.withBytes("font.dvf", kOriginal);
    Holder holder(target, 500);
    ASSERT_TRUE(holder.holding());
    EXPECT_FALSE(replaceable(target)) << "the other process does not hold the file";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(replaceFileContents(target, "new"));
    std::printf("replaced after %.2f s\n", secondsSince(start));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"font.dvf"});
}

TEST(HeldFile, HeldForFiveSecondsTheReplacementFailsAndLeavesTheFile) {
    ScratchDir dir;
    const fs::path target = dir.withBytes("font.dvf", kOriginal);
    Holder holder(target, 5000);
    ASSERT_TRUE(holder.holding());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(replaceFileContents(target, "new"));
    std::printf("gave up after %.2f s\n", secondsSince(start));
    EXPECT_EQ(readBytes(target), kOriginal);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"font.dvf"});
}

}  // namespace
}  // namespace vx
