// The pages right after the binding, before the window has had any idle
// moment in which to make the rest of itself: a page comes to the front
// only whole and showing its record, however it is chosen, and keys typed
// at once reach it in their order.
#include <windows.h>
// The common controls need <windows.h> before them.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/printer/fake_spooler.h"
#include "resources/resource.h"
#include "settings/codepage.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/win32/modal_script.h"
#include "ui/win32/dialog_template.h"

namespace vx::test {
namespace {

// The first font of each family with an origin of its own.
const std::string kDriverFontFile = cp932(
    "[DVF]\r\nVersion=2\r\n"
    "[ZELバーコード01]\r\nFontType=101\r\nXBpb1pb2pb3pb4=0345\r\n"
    "[ZEL2次元コード01]\r\nFontType=201\r\nXBpb1pb2pb3pb4=0456\r\n"
    "[ZEL文字フォント01]\r\nFontType=3\r\nPCpb1pb2pb3pb4=0567\r\n");

struct PageFacts {
    PageKind kind;
    const char* name;
    int templateId;
    int command;  // the menu item
    WPARAM key;   // with Ctrl
    int originX;  // the edit of 基点X座標
    const wchar_t* origin;
};
const PageFacts kPages[] = {
    {PageKind::Barcode, "1D", IDD_PAGE_BARCODE, ID_SHOW_PAGE_BARCODE, 'P', IDC_BC_ORIGIN_X, L"345"},
    {PageKind::Code2D, "2D", IDD_PAGE_CODE2D, ID_SHOW_PAGE_CODE2D, 'Q', IDC_CODE2D_ORIGIN_X,
     L"456"},
    {PageKind::CharacterFont, "font", IDD_PAGE_FONT, ID_SHOW_PAGE_FONT, 'K', IDC_FONT_ORIGIN_X,
     L"567"},
};

void clickTab(MainWindow& window, int tab) {
    HWND tabs = GetDlgItem(window.hwnd(), IDC_MAIN_TAB);
    RECT item{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
    pumpMessages(&window);
}

struct Way {
    const char* name;
    void (*choose)(MainWindow& window, const PageFacts& page);
};
const Way kWays[] = {
    {"menu",
     [](MainWindow& window, const PageFacts& page) {
         SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(page.command, 0), 0);
     }},
    {"shortcut",
     [](MainWindow& window, const PageFacts& page) {
         typeAhead({{page.key, true}});
         pumpMessages(&window);
     }},
    {"tab", [](MainWindow& window,
               const PageFacts& page) { clickTab(window, static_cast<int>(page.kind)); }},
    {"logic",
     [](MainWindow& window, const PageFacts& page) { window.logic().selectPage(page.kind); }},
};

std::vector<HWND> controlsOf(HWND page) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    return controls;
}

class PageStagingTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
    }
    void TearDown() override { close(); }

    // A window bound to the printer of kDriverFontFile that has handled
    // nothing since; the one before it closed.
    MainWindow& justBound() {
        close();
        harness = std::make_unique<ShellHarness>(spooler);
        writeBytes(harness->driverFontFile, kDriverFontFile);
        EXPECT_TRUE(harness->openOnly());
        return *harness->window;
    }
    void close() {
        harness.reset();
        pumpMessages();
    }
    HWND page(PageKind kind) const { return harness->window->pageWindow(kind); }

    FakeSpooler spooler;
    std::unique_ptr<ShellHarness> harness;
};

TEST_F(PageStagingTest, EachWayOfChoosingAPageShowsItWholeAndShowingItsRecord) {
    for (const Way& way : kWays) {
        for (const PageFacts& facts : kPages) {
            SCOPED_TRACE(std::string(way.name) + ", " + facts.name);
            MainWindow& window = justBound();
            ASSERT_TRUE(window.isOpen());
            way.choose(window, facts);

            EXPECT_EQ(SendMessageW(GetDlgItem(window.hwnd(), IDC_MAIN_TAB), TCM_GETCURSEL, 0, 0),
                      static_cast<LRESULT>(facts.kind));
            HWND shown = page(facts.kind);
            EXPECT_TRUE(IsWindowVisible(shown));
            const std::vector<HWND> controls = controlsOf(shown);
            EXPECT_EQ(controls.size(), DialogTemplate(facts.templateId).controlCount());
            int hidden = 0;
            for (HWND control : controls) hidden += IsWindowVisible(control) ? 0 : 1;
            EXPECT_EQ(hidden, 0);
            EXPECT_EQ(text(GetDlgItem(shown, facts.originX)), facts.origin);
        }
    }
}

// The keys wait for the character page and for nothing else: the 2D page,
// which nobody chose, is left for an idle moment.
TEST_F(PageStagingTest, DigitsTypedRightAfterCtrlKLandInTheCharacterPagesOrigin) {
    MainWindow& window = justBound();
    ASSERT_TRUE(window.isOpen());
    // From the font-name list, the type list, then 基点X座標.
    typeAhead({{'K', true}, {VK_TAB}, {VK_TAB}, {'1'}, {'2'}, {'3'}, {'4'}});
    pumpMessages(&window);

    HWND origin = GetDlgItem(page(PageKind::CharacterFont), IDC_FONT_ORIGIN_X);
    ASSERT_NE(origin, nullptr) << "the page has no 基点X座標";
    EXPECT_EQ(GetFocus(), origin);
    EXPECT_EQ(text(origin), L"1234");
    EXPECT_LT(controlsOf(page(PageKind::Code2D)).size(),
              DialogTemplate(IDD_PAGE_CODE2D).controlCount())
        << "the keys waited for the 2D page to be built";
}

// Idle moments build what is left without touching the page in front or
// showing the others; a page built there is filled when it is chosen.
TEST_F(PageStagingTest, IdleMomentsBuildTheHiddenPagesAndLeaveThePageInFrontAlone) {
    MainWindow& window = justBound();
    ASSERT_TRUE(window.isOpen());
    HWND origin = GetDlgItem(page(PageKind::Barcode), IDC_BC_ORIGIN_X);
    pumpMessages(&window);
    SetWindowTextW(origin, L"77");  // an edit not yet stored

    HWND code2D = page(PageKind::Code2D);
    const std::size_t whole = DialogTemplate(IDD_PAGE_CODE2D).controlCount();
    for (int moment = 0; moment < 200 && controlsOf(code2D).size() < whole; ++moment) {
        window.idle();
        pumpMessages(&window);
    }
    EXPECT_EQ(controlsOf(code2D).size(), whole);
    EXPECT_EQ(controlsOf(page(PageKind::CharacterFont)).size(),
              DialogTemplate(IDD_PAGE_FONT).controlCount());
    EXPECT_FALSE(IsWindowVisible(code2D));
    EXPECT_FALSE(IsWindowVisible(page(PageKind::CharacterFont)));
    EXPECT_EQ(text(origin), L"77");

    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(ID_SHOW_PAGE_CODE2D, 0), 0);
    EXPECT_EQ(text(GetDlgItem(code2D, IDC_CODE2D_ORIGIN_X)), L"456");
}

// Binding the same file again leaves the page in front as it is on the
// screen: neither the page nor a field that keeps its text is painted again
// (the 1D page has 64 controls to paint).
TEST_F(PageStagingTest, ChoosingThePrinterAgainLeavesThePageInFrontOnTheScreen) {
    MainWindow& window = justBound();
    ASSERT_TRUE(window.isOpen());
    pumpMessages(&window);
    HWND front = page(PageKind::Barcode);
    HWND origin = GetDlgItem(front, IDC_BC_ORIGIN_X);
    ASSERT_FALSE(GetUpdateRect(front, nullptr, FALSE));
    ASSERT_FALSE(GetUpdateRect(origin, nullptr, FALSE));

    harness->chooser.answers = {"Label printer"};
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(ID_FILE_CHOOSE_PRINTER, 0), 0);
    EXPECT_EQ(harness->locatedNames.size(), 2u);
    EXPECT_TRUE(IsWindowVisible(front));
    EXPECT_FALSE(GetUpdateRect(front, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(origin, nullptr, FALSE));
    EXPECT_EQ(text(origin), L"345");
}

}  // namespace
}  // namespace vx::test
