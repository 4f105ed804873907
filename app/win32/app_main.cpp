// The program's entry: one copy per user at a time, then the main window.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/command_line.h"
#include "app/win32/escape_report_win32.h"
#include "app/win32/main_window.h"
#include "app/win32/message_boxes_win32.h"
#include "app/win32/printer_glue.h"
#include "history/history_option.h"
#include "ui/win32/dialog.h"

namespace {

constexpr std::string_view kMainWindowTitle = "ZEL Vextora 内蔵フォント設定ツール";

// Brings the running copy's window to the front.
void activateRunningCopy() {
    HWND other = FindWindowW(L"#32770", vx::widen(kMainWindowTitle).c_str());
    if (other == nullptr) return;
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    SetForegroundWindow(other);
}

int runTool(const vx::HistoryFolderOption& history) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    // Created in one step, so two copies started together cannot both run.
    const std::wstring name = vx::widen(vx::applicationName(vx::narrow(vx::executablePath())));
    HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    if (mutex == nullptr) return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        activateRunningCopy();
        CloseHandle(mutex);
        return 0;
    }
    {
        vx::WinspoolSpooler spooler;
        // The printer list is read while the windows are created.
        vx::PrinterListPrefetch firstList(spooler);
        vx::SettingsStore store;
        vx::Win32Environment environment;
        vx::WindowPrinterChooser chooser(spooler, &firstList);
        vx::MainWindow window(store, spooler, chooser, vx::makeLocator(spooler, environment));
        chooser.setOwner(&window);
        if (history.folder) window.logic().setHistory(vx::historyInFolder(*history.folder));
        if (window.open()) window.runUntilClosed();
    }
    CloseHandle(mutex);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 0;
    vx::Dialog::setEscapeHandler(&vx::tellEscapedFailure);
    // The program registers and serves no objects: every server switch
    // ends it at once.
    int status = 0;
    try {
        const std::string commandLine = vx::narrow(GetCommandLineW());
        if (vx::parseStartupSwitch(commandLine) == vx::StartupSwitch::None) {
            const vx::HistoryFolderOption history = vx::historyFolderOption(commandLine);
            if (history.faulty) {
                vx::Win32MessageBoxes().show(vx::kHistoryOptionFaulty, vx::MessageButtons::Ok,
                                             vx::MessageIcon::Exclamation);
                status = 1;
            } else {
                status = runTool(history);
            }
        }
    } catch (const std::exception& escaped) {
        // Before the window runs or after it ended: told, then the end.
        vx::tellEscapedFailure(nullptr, escaped);
        status = 1;
    }
    CoUninitialize();
    return status;
}
