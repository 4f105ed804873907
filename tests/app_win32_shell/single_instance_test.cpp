// The real program, started as separate processes in the test prefix: one
// copy at a time per executable name, and the start-up switches.
//
// The first copy holds its single-instance mutex while it shows its printer
// selection, which a printer of the series installed here makes it do. The
// executable's name is its mutex's name, so CTest runs these tests alone
// (RUN_SERIAL): no other test may start the program meanwhile.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "app/command_line.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/modal_script.h"
#include "tests/printer/win32/registry_printers.h"
#include "ui/win32/dialog.h"

namespace vx::test {
namespace {

using namespace std::chrono_literals;

const std::wstring kSelectionCaption = L"プリンタの選択";

// A visible top-level window of a process, of the dialog class, with this
// caption (any caption when empty).
HWND windowOf(DWORD processId, const std::wstring& caption) {
    struct Search {
        DWORD processId;
        const std::wstring* caption;
        HWND found;
    } search{processId, &caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || !IsWindowVisible(window)) return TRUE;
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            wchar_t title[128] = {};
            GetWindowTextW(window, title, 128);
            if (s->caption->empty() ||
                (std::wstring(className) == L"#32770" && title == *s->caption)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One started copy of the program.
class ToolProcess {
public:
    ToolProcess(const std::filesystem::path& program, const std::wstring& arguments) {
        std::wstring command = L"\"" + program.wstring() + L"\"";
        if (!arguments.empty()) command += L" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_) != FALSE;
    }
    ~ToolProcess() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    bool started() const { return started_; }
    bool running() const {
        return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
    }

    // The process's printer selection, once it shows; null after `limit`.
    HWND waitForSelection(std::chrono::milliseconds limit = 15s) const {
        return waitForDialog(kSelectionCaption, limit);
    }
    // A dialog of the process with this caption, once it shows.
    HWND waitForDialog(const std::wstring& caption, std::chrono::milliseconds limit = 15s) const {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (HWND window = windowOf(process_.dwProcessId, caption)) return window;
            if (!running()) return nullptr;
            std::this_thread::sleep_for(20ms);
        }
        return nullptr;
    }

    // Waits for the end; true when it ended within `limit`. Meanwhile
    // handles what the process sends to this thread's windows, and notes
    // whether the process ever showed a window.
    bool waitForEnd(std::chrono::milliseconds limit = 10s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (windowOf(process_.dwProcessId, L"") != nullptr) showedWindow_ = true;
            DWORD woke = MsgWaitForMultipleObjects(1, &process_.hProcess, FALSE, 20, QS_ALLINPUT);
            if (woke == WAIT_OBJECT_0) return true;
            pumpMessages();
        }
        return false;
    }
    bool showedWindow() const { return showedWindow_; }

    DWORD exitCode() const {
        DWORD code = 12345;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    bool started_ = false;
    bool showedWindow_ = false;
    PROCESS_INFORMATION process_{};
};

// Cancels a selection window of another process, as its Cancel button does.
void cancel(HWND selection) { PostMessageW(selection, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); }

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
        // A printer of the series, so that the program shows its selection.
        ASSERT_TRUE(printers.add(
            {RegistryPrinters::uniqueName(L"ZEL 単一起動"), L"ZEL Vextora Alto", 0, std::nullopt}));
        program = windowsPathOf(widen(VX_TOOL_EXE));
        ASSERT_TRUE(std::filesystem::exists(program)) << VX_TOOL_EXE;
        renamed = directory.path() / (L"VXDrvFontTool-" + processTag() + L".exe");
        ASSERT_TRUE(CopyFileW(program.c_str(), renamed.c_str(), FALSE));
    }

    RegistryPrinters printers;
    TemporaryDirectory directory;
    std::filesystem::path program;
    std::filesystem::path renamed;
};

TEST_F(SingleInstanceTest, ASecondStartEndsAtOnceAndARenamedCopyRuns) {
    ToolProcess first(program, L"");
    ASSERT_TRUE(first.started());
    HWND firstSelection = first.waitForSelection();
    ASSERT_NE(firstSelection, nullptr)
        << "the first copy showed no printer selection"
        << (first.running() ? "" : ", it ended with ") << (first.running() ? 0 : first.exitCode());

    ToolProcess second(program, L"");
    ASSERT_TRUE(second.started());
    EXPECT_TRUE(second.waitForEnd()) << "the second copy did not end";
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_FALSE(second.showedWindow());
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(firstSelection));

    // Another file name, another mutex: a second running copy.
    ToolProcess other(renamed, L"");
    HWND otherSelection = other.waitForSelection();
    ASSERT_NE(otherSelection, nullptr)
        << "the renamed copy did not run" << (other.running() ? "" : ", it ended with ")
        << (other.running() ? 0 : other.exitCode());
    EXPECT_TRUE(first.running());
    cancel(otherSelection);
    EXPECT_TRUE(other.waitForEnd());
    EXPECT_EQ(other.exitCode(), 0u);

    // Cancelling the first selection at start-up ends the program ...
    cancel(firstSelection);
    EXPECT_TRUE(first.waitForEnd());
    EXPECT_EQ(first.exitCode(), 0u);

    // ... and a new start is accepted at once.
    ToolProcess again(program, L"");
    HWND againSelection = again.waitForSelection();
    ASSERT_NE(againSelection, nullptr) << "a start after the first copy ended was refused";
    cancel(againSelection);
    EXPECT_TRUE(again.waitForEnd());
}

// This process takes the part of a running copy: it holds the program's
// mutex and shows the real main window.
class RunningCopyTest : public SingleInstanceTest {
protected:
    void SetUp() override {
        SingleInstanceTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(harness.open());
        main = harness.window->hwnd();
        // The program looks for its window by class and title only.
        ASSERT_EQ(FindWindowW(L"#32770", kMainTitle.c_str()), main)
            << "another process shows a main window of the tool: run these tests alone";
        mutex = CreateMutexW(nullptr, TRUE, L"VXDrvFontTool");
        ASSERT_NE(mutex, nullptr);
        ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS))
            << "another copy of the program is running";
    }
    void TearDown() override {
        if (mutex != nullptr) CloseHandle(mutex);
    }

    // Starts the program and expects it to end at once, silently.
    void startSecondCopy() {
        ToolProcess second(program, L"");
        ASSERT_TRUE(second.started());
        EXPECT_TRUE(second.waitForEnd()) << "the second copy did not end";
        EXPECT_EQ(second.exitCode(), 0u);
        EXPECT_FALSE(second.showedWindow());
        pumpMessages(harness.window.get());
    }

    FakeSpooler spooler;
    ShellHarness harness{spooler};
    HWND main = nullptr;
    HANDLE mutex = nullptr;
};

TEST_F(RunningCopyTest, ASecondStartRestoresTheMinimisedCopyAndBringsItToTheFront) {
    ShowWindow(main, SW_MINIMIZE);
    pumpMessages(harness.window.get());
    ASSERT_TRUE(IsIconic(main));
    startSecondCopy();
    EXPECT_FALSE(IsIconic(main)) << "the running copy was not restored";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_TRUE(harness.window->isOpen());
}

TEST_F(RunningCopyTest, ASecondStartBringsTheOpenCopyToTheFront) {
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    pumpMessages(harness.window.get());
    ASSERT_EQ(GetForegroundWindow(), other);
    startSecondCopy();
    EXPECT_EQ(GetForegroundWindow(), main) << "the running copy did not come to the front";
    EXPECT_FALSE(IsIconic(main));
    DestroyWindow(other);
}

TEST_F(SingleInstanceTest, ServerSwitchesEndAtOnceWithoutAWindow) {
    for (const wchar_t* arguments :
         {L"/RegServer", L"-unregserver", L"/Embedding", L"/Automation", L"-REGSERVER"}) {
        ToolProcess tool(program, arguments);
        ASSERT_TRUE(tool.started());
        EXPECT_TRUE(tool.waitForEnd()) << "still running with " << narrow(arguments);
        EXPECT_EQ(tool.exitCode(), 0u) << narrow(arguments);
        EXPECT_FALSE(tool.showedWindow()) << narrow(arguments);
    }
}

// The option for testing: with a folder the tool starts as usual; without
// one it says so and ends before anything else.
TEST_F(SingleInstanceTest, AHistoryOptionWithoutAFolderIsToldAndEndsTheProgram) {
    for (const wchar_t* arguments : {L"--history", L"--history \"\"", L"--history a --history b"}) {
        ToolProcess tool(program, arguments);
        ASSERT_TRUE(tool.started());
        HWND box = tool.waitForDialog(kToolCaption);
        ASSERT_NE(box, nullptr) << "no message with " << narrow(arguments);
        EXPECT_EQ(messageBoxText(box), widen(kHistoryOptionFaulty));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(tool.waitForEnd());
        EXPECT_EQ(tool.exitCode(), 1u);
    }
    ToolProcess tool(program, L"--history \"" + (directory.path() / L"履歴").wstring() + L"\"");
    HWND selection = tool.waitForSelection();
    EXPECT_NE(selection, nullptr) << "the tool did not start with a history folder";
    if (selection != nullptr) cancel(selection);
    EXPECT_TRUE(tool.waitForEnd());
    EXPECT_EQ(tool.exitCode(), 0u);
}

TEST_F(SingleInstanceTest, ARegistrationSwitchFollowedByMoreStartsTheToolNormally) {
    ToolProcess tool(program, L"/RegServer extra");
    HWND selection = tool.waitForSelection();
    EXPECT_NE(selection, nullptr) << "the tool did not start";
    if (selection != nullptr) cancel(selection);
    EXPECT_TRUE(tool.waitForEnd());
}

}  // namespace
}  // namespace vx::test
