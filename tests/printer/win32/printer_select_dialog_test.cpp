// The real printer selection window, driven in-process: its list, the
// first selection, OK, double-click, Enter, Esc, the close box, and the
// messages it shows (answered like a user would).
#include "printer/win32/printer_select_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/modal_script.h"

namespace vx {
namespace {

using test::ModalScript;

const std::wstring kSelectionCaption = L"プリンタの選択";
// The caption the tool gives the selection, and how its boxes show it.
const std::string kToolCaption = "内蔵フォント設定ツール";
const std::wstring kToolCaptionW = L"内蔵フォント設定ツール";
const std::wstring kNoPrinterText =
    L"利用可能なプリンタドライバがありません。\nツールを終了します。";
const std::wstring kNoSelectionText =
    L"プリンタドライバが選択されていません。\nプリンタドライバを選択してください。";

HWND list(HWND dialog) { return GetDlgItem(dialog, IDC_PRINTER_LIST); }

std::vector<std::wstring> listItems(HWND dialog) {
    std::vector<std::wstring> items;
    int count = static_cast<int>(SendMessageW(list(dialog), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[256] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = buffer;
        item.cchTextMax = 256;
        SendMessageW(list(dialog), LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        items.emplace_back(buffer);
    }
    return items;
}

int selectedIndex(HWND dialog) {
    return static_cast<int>(
        SendMessageW(list(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void selectItem(HWND dialog, int index) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
}

// A double-click at a point in the list's client area.
void doubleClickAt(HWND dialog, POINT point) {
    LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageW(list(dialog), WM_LBUTTONDBLCLK, MK_LBUTTON, position);
    PostMessageW(list(dialog), WM_LBUTTONUP, 0, position);
}

POINT itemCentre(HWND dialog, int index) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageW(list(dialog), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&bounds));
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

void pressKey(HWND dialog, WPARAM key) {
    HWND target = list(dialog);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

// Under Wine, windows need an X display.
bool canCreateWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}

// The printers of these tests: two of the series and others around them.
class PrinterSelectDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows())
            << "these tests show windows: run them with an X display (DISPLAY, e.g. Xvfb)";
        spooler.add("Front desk", "ZEL Vextora Basso")
            .add("Office laser", "Generic PCL Laser")
            .add("受付 ラベル",
                 "ZEL Vextora Alto \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE"
                 "L")
            .add("Jammed", "ZEL Vextora Corda", kPrinterStatusUserIntervention);
    }

    // Services that record instead of ending the process; message boxes
    // are the real ones.
    PrinterSelectionServices recordingEnd() {
        return {{}, [this](int status) { endStatuses.push_back(status); }, {}, kToolCaption};
    }

    FakeSpooler spooler;
    std::vector<int> endStatuses;
};

TEST_F(PrinterSelectDialogTest, ShowsTheSelectablePrintersUnderOneColumn) {
    PrinterSelectDialog dialog(spooler, recordingEnd());
    std::vector<std::wstring> items;
    std::wstring header;
    int width = 0;
    LRESULT extended = 0;
    int selected = -2;
    ModalScript script;
    script.onDialog(kSelectionCaption, [&](HWND window) {
        items = listItems(window);
        wchar_t buffer[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = buffer;
        column.cchTextMax = 64;
        SendMessageW(list(window), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        header = buffer;
        width = static_cast<int>(SendMessageW(list(window), LVM_GETCOLUMNWIDTH, 0, 0));
        extended = SendMessageW(list(window), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        selected = selectedIndex(window);
        test::click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.run(nullptr, ""), std::nullopt);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(items, (std::vector<std::wstring>{L"Front desk", L"受付 ラベル"}));
    EXPECT_EQ(header, L"プリンタドライバ名");
    EXPECT_EQ(width, 300);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(selected, -1);  // nothing selected the first time
    EXPECT_TRUE(endStatuses.empty());
}

TEST_F(PrinterSelectDialogTest, OkWithoutSelectionWarnsAndStaysOpen) {
    PrinterSelectDialog dialog(spooler, recordingEnd());
    std::wstring caption, message;
    std::vector<std::wstring> buttons;
    HICON icon = nullptr;
    ModalScript script;
    script.onDialog(kSelectionCaption, [](HWND window) { test::click(window, IDOK); })
        .onDialog(kToolCaptionW,
                  [&](HWND box) {
                      caption = test::text(box);
                      message = test::messageBoxText(box);
                      buttons = test::messageBoxButtons(box);
                      icon = test::messageBoxIcon(box);
                      test::click(box, IDOK);
                  })
        .onDialog(kSelectionCaption, [](HWND window) {
            selectItem(window, 1);
            test::click(window, IDOK);
        });
    EXPECT_EQ(dialog.run(nullptr, ""), "受付 ラベル");
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(caption, kToolCaptionW);
    EXPECT_EQ(message, kNoSelectionText);
    EXPECT_EQ(buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(icon, LoadIconW(nullptr, IDI_EXCLAMATION));
}

TEST_F(PrinterSelectDialogTest, SelectsTheCurrentPrinterWhenShownAgain) {
    PrinterSelectDialog dialog(spooler, recordingEnd());
    int selected = -2;
    ModalScript script;
    script.onDialog(kSelectionCaption, [&](HWND window) {
        selected = selectedIndex(window);
        test::click(window, IDOK);
    });
    EXPECT_EQ(dialog.run(nullptr, "受付 ラベル"), "受付 ラベル");
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(selected, 1);
}

TEST_F(PrinterSelectDialogTest, DoubleClickOnAnItemActsAsOk) {
    PrinterSelectDialog dialog(spooler, recordingEnd());
    ModalScript script;
    script.onDialog(kSelectionCaption,
                    [](HWND window) { doubleClickAt(window, itemCentre(window, 0)); });
    EXPECT_EQ(dialog.run(nullptr, ""), "Front desk");
    ASSERT_TRUE(script.finished());
}

TEST_F(PrinterSelectDialogTest, DoubleClickOnEmptySpaceDoesNothing) {
    PrinterSelectDialog dialog(spooler, recordingEnd());
    bool stillOpen = false;
    ModalScript script;
    script
        .onDialog(kSelectionCaption,
                  [](HWND window) {
                      RECT client{};
                      GetClientRect(list(window), &client);
                      POINT last = itemCentre(window, 1);
                      doubleClickAt(window, {last.x, client.bottom - 4});
                  })
        // No message box comes up; the selection is still there and ready.
        .when([] { return test::readyDialog(kSelectionCaption); },
              [&](HWND window) {
                  stillOpen = test::readyDialog(kToolCaptionW) == nullptr;
                  test::click(window, IDCANCEL);
              });
    EXPECT_EQ(dialog.run(nullptr, ""), std::nullopt);
    ASSERT_TRUE(script.finished());
    EXPECT_TRUE(stillOpen);
}

struct KeyCase {
    const char* description;
    std::function<void(HWND)> act;
    std::optional<std::string> expected;
};

TEST_F(PrinterSelectDialogTest, EnterIsOkAndEscAndTheCloseBoxCancel) {
    const std::vector<KeyCase> cases = {
        {"Enter", [](HWND w) { pressKey(w, VK_RETURN); }, "Front desk"},
        {"Esc", [](HWND w) { pressKey(w, VK_ESCAPE); }, std::nullopt},
        {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
        {"Cancel button", [](HWND w) { test::click(w, IDCANCEL); }, std::nullopt},
    };
    for (const KeyCase& c : cases) {
        PrinterSelectDialog dialog(spooler, recordingEnd());
        ModalScript script;
        script.onDialog(kSelectionCaption, [&](HWND window) {
            SetFocus(list(window));
            c.act(window);
        });
        EXPECT_EQ(dialog.run(nullptr, "Front desk"), c.expected) << c.description;
        EXPECT_TRUE(script.finished()) << c.description;
    }
}

TEST_F(PrinterSelectDialogTest, NoPrinterWarnsThenEndsWithStatus1) {
    FakeSpooler empty;
    empty.add("Office laser", "Generic PCL Laser");
    PrinterSelectDialog dialog(empty, recordingEnd());
    std::wstring message;
    ModalScript script;
    script.onDialog(kToolCaptionW, [&](HWND box) {
        message = test::messageBoxText(box);
        test::click(box, IDOK);
    });
    EXPECT_EQ(dialog.run(nullptr, ""), std::nullopt);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(message, kNoPrinterText);
    EXPECT_EQ(endStatuses, std::vector<int>{1});
}

// The same without a recorder: the real process ends with status 1. Runs
// only in a child process started by the next test (disabled otherwise).
TEST(PrinterSelectDialogProcessTest, DISABLED_ChildEndsTheProcess) {
    wchar_t flag[8] = {};
    if (GetEnvironmentVariableW(L"VX_PRINTER_DIALOG_CHILD", flag, 8) == 0) {
        GTEST_SKIP() << "runs only as the child of EndsTheProcessWithStatus1";
    }
    FakeSpooler empty;
    PrinterSelectionServices services;
    services.caption = kToolCaption;
    PrinterSelectDialog dialog(empty, services);
    ModalScript script;
    script.onDialog(kToolCaptionW, [](HWND box) { test::click(box, IDOK); });
    dialog.run(nullptr, "");
    ADD_FAILURE() << "the process did not end";
}

TEST(PrinterSelectDialogProcessTest, EndsTheProcessWithStatus1) {
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring command =
        L"\"" + std::wstring(self) +
        L"\" --gtest_also_run_disabled_tests"
        L" --gtest_filter=PrinterSelectDialogProcessTest.DISABLED_ChildEndsTheProcess";
    SetEnvironmentVariableW(L"VX_PRINTER_DIALOG_CHILD", L"1");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process);
    SetEnvironmentVariableW(L"VX_PRINTER_DIALOG_CHILD", nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 1u);
}

}  // namespace
}  // namespace vx
