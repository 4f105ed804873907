// The 2D code page in the real main window, driven in-process under Wine on
// the demo printer's file: a type change with the controls it enables and
// the up-down ranges it sets, a range check by type, and the security level
// list as the sorted list of the template.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>

#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"

namespace vx::test {
namespace {

constexpr int kDataMatrix = 0, kPdf417 = 3, kQrCode = 4;

class Code2DPageWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    }
    std::pair<int, int> spinRange(int spinId) const {
        int low = -1, high = -1;
        SendMessageW(page.item(spinId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }

    // The demo file's first 2D font: Data Matrix, "18 × 8", module width 4.
    FontPageWindow page{PageKind::Code2D};
};

TEST_F(Code2DPageWindowTest, ATypeChangeEnablesTheNewTypesGroupWithItsRanges) {
    ASSERT_EQ(page.selectedText(IDC_CODE2D_TYPE), L"Data Matrix");
    EXPECT_EQ(page.selectedText(IDC_CODE2D_DM_CELL_COUNT), L"18 × 8");
    EXPECT_TRUE(page.enabled(IDC_CODE2D_DM_CELL_COUNT));
    EXPECT_FALSE(page.enabled(IDC_CODE2D_PDF_COLUMNS_ROWS));
    EXPECT_EQ(spinRange(IDC_CODE2D_MODULE_WIDTH_SPIN), std::make_pair(0, 99));

    page.typeAndLeave(IDC_CODE2D_MODULE_WIDTH, L"30");
    page.chooseType(kPdf417);
    EXPECT_EQ(page.text(IDC_CODE2D_MODULE_WIDTH), L"10");
    EXPECT_EQ(spinRange(IDC_CODE2D_MODULE_WIDTH_SPIN), std::make_pair(1, 10));
    EXPECT_EQ(spinRange(IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN), std::make_pair(1, 30));
    for (int id : {IDC_CODE2D_PDF_COLUMNS_ROWS, IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN,
                   IDC_CODE2D_PDF_ROW_HEIGHT, IDC_CODE2D_PDF_SECURITY_LEVEL, IDC_CODE2D_ROTATION}) {
        EXPECT_TRUE(page.enabled(id)) << id;
    }
    for (int id : {IDC_CODE2D_DM_CELL_COUNT, IDC_CODE2D_QR_MODEL, IDC_CODE2D_MAXI_MODE,
                   IDC_CODE2D_GS1_ROW_HEIGHT_SPIN}) {
        EXPECT_FALSE(page.enabled(id)) << id;
    }
    page.chooseType(kDataMatrix);  // the width set aside comes back
    EXPECT_EQ(page.text(IDC_CODE2D_MODULE_WIDTH), L"30");
}

// Whichever type came before, the real up-down controls get the ranges of
// the type chosen: every ordered pair of the six types.
TEST_F(Code2DPageWindowTest, EveryTypeChangeSetsTheUpDownRangesOfTheNewType) {
    using Range = std::pair<int, int>;
    const Range none{-1, -1};  // not usable for the type
    struct Ranges {
        Range width, columnsRows, pdfHeight, gs1Height;
    };
    const Ranges ranges[] = {
        {{0, 99}, none, none, none},               // Data Matrix
        {none, none, none, none},                  // MaxiCode
        {{1, 10}, {0, 38}, {1, 100}, none},        // MicroPDF417
        {{1, 10}, {1, 30}, {1, 100}, none},        // PDF417
        {{0, 52}, none, none, none},               // QRコード
        {{1, 12}, none, none, {1, 1000}},          // GS1 Composite
    };
    for (int from = 0; from < 6; ++from) {
        for (int to = 0; to < 6; ++to) {
            if (from == to) continue;
            page.chooseType(from);
            page.chooseType(to);
            const Ranges& r = ranges[to];
            const std::pair<Range, int> spins[] = {
                {r.width, IDC_CODE2D_MODULE_WIDTH_SPIN},
                {r.columnsRows, IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN},
                {r.pdfHeight, IDC_CODE2D_PDF_ROW_HEIGHT_SPIN},
                {r.gs1Height, IDC_CODE2D_GS1_ROW_HEIGHT_SPIN}};
            for (const auto& [range, spin] : spins) {
                EXPECT_EQ(page.enabled(spin), range != none) << from << " -> " << to << " " << spin;
                if (range != none) {
                    EXPECT_EQ(spinRange(spin), range) << from << " -> " << to << " " << spin;
                }
            }
        }
    }
}

TEST_F(Code2DPageWindowTest, TheModuleWidthIsCheckedByTheTypeShown) {
    page.chooseType(kQrCode);
    page.typeAndLeave(IDC_CODE2D_MODULE_WIDTH, L"60");
    EXPECT_EQ(page.text(IDC_CODE2D_MODULE_WIDTH), L"52");
    page.chooseType(kDataMatrix);
    page.typeAndLeave(IDC_CODE2D_MODULE_WIDTH, L"60");
    EXPECT_EQ(page.text(IDC_CODE2D_MODULE_WIDTH), L"60");
}

TEST_F(Code2DPageWindowTest, SecurityLevelsAreASortedListShowingTheStoredLevel) {
    page.chooseFont(3);  // PDF417 with level "02"
    EXPECT_NE(GetWindowLongPtrW(page.item(IDC_CODE2D_PDF_SECURITY_LEVEL), GWL_STYLE) & CBS_SORT,
              0);
    ASSERT_EQ(page.itemCount(IDC_CODE2D_PDF_SECURITY_LEVEL), 9);
    for (int level = 0; level < 9; ++level) {
        EXPECT_EQ(page.itemText(IDC_CODE2D_PDF_SECURITY_LEVEL, level), std::to_wstring(level));
    }
    EXPECT_EQ(page.selectedText(IDC_CODE2D_PDF_SECURITY_LEVEL), L"2");
}

}  // namespace
}  // namespace vx::test
