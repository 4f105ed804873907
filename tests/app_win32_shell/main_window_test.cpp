// The real main window, opened in-process and driven like a user would:
// commands, keys through the window's own message filter, tabs, closing,
// the help item and the version box. Message boxes are the real ones,
// answered from a timer.
#include <windows.h>
// The common controls and the help viewer need <windows.h> before them.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/ini_document.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

const std::wstring kConfirmSave = L"保存しますか？";
const std::wstring kSaved = L"保存しました";
const std::wstring kConfirmExit =
    L"内蔵フォント設定ツールを終了する前に、設定ファイルへ保存しますか？";
const std::wstring kVersionCaption = L"バージョン情報";
const std::string kStaleLine = "StaleKey=left by hand\r\n";

std::filesystem::path helpFileBesideThisProgram() {
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    return std::filesystem::path(self).parent_path() / L"VXDrvFontTool.chm";
}

std::vector<std::wstring> texts(const std::vector<HWND>& windows) {
    std::vector<std::wstring> result;
    for (HWND window : windows) result.push_back(text(window));
    return result;
}

// Records the key-down, character and command messages that reach a window.
class MessageSpy {
public:
    explicit MessageSpy(HWND control) : control_(control) {
        SetWindowSubclass(control_, &MessageSpy::procedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~MessageSpy() { RemoveWindowSubclass(control_, &MessageSpy::procedure, 1); }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    // "down 72", "char 8", "command 2", ... in the order they came.
    std::vector<std::string> seen;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
        auto* spy = reinterpret_cast<MessageSpy*>(self);
        if (message == WM_KEYDOWN) spy->seen.push_back("down " + std::to_string(wParam));
        if (message == WM_CHAR) spy->seen.push_back("char " + std::to_string(wParam));
        if (message == WM_COMMAND) spy->seen.push_back("command " + std::to_string(LOWORD(wParam)));
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND control_;
};

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows())
            << "these tests show windows: run them with an X display (DISPLAY, e.g. Xvfb)";
        DeleteFileW(helpFileBesideThisProgram().c_str());  // only one test puts it there
        ASSERT_TRUE(harness.open());
        ASSERT_TRUE(window().isOpen());
        hwnd = window().hwnd();
    }

    void TearDown() override {
        setControlKey(false);
        harness.window.reset();
        pumpMessages();
    }

    MainWindow& window() { return *harness.window; }
    HWND tab() const { return GetDlgItem(hwnd, IDC_MAIN_TAB); }
    int selectedTab() const { return static_cast<int>(SendMessageW(tab(), TCM_GETCURSEL, 0, 0)); }

    // Which of the three pages are visible, e.g. {false, true, false}.
    std::vector<bool> visiblePages() {
        std::vector<bool> visible;
        for (PageKind page : {PageKind::Barcode, PageKind::Code2D, PageKind::CharacterFont}) {
            visible.push_back(IsWindowVisible(window().pageWindow(page)) != 0);
        }
        return visible;
    }

    void command(int id) { SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // The thread's keyboard state as the accelerators read it.
    static void setControlKey(bool down) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = state[VK_LCONTROL] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }

    // A key pressed and released while `target` has the focus, through the
    // thread's queue and the window's own message filter, with or without
    // Ctrl held.
    void press(HWND target, WPARAM key, bool control) {
        setControlKey(control);
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0)) << 16;
        PostMessageW(target, WM_KEYDOWN, key, scan | 1);
        pumpMessages(&window());
        PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
        pumpMessages(&window());
        setControlKey(false);
    }

    // An enabled edit field of the character page, holding "123", with the
    // focus in it and the caret at its end.
    HWND focusedEditOnCharacterPage() {
        command(ID_SHOW_PAGE_FONT);
        HWND page = window().pageWindow(PageKind::CharacterFont);
        HWND edit = nullptr;
        for (HWND candidate : children(page, L"Edit")) {
            if (IsWindowVisible(candidate) && IsWindowEnabled(candidate) &&
                GetParent(candidate) == page) {
                edit = candidate;
                break;
            }
        }
        if (edit == nullptr) return nullptr;
        SetWindowTextW(edit, L"123");
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 3, 3);
        return edit;
    }

    // Counts every message box of the tool that shows up, answering it with
    // the given button.
    void countBoxes(ModalScript& script, int& count, int answer = IDCANCEL) {
        for (int i = 0; i < 3; ++i) {
            script.onDialog(kToolCaption, [&count, answer](HWND box) {
                ++count;
                click(box, answer);
            });
        }
    }

    FakeSpooler spooler;
    ShellHarness harness{spooler};
    HWND hwnd = nullptr;
};

TEST_F(MainWindowTest, OpensBoundToTheChosenPrinterWithThreeTabs) {
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(text(hwnd), kMainTitle);
    EXPECT_EQ(harness.chooser.currentNames, std::vector<std::string>{""});
    EXPECT_EQ(harness.locatedNames, std::vector<std::string>{"Label printer"});

    ASSERT_EQ(SendMessageW(tab(), TCM_GETITEMCOUNT, 0, 0), 3);
    std::vector<std::wstring> tabTexts;
    for (int n = 0; n < 3; ++n) {
        wchar_t buffer[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(tab(), TCM_GETITEMW, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
        tabTexts.emplace_back(buffer);
        EXPECT_EQ(item.iImage, n);
    }
    EXPECT_EQ(tabTexts, (std::vector<std::wstring>{L"内蔵１次元コード", L"内蔵２次元コード",
                                                   L"内蔵フォント　　"}));
    EXPECT_EQ(selectedTab(), 0);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{true, false, false}));
}

TEST_F(MainWindowTest, TheMenuBarCarriesItsItemsWithTheirBitmaps) {
    HMENU menu = GetMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    auto itemText = [menu](UINT id) {
        wchar_t buffer[128] = {};
        GetMenuStringW(menu, id, buffer, 128, MF_BYCOMMAND);
        return std::wstring(buffer);
    };
    EXPECT_EQ(itemText(ID_FILE_SAVE), L"設定の保存(&S)...\tCtrl+S");
    EXPECT_EQ(itemText(ID_FILE_CHOOSE_PRINTER), L"プリンタドライバの選択(&C)...\tCtrl+C");
    EXPECT_EQ(itemText(ID_FILE_EXIT), L"終了(&X)\tAlt+F4");
    EXPECT_EQ(itemText(ID_SHOW_PAGE_BARCODE), L"内蔵１次元コード(&P)\tCtrl+P");
    EXPECT_EQ(itemText(ID_SHOW_PAGE_CODE2D), L"内蔵２次元コード(&Q)\tCtrl+Q");
    EXPECT_EQ(itemText(ID_SHOW_PAGE_FONT), L"内蔵フォント(&K)\tCtrl+K");
    EXPECT_EQ(itemText(ID_HELP_ABOUT), L"バージョン情報(&A)...");
    EXPECT_EQ(itemText(ID_HELP_CONTENTS), L"ヘルプ(F1)");
    for (UINT id : {ID_FILE_SAVE, ID_FILE_CHOOSE_PRINTER, ID_SHOW_PAGE_BARCODE, ID_SHOW_PAGE_CODE2D,
                    ID_SHOW_PAGE_FONT}) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        ASSERT_TRUE(GetMenuItemInfoW(menu, id, FALSE, &item)) << id;
        EXPECT_NE(item.hbmpItem, nullptr) << "no bitmap beside command " << id;
    }
}

TEST_F(MainWindowTest, TheToolbarButtonsHaveTheirTooltips) {
    auto tooltip = [this](UINT_PTR id) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = GetDlgItem(hwnd, IDC_MAIN_TOOLBAR);
        info.hdr.idFrom = id;
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(hwnd, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
        return std::wstring(info.lpszText != nullptr ? info.lpszText : L"");
    };
    EXPECT_EQ(tooltip(ID_TOOLBAR_SAVE), L"設定値の保存");
    EXPECT_EQ(tooltip(ID_TOOLBAR_CHOOSE_PRINTER), L"プリンタドライバの選択");
}

// The window adjusts its system menu when its size changes (the system sets
// the same states itself whenever that menu opens).
TEST_F(MainWindowTest, AfterASizeChangeTheSystemMenuOffersNeitherSizeNorMaximize) {
    HMENU system = GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(system, nullptr);
    auto greyed = [system](UINT command) {
        return (GetMenuState(system, command, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    ShowWindow(hwnd, SW_MINIMIZE);
    pumpMessages(&window());
    ASSERT_TRUE(IsIconic(hwnd));
    EXPECT_TRUE(greyed(SC_SIZE));
    EXPECT_TRUE(greyed(SC_MAXIMIZE));
    EXPECT_FALSE(greyed(SC_RESTORE));
    EXPECT_TRUE(greyed(SC_MINIMIZE));

    ShowWindow(hwnd, SW_RESTORE);
    pumpMessages(&window());
    ASSERT_FALSE(IsIconic(hwnd));
    EXPECT_TRUE(greyed(SC_SIZE));
    EXPECT_TRUE(greyed(SC_MAXIMIZE));
    EXPECT_TRUE(greyed(SC_RESTORE));
    EXPECT_FALSE(greyed(SC_MINIMIZE));
}

TEST_F(MainWindowTest, StatusBarNamesThePrinterInItsFirstPartEndingAtThreeFifths) {
    HWND status = GetDlgItem(hwnd, IDC_MAIN_STATUSBAR);
    ASSERT_NE(status, nullptr);
    RECT bounds{};
    GetClientRect(status, &bounds);
    const int width = bounds.right - bounds.left;
    int parts[4] = {};
    ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 2);
    EXPECT_GT(width, 300);
    EXPECT_EQ(parts[0], width / 5 * 3);
    EXPECT_EQ(parts[1], -1);

    wchar_t first[128] = {};
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(std::wstring(first), L"プリンタドライバ名： Label printer");
}

TEST_F(MainWindowTest, SaveAnsweredOkRewritesTheFile) {
    // A key the store does not know: rewriting the section drops it.
    std::string onDisk = readBytes(harness.driverFontFile);
    const std::size_t section = onDisk.find("Version=2");
    ASSERT_NE(section, std::string::npos);
    const std::size_t fontSection = onDisk.find('[', section);
    onDisk.insert(onDisk.find('\n', fontSection) + 1, kStaleLine);
    writeBytes(harness.driverFontFile, onDisk);
    // The window loads the file as it now is (a file changed behind its back
    // would be asked about before it is overwritten).
    harness.chooser.answers.push_back("Label printer");
    command(ID_FILE_CHOOSE_PRINTER);
    pumpMessages(&window());

    std::wstring question, report;
    std::vector<std::wstring> buttons;
    HICON icon = reinterpret_cast<HICON>(1);
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            buttons = messageBoxButtons(box);
            icon = messageBoxIcon(box);
            click(box, IDOK);
        });
        script.onDialog(kToolCaption, [&](HWND box) {
            report = messageBoxText(box);
            click(box, IDOK);
        });
        command(ID_FILE_SAVE);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(question, kConfirmSave);
    EXPECT_EQ(buttons.size(), 2u);
    EXPECT_EQ(icon, nullptr);
    EXPECT_EQ(report, kSaved);
    const std::string after = readBytes(harness.driverFontFile);
    EXPECT_EQ(after.find("StaleKey"), std::string::npos) << "the file was not rewritten";
    EXPECT_NE(after.find("Version=2"), std::string::npos);
    EXPECT_TRUE(window().isOpen());
}

TEST_F(MainWindowTest, SaveCancelledLeavesTheFileUntouched) {
    std::string onDisk = readBytes(harness.driverFontFile) + "[Untouched]\r\n" + kStaleLine;
    writeBytes(harness.driverFontFile, onDisk);
    int boxes = 0;
    std::wstring question;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            click(box, IDCANCEL);
        });
        countBoxes(script, boxes);
        command(ID_TOOLBAR_SAVE);  // the toolbar button: the same command
        pumpMessages(&window());
    }
    EXPECT_EQ(question, kConfirmSave);
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(readBytes(harness.driverFontFile), onDisk);
}

TEST_F(MainWindowTest, CtrlCInAFocusedEditOpensThePrinterSelectionInstead) {
    HWND edit = focusedEditOnCharacterPage();
    ASSERT_NE(edit, nullptr) << "the character page shows no enabled edit field";
    ASSERT_EQ(GetFocus(), edit);
    MessageSpy spy(edit);
    harness.chooser.answers.push_back(std::nullopt);  // the user cancels
    press(edit, 'C', true);
    EXPECT_EQ(harness.chooser.currentNames, (std::vector<std::string>{"", "Label printer"}));
    EXPECT_EQ(spy.seen, std::vector<std::string>{}) << "Ctrl+C reached the edit";
    EXPECT_TRUE(window().isOpen()) << "a later cancel keeps the tool open";
    EXPECT_EQ(text(edit), L"123");
}

TEST_F(MainWindowTest, CtrlSInAFocusedEditAsksToSave) {
    HWND edit = focusedEditOnCharacterPage();
    ASSERT_NE(edit, nullptr) << "the character page shows no enabled edit field";
    MessageSpy spy(edit);
    std::wstring question;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            click(box, IDCANCEL);
        });
        press(edit, 'S', true);
    }
    EXPECT_EQ(question, kConfirmSave);
    EXPECT_EQ(spy.seen, std::vector<std::string>{}) << "Ctrl+S reached the edit";
}

// A number typed and saved at once, before its field loses the focus, is
// written checked: the pages check every number when they store.
TEST_F(MainWindowTest, ANumberSavedBeforeItsFieldIsLeftIsWrittenWithinItsRange) {
    command(ID_SHOW_PAGE_BARCODE);
    HWND edit = GetDlgItem(window().pageWindow(PageKind::Barcode), IDC_BC_NARROW_BAR);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(IsWindowEnabled(edit)) << "the first barcode font's type uses no bar widths";
    SetWindowTextW(edit, L"200");
    SetFocus(edit);
    std::wstring report;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [](HWND box) { click(box, IDOK); });
        script.onDialog(kToolCaption, [&](HWND box) {
            report = messageBoxText(box);
            click(box, IDOK);
        });
        press(edit, 'S', true);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(report, kSaved);
    const IniDocument saved(readBytes(harness.driverFontFile));
    EXPECT_EQ(saved.read(cp932("ZELバーコード01"), "XBpf1pf2", ""), "99");
    EXPECT_EQ(text(edit), L"99");
}

TEST_F(MainWindowTest, CtrlHReachesNeitherTheEditNorAnythingElse) {
    HWND edit = focusedEditOnCharacterPage();
    ASSERT_NE(edit, nullptr) << "the character page shows no enabled edit field";
    MessageSpy spy(edit);
    // The way a key reaches the edit: a plain Backspace deletes a digit.
    press(edit, VK_BACK, false);
    ASSERT_EQ(spy.seen, (std::vector<std::string>{"down 8", "char 8"}))
        << "keys do not reach the edit in this harness";
    ASSERT_EQ(text(edit), L"12");
    spy.seen.clear();

    int boxes = 0;
    {
        ModalScript script;
        countBoxes(script, boxes);
        press(edit, 'H', true);
    }
    EXPECT_EQ(spy.seen, std::vector<std::string>{}) << "Ctrl+H reached the edit";
    EXPECT_EQ(text(edit), L"12");
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(harness.chooser.currentNames.size(), 1u);
    EXPECT_EQ(selectedTab(), 2);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(window().isOpen());
}

TEST_F(MainWindowTest, CtrlPQAndKSelectTheirTabAndShowItsPage) {
    struct Case {
        WPARAM key;
        int page;
    };
    for (Case c : {Case{'K', 2}, Case{'Q', 1}, Case{'P', 0}, Case{'Q', 1}}) {
        press(GetFocus() != nullptr ? GetFocus() : hwnd, c.key, true);
        EXPECT_EQ(selectedTab(), c.page) << char(c.key);
        std::vector<bool> expected(3, false);
        expected[static_cast<std::size_t>(c.page)] = true;
        EXPECT_EQ(visiblePages(), expected) << char(c.key);
        EXPECT_TRUE(IsChild(window().pageWindow(static_cast<PageKind>(c.page)), GetFocus()))
            << char(c.key);
    }
}

TEST_F(MainWindowTest, AShortcutLeavesTheFocusOnTheTabsWhenItIsThere) {
    SetFocus(tab());
    press(tab(), 'Q', true);
    EXPECT_EQ(selectedTab(), 1);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(GetFocus(), tab());
}

TEST_F(MainWindowTest, MenuCommandsSelectPagesToo) {
    command(ID_SHOW_PAGE_FONT);
    EXPECT_EQ(selectedTab(), 2);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{false, false, true}));
    command(ID_SHOW_PAGE_BARCODE);
    EXPECT_EQ(selectedTab(), 0);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{true, false, false}));
}

TEST_F(MainWindowTest, ClickingATabShowsItsPage) {
    RECT item{};
    SendMessageW(tab(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(tab(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tab(), WM_LBUTTONUP, 0, at);
    pumpMessages(&window());
    EXPECT_EQ(selectedTab(), 1);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{false, true, false}));
}

TEST_F(MainWindowTest, ChangingTabsWithTheKeyboardKeepsTheFocusOnTheTabs) {
    SetFocus(tab());
    press(tab(), VK_RIGHT, false);
    EXPECT_EQ(selectedTab(), 1);
    EXPECT_EQ(visiblePages(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(GetFocus(), tab());
}

TEST_F(MainWindowTest, EscAndEnterDoNothing) {
    HWND edit = focusedEditOnCharacterPage();
    ASSERT_NE(edit, nullptr) << "the character page shows no enabled edit field";
    MessageSpy spy(hwnd);
    int boxes = 0;
    {
        ModalScript script;
        countBoxes(script, boxes);
        press(edit, VK_ESCAPE, false);
        press(edit, VK_RETURN, false);
        press(tab(), VK_ESCAPE, false);
    }
    // The keys did arrive, as the dialog's Cancel and OK.
    EXPECT_EQ(spy.seen, (std::vector<std::string>{"command 2", "command 1", "command 2"}));
    EXPECT_EQ(boxes, 0);
    EXPECT_TRUE(window().isOpen());
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(MainWindowTest, APlainCloseMessageIsIgnored) {
    int boxes = 0;
    {
        ModalScript script;
        countBoxes(script, boxes);
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        pumpMessages(&window());
    }
    EXPECT_EQ(boxes, 0);
    EXPECT_TRUE(window().isOpen());
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(MainWindowTest, TheCloseSystemCommandAsksFirstAndCancelKeepsTheToolOpen) {
    std::wstring question;
    std::vector<std::wstring> buttons;
    HICON icon = nullptr;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            buttons = messageBoxButtons(box);
            icon = messageBoxIcon(box);
            click(box, IDCANCEL);
        });
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(question, kConfirmExit);
    EXPECT_EQ(buttons.size(), 3u);
    EXPECT_EQ(icon, LoadIconW(nullptr, IDI_EXCLAMATION));
    EXPECT_TRUE(window().isOpen());
}

TEST_F(MainWindowTest, AltF4AnsweredNoClosesWithoutSaving) {
    const std::string before = readBytes(harness.driverFontFile);
    std::wstring question;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            click(box, IDNO);
        });
        const LPARAM alt = LPARAM{1} << 29;
        PostMessageW(tab(), WM_SYSKEYDOWN, VK_F4, alt | 1);
        pumpMessages(&window());
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(question, kConfirmExit);
    EXPECT_FALSE(window().isOpen());
    EXPECT_EQ(readBytes(harness.driverFontFile), before);
}

TEST_F(MainWindowTest, ExitAnsweredYesThenCancelClosesWithoutSaving) {
    const std::string before = readBytes(harness.driverFontFile) + kStaleLine;
    writeBytes(harness.driverFontFile, before);
    std::vector<std::wstring> questions;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [&](HWND box) {
            questions.push_back(messageBoxText(box));
            click(box, IDYES);
        });
        script.onDialog(kToolCaption, [&](HWND box) {
            questions.push_back(messageBoxText(box));
            click(box, IDCANCEL);
        });
        command(ID_FILE_EXIT);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(questions, (std::vector<std::wstring>{kConfirmExit, kConfirmSave}));
    EXPECT_FALSE(window().isOpen());
    EXPECT_EQ(readBytes(harness.driverFontFile), before);
}

TEST_F(MainWindowTest, WhenSavingFailsOnTheWayOutTheWindowStaysOpen) {
    ASSERT_TRUE(DeleteFileW(harness.driverFontFile.c_str()));
    std::vector<std::wstring> boxes;
    {
        ModalScript script;
        for (int answer : {IDYES, IDOK, IDOK}) {
            script.onDialog(kToolCaption, [&boxes, answer](HWND box) {
                boxes.push_back(messageBoxText(box));
                click(box, answer);
            });
        }
        command(ID_FILE_EXIT);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(boxes,
              (std::vector<std::wstring>{kConfirmExit, kConfirmSave, L"保存できませんでした"}));
    EXPECT_TRUE(window().isOpen()) << "the user's edits would be lost";
    EXPECT_FALSE(std::filesystem::exists(harness.driverFontFile)) << "saving created a file";
}

TEST_F(MainWindowTest, ChoosingAnotherPrinterRebindsTheWindow) {
    harness.chooser.answers = {"Second printer", std::nullopt};
    command(ID_FILE_CHOOSE_PRINTER);
    EXPECT_EQ(harness.locatedNames, (std::vector<std::string>{"Label printer", "Second printer"}));
    wchar_t first[128] = {};
    SendMessageW(GetDlgItem(hwnd, IDC_MAIN_STATUSBAR), SB_GETTEXTW, 0,
                 reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(std::wstring(first), L"プリンタドライバ名： Second printer");
    // The toolbar button runs the same selection, which now pre-selects the
    // new printer; cancelling it changes nothing.
    command(ID_TOOLBAR_CHOOSE_PRINTER);
    EXPECT_EQ(harness.chooser.currentNames,
              (std::vector<std::string>{"", "Label printer", "Second printer"}));
    EXPECT_TRUE(window().isOpen());
}

// An edit typed on a page, then another printer chosen: the window asks
// first. キャンセル keeps the binding and the edit, いいえ discards it, はい
// saves it before the binding (both printers here share one file, so the
// saved value comes back).
TEST_F(MainWindowTest, AnotherPrinterAfterAnEditAsksFirst) {
    const std::wstring question =
        L"設定が変更されています。\n"
        L"プリンタドライバを切り替える前に、変更を設定ファイルへ保存しますか？";
    struct Case {
        int answer;
        std::vector<std::string> located;  // after the choice
        bool keepsTheEdit;
        bool saves;
    };
    const Case cases[] = {
        {IDCANCEL, {"Label printer"}, true, false},
        {IDNO, {"Label printer", "Second printer"}, false, false},
        {IDYES, {"Label printer", "Second printer"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        harness.locatedNames = {"Label printer"};
        const std::string before = readBytes(harness.driverFontFile);
        HWND edit = focusedEditOnCharacterPage();
        ASSERT_NE(edit, nullptr);
        const int control = GetDlgCtrlID(edit);
        std::wstring asked;
        std::vector<std::wstring> buttons;
        std::vector<std::wstring> reports;
        {
            ModalScript script;
            script.onDialog(kToolCaption, [&](HWND box) {
                asked = messageBoxText(box);
                buttons = messageBoxButtons(box);
                click(box, c.answer);
            });
            if (c.saves) {
                script.onDialog(kToolCaption, [&](HWND box) {
                    reports.push_back(messageBoxText(box));
                    click(box, IDOK);
                });
            }
            harness.chooser.answers = {"Second printer"};
            command(ID_FILE_CHOOSE_PRINTER);
            pumpMessages(&window());
            EXPECT_TRUE(script.finished());
        }
        EXPECT_EQ(asked.rfind(question, 0), 0u) << "asked: " << narrow(asked);
        EXPECT_EQ(buttons.size(), 3u);
        EXPECT_EQ(harness.locatedNames, c.located);
        const HWND shown = GetDlgItem(window().pageWindow(PageKind::CharacterFont), control);
        EXPECT_EQ(text(shown) == L"123", c.keepsTheEdit) << narrow(text(shown));
        EXPECT_EQ(readBytes(harness.driverFontFile) != before, c.saves);
        if (c.saves) {
            EXPECT_EQ(reports, std::vector<std::wstring>{kSaved});
        }
        EXPECT_TRUE(window().isOpen());
        if (c.keepsTheEdit && !c.saves) {
            // The edit stays unsaved: the next choice would ask again. It
            // goes with いいえ for the next case.
            ModalScript script;
            script.onDialog(kToolCaption, [](HWND box) { click(box, IDNO); });
            harness.chooser.answers = {"Label printer"};
            command(ID_FILE_CHOOSE_PRINTER);
            pumpMessages(&window());
            EXPECT_TRUE(script.finished()) << "asked again";
        }
    }
}

TEST(MainWindowStartTest, CancellingTheFirstSelectionNeverShowsTheWindow) {
    ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
    FakeSpooler spooler;
    ShellHarness harness(spooler);
    harness.chooser.answers = {std::nullopt};
    EXPECT_FALSE(harness.open());
    EXPECT_TRUE(harness.locatedNames.empty());
    EXPECT_FALSE(harness.window->isOpen());
    EXPECT_FALSE(IsWindowVisible(harness.window->hwnd()));
}

TEST_F(MainWindowTest, HelpIsGreyedWithoutAHelpFileBesideTheProgram) {
    const UINT state = GetMenuState(GetMenu(hwnd), ID_HELP_CONTENTS, MF_BYCOMMAND);
    ASSERT_NE(state, static_cast<UINT>(-1)) << "no help item in the menu";
    EXPECT_TRUE(state & MF_GRAYED);
    // The other items stay usable.
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), ID_HELP_ABOUT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), ID_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
}

// The program with a help file beside it: the real one, or one that is not
// a help file at all.
class MainWindowHelpTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
    }
    void TearDown() override {
        harness.window.reset();
        HtmlHelpW(nullptr, nullptr, HH_CLOSE_ALL, 0);
        pumpMessages();
        DeleteFileW(helpFileBesideThisProgram().c_str());
    }

    void openWith(const std::string& helpBytes) {
        writeBytes(helpFileBesideThisProgram(), helpBytes);
        ASSERT_TRUE(harness.open());
        hwnd = harness.window->hwnd();
    }

    // Presses F1 in the window; returns the texts of the boxes it showed.
    std::vector<std::wstring> pressF1() {
        std::vector<std::wstring> boxes;
        ModalScript script(std::chrono::seconds(10));
        script.onDialog(kToolCaption, [&](HWND box) {
            boxes.push_back(messageBoxText(box));
            click(box, IDOK);
        });
        PostMessageW(GetDlgItem(hwnd, IDC_MAIN_TAB), WM_KEYDOWN, VK_F1, 1);
        pumpMessages(harness.window.get());
        return boxes;
    }

    FakeSpooler spooler;
    ShellHarness harness{spooler};
    HWND hwnd = nullptr;
};

// A top-level window of this thread with this class.
HWND threadWindowOfClass(const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, s->className) != 0) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(MainWindowHelpTest, WithTheHelpFileTheItemIsEnabledAndF1OpensTheViewer) {
    const std::string help = readBytes(VX_HELP_FILE);
    ASSERT_FALSE(help.empty()) << "the build puts the help file at " << VX_HELP_FILE;
    openWith(help);
    const UINT state = GetMenuState(GetMenu(hwnd), ID_HELP_CONTENTS, MF_BYCOMMAND);
    ASSERT_NE(state, static_cast<UINT>(-1));
    EXPECT_FALSE(state & MF_GRAYED);

    EXPECT_EQ(pressF1(), std::vector<std::wstring>{});
    EXPECT_NE(threadWindowOfClass(L"HH Parent"), nullptr) << "no help viewer window";
}

TEST_F(MainWindowHelpTest, AHelpFileTheViewerCannotShowGivesAMessage) {
    openWith("not a help file");
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), ID_HELP_CONTENTS, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(pressF1(), std::vector<std::wstring>{L"ヘルプファイルが見つかりません。"});
    EXPECT_TRUE(harness.window->isOpen());
}

TEST_F(MainWindowTest, TheVersionBoxShowsItsTexts) {
    std::vector<std::wstring> statics;
    {
        ModalScript script;
        script.onDialog(kVersionCaption, [&](HWND box) {
            statics = texts(children(box, L"Static"));
            click(box, IDOK);
        });
        command(ID_HELP_ABOUT);
        EXPECT_TRUE(script.finished());
    }
    auto has = [&](const std::wstring& wanted) {
        for (const std::wstring& s : statics) {
            if (s == wanted) return true;
        }
        return false;
    };
    EXPECT_TRUE(has(L"ZEL Vextora シリーズ"));
    EXPECT_TRUE(has(L"内蔵フォント設定ツール"));
    // Major and minor only: "Version 4.0" for 4.0.x.
    EXPECT_TRUE(has(std::wstring(L"Version ") + VX_MAJOR_MINOR_VERSION_W));
    EXPECT_TRUE(window().isOpen());
}

}  // namespace
}  // namespace vx::test
