// The character font page's template as the window shows it: every text
// fits its control, nothing leaves the page or straddles a frame, controls
// do not overlap, every field has its label on its left and its unit on its
// right, the tab order follows the rows (left column, then right column),
// every spin sits on its edit with its range, and the lists are unsorted
// drop-down lists that show all their items when opened.
//
// These checks hold at any DPI; scripts/screenshot-font-page.sh runs them
// again in a prefix at 144 DPI.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"
#include "pages/character_font_page.h"
#include "tests/app_win32/layout_helpers.h"

namespace vx::test {
namespace {

using namespace layout;

// One row of the page: the field, its label and unit, its spin and range,
// and the "自動" box that follows the unit. Listed in tab order, as the page
// describes its controls.
struct Row {
    int id;
    std::wstring label;
    std::wstring unit;
    int spin = 0;
    int minimum = 0;
    int maximum = 0;
    int autoBox = 0;
};

std::vector<Row> pageRows() {
    std::vector<Row> rows;
    for (const ControlRow<CharacterFontRecord>& row : characterFontPageRows()) {
        if (row.kind == ControlKind::AutoBox) continue;  // checked with its edit
        const auto [minimum, maximum] = row.spinRange();
        rows.push_back(
            {row.id, widen(row.label), widen(row.unit), row.spin, minimum, maximum, row.autoBox});
    }
    return rows;
}
const std::vector<Row> kRows = pageRows();

constexpr int kKanjiGothic16 = 14;  // the type whose rotation list is longest

// The checks only look, so they share one window.
class FontPageLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = new FontPageWindow(); }
    static void TearDownTestSuite() {
        delete window;
        window = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    }

    static FontPageWindow* window;
    FontPageWindow& page = *window;

    HWND labelLeftOf(const RECT& rect) { return layout::labelLeftOf(page.page(), rect); }
    HWND controlRightOf(const RECT& rect) { return layout::controlRightOf(page.page(), rect); }
};

FontPageWindow* FontPageLayoutTest::window = nullptr;

TEST_F(FontPageLayoutTest, EveryTextFitsItsControl) {
    ASSERT_TRUE(dialogFontHasJapaneseGlyphs(page.page()))
        << "the dialog font \"ＭＳ Ｐゴシック\" has no Japanese glyphs in this Wine prefix "
           "(HKCU\\Software\\Wine\\Fonts\\Replacements)";
    page.chooseType(kKanjiGothic16);  // all nine rotations in the list
    for (HWND child : children(page.page())) {
        const std::wstring text = widen(windowText(child));
        if (isLabel(child)) {
            const SIZE size = textSize(child, text);
            EXPECT_LE(size.cx, clientWidth(child)) << "label " << narrow(text);
            EXPECT_LE(size.cy, clientHeight(child)) << "label " << narrow(text);
        } else if (lstrcmpiW(className(child).c_str(), L"Button") == 0 && !isFrame(child)) {
            SIZE ideal{};
            ASSERT_TRUE(SendMessageW(child, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
            EXPECT_LE(ideal.cx, clientWidth(child)) << "check box " << narrow(text);
            EXPECT_LE(textSize(child, text).cy, clientHeight(child))
                << "check box " << narrow(text);
        }
    }
    for (const Row& row : kRows) {
        HWND control = page.item(row.id);
        if (row.spin == 0) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(control, &info)) << narrow(row.label);
            const int room = info.rcItem.right - info.rcItem.left;
            for (int i = 0; i < page.itemCount(row.id); ++i) {
                const std::wstring item = page.itemText(row.id, i);
                EXPECT_LE(textSize(control, item).cx + 2, room)
                    << narrow(row.label) << ": " << narrow(item);
            }
        } else {
            // The widest value, beside the spin that took its part of the edit.
            const DWORD margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
            const int needed = textSize(control, std::to_wstring(row.maximum)).cx +
                               LOWORD(margins) + HIWORD(margins);
            EXPECT_LE(needed, clientWidth(control)) << narrow(row.label);
        }
    }
}

TEST_F(FontPageLayoutTest, ControlsStayInsideThePageAndNeitherOverlapNorStraddleAFrame) {
    RECT pageRect{};
    GetClientRect(page.page(), &pageRect);
    std::vector<HWND> frames, controls;
    for (HWND child : children(page.page())) {
        EXPECT_TRUE(contains(pageRect, rectIn(page.page(), child)))
            << narrow(widen(windowText(child))) << " " << GetDlgCtrlID(child);
        (isFrame(child) ? frames : controls).push_back(child);
    }
    EXPECT_GE(frames.size(), 2u);  // the decoration and the alignment fields are framed
    for (HWND frame : frames) {
        const RECT f = rectIn(page.page(), frame);
        for (HWND control : controls) {
            const RECT c = rectIn(page.page(), control);
            EXPECT_TRUE(!overlaps(f, c) || contains(f, c)) << "control " << GetDlgCtrlID(control);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            HWND a = controls[i], b = controls[j];
            // A spin covers its own edit's border.
            if (reinterpret_cast<HWND>(SendMessageW(b, UDM_GETBUDDY, 0, 0)) == a &&
                className(b) == UPDOWN_CLASSW) {
                continue;
            }
            EXPECT_FALSE(overlaps(rectIn(page.page(), a), rectIn(page.page(), b)))
                << GetDlgCtrlID(a) << " " << narrow(widen(windowText(a))) << " and "
                << GetDlgCtrlID(b) << " " << narrow(widen(windowText(b)));
        }
    }
    // Nothing is hidden behind the tab control's border.
    HWND tab = GetDlgItem(page.window().hwnd(), IDC_MAIN_TAB);
    RECT display{};
    GetWindowRect(tab, &display);
    TabCtrl_AdjustRect(tab, FALSE, &display);
    for (HWND child : children(page.page())) {
        RECT onScreen{};
        GetWindowRect(child, &onScreen);
        EXPECT_TRUE(contains(display, onScreen)) << "control " << GetDlgCtrlID(child);
    }
}

TEST_F(FontPageLayoutTest, EveryFieldHasItsLabelOnTheLeftAndItsUnitOnTheRight) {
    for (const Row& row : kRows) {
        const RECT field = rectIn(page.page(), page.item(row.id));
        HWND label = labelLeftOf(field);
        ASSERT_NE(label, nullptr) << narrow(row.label);
        EXPECT_EQ(widen(windowText(label)), row.label);
        const RECT end = row.spin != 0 ? rectIn(page.page(), page.item(row.spin)) : field;
        HWND right = controlRightOf(end);
        if (row.unit.empty()) {
            EXPECT_EQ(right, nullptr) << narrow(row.label);
            continue;
        }
        ASSERT_NE(right, nullptr) << narrow(row.label);
        EXPECT_TRUE(isLabel(right)) << narrow(row.label);
        EXPECT_EQ(widen(windowText(right)), row.unit) << narrow(row.label);
        if (row.autoBox != 0) {
            EXPECT_EQ(controlRightOf(rectIn(page.page(), right)), page.item(row.autoBox))
                << narrow(row.label);
            EXPECT_EQ(widen(windowText(page.item(row.autoBox))), L"自動");
        }
    }
    // The decoration fields in pairs: the pair's label begins the row of its "横".
    const std::pair<int, const wchar_t*> pairs[] = {
        {IDC_FONT_REVERSE_AREA_X, L"白抜き文字外エリア"}, {IDC_FONT_FRAME_GAP_X, L"枠までの幅"}};
    for (const auto& [id, text] : pairs) {
        const RECT small = rectIn(page.page(), labelLeftOf(rectIn(page.page(), page.item(id))));
        HWND label = labelLeftOf(RECT{small.left, small.top - 2, small.left, small.bottom + 2});
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(widen(windowText(label)), text);
    }
}

TEST_F(FontPageLayoutTest, TabOrderFollowsTheRowsOfTheLeftColumnThenTheRightColumn) {
    std::vector<int> expected, actual;
    for (const Row& row : kRows) {
        expected.push_back(row.id);
        if (row.autoBox != 0) expected.push_back(row.autoBox);
    }
    for (HWND child : children(page.page())) {
        if (style(child) & WS_TABSTOP) actual.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(FontPageLayoutTest, EverySpinIsTheNextControlAfterItsEditAndSitsOnItsRightSide) {
    const LONG_PTR spinStyles = UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    for (const Row& row : kRows) {
        if (row.spin == 0) continue;
        HWND edit = page.item(row.id);
        HWND spin = page.item(row.spin);
        ASSERT_NE(spin, nullptr) << narrow(row.label);
        EXPECT_EQ(GetWindow(edit, GW_HWNDNEXT), spin) << narrow(row.label);
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
        EXPECT_EQ(style(spin) & spinStyles, spinStyles) << narrow(row.label);
        EXPECT_EQ(style(edit) & (ES_RIGHT | ES_AUTOHSCROLL), ES_RIGHT | ES_AUTOHSCROLL);
        const RECT e = rectIn(page.page(), edit), s = rectIn(page.page(), spin);
        EXPECT_NEAR(s.left, e.right, 2) << narrow(row.label);
        EXPECT_NEAR(s.top, e.top, 2) << narrow(row.label);
        EXPECT_NEAR(s.bottom, e.bottom, 2) << narrow(row.label);
        int low = -1, high = -1;
        SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(low, row.minimum) << narrow(row.label);
        EXPECT_EQ(high, row.maximum) << narrow(row.label);
    }
}

TEST_F(FontPageLayoutTest, ListsAreUnsortedDropDownListsThatShowAllTheirItems) {
    page.chooseType(kKanjiGothic16);
    for (const Row& row : kRows) {
        if (row.spin != 0) continue;
        HWND list = page.item(row.id);
        EXPECT_EQ(style(list) & 3, CBS_DROPDOWNLIST) << narrow(row.label);
        EXPECT_EQ(style(list) & CBS_SORT, 0) << narrow(row.label);
        RECT dropped{}, closed{};
        SendMessageW(list, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        GetWindowRect(list, &closed);
        const int itemHeight = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GE(dropped.bottom - closed.bottom, page.itemCount(row.id) * itemHeight + 2)
            << narrow(row.label);
    }
    // Unsorted: the entries keep the order in which the page added them.
    EXPECT_EQ(page.itemText(IDC_FONT_ROTATION, 0), L"自動");
    EXPECT_EQ(page.itemText(IDC_FONT_ALIGNMENT, 0), L"文字寄せなし");
    EXPECT_EQ(page.itemText(IDC_FONT_H_MAG, 18), L"9.5");
}

}  // namespace
}  // namespace vx::test
