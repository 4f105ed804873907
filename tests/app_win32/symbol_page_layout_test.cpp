// The templates of the 1D barcode and 2D code pages as the window shows them,
// checked against each page's own rows: every text fits, nothing leaves the
// page, overlaps or straddles a frame, every field has its label on its left
// and its unit (and "自動" box) on its right, the tab order is the rows'
// order, every spin sits on its edit with the row's range, and the lists
// show all their items.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/barcode_page.h"
#include "pages/code2d_page.h"
#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"
#include "tests/app_win32/layout_helpers.h"

namespace vx::test {
namespace {

using namespace layout;
// Each page, shown with the type that gives its lists their longest
// entries.
struct BarcodeLayout {
    static constexpr PageKind kKind = PageKind::Barcode;
    static constexpr int kType = 8;  // JAN/EAN13: the longest check-digit entry
    static constexpr int kSortedList = 0;
    static auto rows() { return barcodePageRows(); }
};
struct Code2DLayout {
    static constexpr PageKind kKind = PageKind::Code2D;
    static constexpr int kType = 0;  // Data Matrix: the widest module width range
    static constexpr int kSortedList = IDC_CODE2D_PDF_SECURITY_LEVEL;  // "0" to "8"
    static auto rows() { return code2DPageRows(); }
};

template <class Layout>
class SymbolPageLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = new FontPageWindow(Layout::kKind); }
    static void TearDownTestSuite() {
        delete window;
        window = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(shown.opened()) << "the main window did not open (is DISPLAY set?)";
        shown.chooseType(Layout::kType);
    }
    HWND at(int id) const { return shown.item(id); }
    RECT rectOf(HWND control) const { return rectIn(shown.page(), control); }

    static FontPageWindow* window;
    FontPageWindow& shown = *window;
};

template <class Layout>
FontPageWindow* SymbolPageLayoutTest<Layout>::window = nullptr;

using Layouts = ::testing::Types<BarcodeLayout, Code2DLayout>;
TYPED_TEST_SUITE(SymbolPageLayoutTest, Layouts);

TYPED_TEST(SymbolPageLayoutTest, EveryTextFitsItsControl) {
    auto& page = this->shown;
    ASSERT_TRUE(dialogFontHasJapaneseGlyphs(page.page()));
    for (HWND child : children(page.page())) {
        const std::wstring text = widen(windowText(child));
        if (isLabel(child)) {
            EXPECT_LE(textSize(child, text).cx, clientWidth(child)) << "label " << narrow(text);
        } else if (lstrcmpiW(className(child).c_str(), L"Button") == 0 && !isFrame(child)) {
            SIZE ideal{};
            ASSERT_TRUE(SendMessageW(child, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
            EXPECT_LE(ideal.cx, clientWidth(child)) << "check box " << narrow(text);
        }
    }
    for (const auto& row : TypeParam::rows()) {
        HWND control = this->at(row.id);
        if (row.kind == ControlKind::NumericEdit) {
            const DWORD margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
            EXPECT_LE(textSize(control, std::to_wstring(row.range.maximum)).cx + LOWORD(margins) +
                          HIWORD(margins),
                      clientWidth(control))
                << row.label;
        } else if (row.kind != ControlKind::AutoBox) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(control, &info)) << row.label;
            for (int i = 0; i < page.itemCount(row.id); ++i) {
                EXPECT_LE(textSize(control, page.itemText(row.id, i)).cx + 2,
                          info.rcItem.right - info.rcItem.left)
                    << row.label << ": " << narrow(page.itemText(row.id, i));
            }
        }
    }
}

TYPED_TEST(SymbolPageLayoutTest, ControlsStayInsideThePageAndNeitherOverlapNorStraddleAFrame) {
    auto& page = this->shown;
    RECT pageRect{};
    GetClientRect(page.page(), &pageRect);
    std::vector<HWND> frames, controls;
    for (HWND child : children(page.page())) {
        EXPECT_TRUE(contains(pageRect, this->rectOf(child))) << GetDlgCtrlID(child);
        (isFrame(child) ? frames : controls).push_back(child);
    }
    for (HWND frame : frames) {
        for (HWND control : controls) {
            EXPECT_TRUE(!overlaps(this->rectOf(frame), this->rectOf(control)) ||
                        contains(this->rectOf(frame), this->rectOf(control)))
                << GetDlgCtrlID(control);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (reinterpret_cast<HWND>(SendMessageW(controls[j], UDM_GETBUDDY, 0, 0)) ==
                controls[i]) {
                continue;  // a spin covers its own edit's border
            }
            EXPECT_FALSE(overlaps(this->rectOf(controls[i]), this->rectOf(controls[j])))
                << GetDlgCtrlID(controls[i]) << " and " << GetDlgCtrlID(controls[j]);
        }
    }
}

TYPED_TEST(SymbolPageLayoutTest, EveryFieldHasItsLabelOnTheLeftAndItsUnitOnTheRight) {
    auto& page = this->shown;
    for (const auto& row : TypeParam::rows()) {
        if (row.kind == ControlKind::AutoBox) continue;
        HWND label = labelLeftOf(page.page(), this->rectOf(this->at(row.id)));
        ASSERT_NE(label, nullptr) << row.label;
        EXPECT_EQ(windowText(label), row.label);
        const RECT end = this->rectOf(this->at(row.spin != 0 ? row.spin : row.id));
        HWND right = controlRightOf(page.page(), end);
        if (row.unit.empty()) {
            EXPECT_EQ(right, nullptr) << row.label;
            continue;
        }
        ASSERT_NE(right, nullptr) << row.label;
        EXPECT_EQ(windowText(right), row.unit) << row.label;
        if (row.autoBox != 0) {
            EXPECT_EQ(controlRightOf(page.page(), this->rectOf(right)), this->at(row.autoBox))
                << row.label;
        }
    }
}

TYPED_TEST(SymbolPageLayoutTest, TabOrderIsTheRowsOrderAndSpinsFollowTheirEdits) {
    auto& page = this->shown;
    std::vector<int> expected, actual;
    for (const auto& row : TypeParam::rows()) expected.push_back(row.id);
    for (HWND child : children(page.page())) {
        if (style(child) & WS_TABSTOP) actual.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(actual, expected);
    const LONG_PTR spinStyles = UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    for (const auto& row : TypeParam::rows()) {
        if (row.kind != ControlKind::NumericEdit) continue;
        HWND edit = this->at(row.id), spin = this->at(row.spin);
        EXPECT_EQ(GetWindow(edit, GW_HWNDNEXT), spin) << row.label;
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
        EXPECT_EQ(style(spin) & spinStyles, spinStyles) << row.label;
        EXPECT_EQ(style(edit) & (ES_RIGHT | ES_AUTOHSCROLL), ES_RIGHT | ES_AUTOHSCROLL);
        EXPECT_NEAR(this->rectOf(spin).left, this->rectOf(edit).right, 2) << row.label;
        int low = -1, high = -1;
        SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(std::make_pair(low, high), row.spinRange()) << row.label;
    }
}

TYPED_TEST(SymbolPageLayoutTest, ListsAreDropDownListsThatShowAllTheirItems) {
    auto& page = this->shown;
    for (const auto& row : TypeParam::rows()) {
        if (row.kind == ControlKind::NumericEdit || row.kind == ControlKind::AutoBox) continue;
        HWND list = this->at(row.id);
        EXPECT_EQ(style(list) & 3, CBS_DROPDOWNLIST) << row.label;
        EXPECT_EQ((style(list) & CBS_SORT) != 0, row.id == TypeParam::kSortedList) << row.label;
        RECT dropped{}, closed{};
        SendMessageW(list, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        GetWindowRect(list, &closed);
        const int itemHeight = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GE(dropped.bottom - closed.bottom, page.itemCount(row.id) * itemHeight + 2)
            << row.label;
    }
}

}  // namespace
}  // namespace vx::test
