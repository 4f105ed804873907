// The 1D barcode page in the real main window, driven in-process under
// Wine on the demo printer's file: the controls a type change enables, a
// range check, the check-digit entries by type and the focus that forgets a
// price check digit set aside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"

namespace vx::test {
namespace {

constexpr int kCode128 = 2, kCode39 = 3, kJan13 = 8, kMsi = 14, kUpcA = 16;
constexpr const wchar_t* kPrice = L"チェックデジット自動付加+プライスC/D4桁";

class BarcodePageWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    }
    std::vector<std::wstring> items(int list) const {
        std::vector<std::wstring> out;
        for (int i = 0; i < page.itemCount(list); ++i) out.push_back(page.itemText(list, i));
        return out;
    }

    FontPageWindow page{PageKind::Barcode};
};

TEST_F(BarcodePageWindowTest, ATypeChangeEnablesTheControlsOfTheNewType) {
    page.chooseType(kCode128);
    EXPECT_EQ(page.selectedText(IDC_BC_TYPE), L"CODE128");
    EXPECT_TRUE(page.enabled(IDC_BC_MODULE_WIDTH));
    EXPECT_TRUE(page.enabled(IDC_BC_MODULE_WIDTH_SPIN));
    EXPECT_TRUE(page.enabled(IDC_BC_AUTO_SWITCH));
    EXPECT_FALSE(page.enabled(IDC_BC_NARROW_BAR));
    EXPECT_FALSE(page.enabled(IDC_BC_CHAR_GAP_SPIN));
    EXPECT_FALSE(page.enabled(IDC_BC_CHECK_DIGIT));
    page.chooseType(kCode39);
    EXPECT_TRUE(page.enabled(IDC_BC_NARROW_BAR));
    EXPECT_TRUE(page.enabled(IDC_BC_START_STOP));
    EXPECT_TRUE(page.enabled(IDC_BC_CHECK_DIGIT));
    EXPECT_FALSE(page.enabled(IDC_BC_MODULE_WIDTH));
    EXPECT_FALSE(page.enabled(IDC_BC_AUTO_SWITCH));
    EXPECT_TRUE(page.enabled(IDC_BC_HEIGHT));
    EXPECT_TRUE(page.enabled(IDC_BC_ROTATION));
}

TEST_F(BarcodePageWindowTest, LeavingAnEditClampsItsNumber) {
    page.chooseType(kCode39);
    page.typeAndLeave(IDC_BC_NARROW_BAR, L"200");
    EXPECT_EQ(page.text(IDC_BC_NARROW_BAR), L"99");
    page.typeAndLeave(IDC_BC_HEIGHT, L"0005");  // 4 digits: "0005" is read whole
    EXPECT_EQ(page.text(IDC_BC_HEIGHT), L"5");
    page.typeAndLeave(IDC_BC_WIDE_SPACE, L"abc");
    EXPECT_EQ(page.text(IDC_BC_WIDE_SPACE), L"1");
}

TEST_F(BarcodePageWindowTest, EachTypeListsItsCheckDigitEntries) {
    page.chooseType(kJan13);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT),
              (std::vector<std::wstring>{L"付加なし", L"チェックデジットチェック",
                                         L"チェックデジット自動付加", kPrice}));
    page.chooseType(kMsi);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT),
              (std::vector<std::wstring>{L"付加なし", L"チェックデジットチェック",
                                         L"チェックデジット自動付加(1)",
                                         L"チェックデジット自動付加(2)"}));
    page.chooseType(kCode39);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT),
              (std::vector<std::wstring>{L"付加なし", L"チェックデジットチェック",
                                         L"チェックデジット自動付加"}));
}

TEST_F(BarcodePageWindowTest, FocusInTheCheckDigitListForgetsThePriceCheckDigitSetAside) {
    page.chooseType(kJan13);
    ASSERT_TRUE(page.choose(IDC_BC_CHECK_DIGIT, kPrice));
    page.chooseType(kCode39);
    EXPECT_EQ(page.selectedText(IDC_BC_CHECK_DIGIT), L"チェックデジット自動付加");
    page.chooseType(kUpcA);  // untouched: the price check digit comes back
    EXPECT_EQ(page.selectedText(IDC_BC_CHECK_DIGIT), kPrice);

    page.chooseType(kCode39);
    page.leave(IDC_BC_CHECK_DIGIT);  // the focus in and away again
    page.chooseType(kUpcA);
    EXPECT_EQ(page.selectedText(IDC_BC_CHECK_DIGIT), L"チェックデジット自動付加");
}

}  // namespace
}  // namespace vx::test
