// Start-up, binding and saving of the tool as the user sees them, against a
// bare dialog program started the same way in the same run.
//
//   startup_bench TOOL.exe BARE.exe PRINTER [RUNS]
//
// Each round starts the bare program and then the tool, and times from
// CreateProcess to a visible window with a list view, once it and its
// controls are painted (no update region left; the list must hold items).
// In the tool it then waits as a user would (kUserPauseMs), selects PRINTER
// and presses OK (bind: until the main window is shown and painted, which
// happens once the file is loaded and the page in front is filled), chooses
// Save and presses OK in "保存しますか？" (save: until "保存しました" is
// shown), then chooses the same printer again (rebind: OK until the main
// window is painted, the page in front filled again before it; the others
// are filled when they come to the front). The first round warms the caches
// and is not counted. Prints every round and then the medians. Figures only.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win32/remote_window.h"
#include "resources/resource.h"

namespace {

constexpr wchar_t kMainTitle[] = L"ZEL Vextora 内蔵フォント設定ツール";
constexpr wchar_t kConfirmSave[] = L"保存しますか？";
constexpr wchar_t kSaved[] = L"保存しました";
constexpr DWORD kTimeoutMs = 20000;
// Between the list showing and OK: no user reads the list and clicks sooner.
constexpr DWORD kUserPauseMs = 300;

struct Round {
    double bare = -1;
    double start = -1;
    double bind = -1;
    double save = -1;
    double rebind = -1;
};

double median(std::vector<double> values) {
    std::erase_if(values, [](double v) { return v < 0; });
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Starts a program; its process runs until the child's destructor ends it.
class Child {
public:
    explicit Child(const std::wstring& exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\"";
        started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_) != FALSE;
    }
    ~Child() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, kTimeoutMs);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return started_; }
    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// Starts a program and times it to its painted list; -1 when it fails or
// the list turns out empty (counted after the clock stopped).
double timeToList(Child& child, const vx::bench::Clock& clock, HWND* list) {
    if (!child.started()) return -1;
    *list = vx::bench::waitFor(kTimeoutMs, [&] { return vx::bench::paintedList(child.id()); });
    if (*list == nullptr) return -1;
    const double ms = clock.elapsedMs();
    return vx::bench::itemCount(*list) > 0 ? ms : -1;
}

Round measureRound(const std::wstring& tool, const std::wstring& bare,
                   const std::wstring& printer) {
    using namespace vx::bench;
    Round round;
    {
        Clock clock;
        Child child(bare);
        HWND list = nullptr;
        round.bare = timeToList(child, clock, &list);
    }
    Clock clock;
    Child child(tool);
    HWND list = nullptr;
    round.start = timeToList(child, clock, &list);
    if (round.start < 0) return round;
    Sleep(kUserPauseMs);
    if (!selectItem(child.handle(), list, printer)) return round;

    Clock bindClock;
    PostMessageW(GetParent(list), WM_COMMAND, IDOK, 0);
    HWND main = waitFor(kTimeoutMs, [&] { return paintedWindow(child.id(), kMainTitle); });
    if (main == nullptr) return round;
    round.bind = bindClock.elapsedMs();

    PostMessageW(main, WM_COMMAND, ID_FILE_SAVE, 0);
    HWND confirm = waitFor(kTimeoutMs, [&] { return windowShowing(child.id(), kConfirmSave); });
    if (confirm == nullptr) return round;
    Clock saveClock;
    PostMessageW(confirm, WM_COMMAND, IDOK, 0);
    HWND saved = waitFor(kTimeoutMs, [&] { return windowShowing(child.id(), kSaved); });
    if (saved == nullptr) return round;
    round.save = saveClock.elapsedMs();

    // The same printer chosen again: the page in front is filled again
    // before the window paints.
    PostMessageW(saved, WM_COMMAND, IDOK, 0);
    PostMessageW(main, WM_COMMAND, ID_FILE_CHOOSE_PRINTER, 0);
    list = waitFor(kTimeoutMs, [&] { return paintedList(child.id()); });
    if (list == nullptr || !selectItem(child.handle(), list, printer)) return round;
    const HWND selection = GetParent(list);
    Clock rebindClock;
    PostMessageW(selection, WM_COMMAND, IDOK, 0);
    if (waitFor(kTimeoutMs, [&] { return IsWindow(selection) ? nullptr : main; }) != nullptr &&
        waitFor(kTimeoutMs, [&] { return paintedWindow(child.id(), kMainTitle); }) != nullptr) {
        round.rebind = rebindClock.elapsedMs();
    }
    return round;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench TOOL.exe BARE.exe PRINTER [RUNS]\n");
        return 1;
    }
    const int runs = argc > 4 ? std::max(1, _wtoi(argv[4])) : 7;
    // A window of our own keeps Wine's desktop process running between the
    // rounds, as the desktop always runs on Windows; otherwise each program
    // could pay for starting it or not, by chance.
    HWND keeper = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  nullptr, nullptr);
    std::vector<double> bare, start, bind, save, rebind;
    std::printf("%-6s %10s %10s %7s %10s %10s %10s\n", "round", "bare ms", "tool ms", "ratio",
                "bind ms", "save ms", "rebind ms");
    for (int i = 0; i <= runs; ++i) {
        Round round = measureRound(argv[1], argv[2], argv[3]);
        std::printf("%-6s %10.1f %10.1f %7.2f %10.1f %10.1f %10.1f\n",
                    i == 0 ? "warm" : std::to_string(i).c_str(), round.bare, round.start,
                    round.bare > 0 ? round.start / round.bare : 0.0, round.bind, round.save,
                    round.rebind);
        std::fflush(stdout);
        if (i == 0) continue;
        bare.push_back(round.bare);
        start.push_back(round.start);
        bind.push_back(round.bind);
        save.push_back(round.save);
        rebind.push_back(round.rebind);
    }
    const double bareMedian = median(bare);
    const double startMedian = median(start);
    std::printf("%-6s %10.1f %10.1f %7.2f %10.1f %10.1f %10.1f\n", "median", bareMedian,
                startMedian, bareMedian > 0 ? startMedian / bareMedian : 0.0, median(bind),
                median(save), median(rebind));
    std::printf(
        "start = process start to the printer list painted (bare: to its list painted);\n"
        "bind = OK in the printer selection to the main window painted with the file;\n"
        "save = OK in \"保存しますか？\" to \"保存しました\";\n"
        "rebind = the same printer chosen again: OK to the main window painted, the page\n"
        "in front filled; -1 = did not happen.\n");
    if (keeper != nullptr) DestroyWindow(keeper);
    return 0;
}
