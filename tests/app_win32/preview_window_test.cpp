// The preview window in the real main window under Wine: opened from the
// menu, it follows the page in front, its font, its type and the user's
// typing, and it draws the symbol's dark modules where the symbol has them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"
#include "tests/app_win32/window_picture.h"

namespace vx::test {
namespace {

constexpr int kQrCode = 4;

class PreviewWindowTest : public ::testing::Test {
protected:
    explicit PreviewWindowTest(PageKind kind = PageKind::Code2D) : page(kind) {}
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    }
    const PreviewWindow& preview() { return page.window().preview(); }
    std::wstring previewText(int id) { return widen(windowText(preview().item(id))); }
    void openFromMenu() {
        SendMessageW(page.window().hwnd(), WM_COMMAND, MAKEWPARAM(ID_SHOW_PREVIEW, 0), 0);
        page.pump();
    }
    void typeData(std::wstring_view text) {
        SetWindowTextW(preview().item(IDC_PREVIEW_DATA), std::wstring(text).c_str());
        page.pump();
    }
    // On the 2D page the demo file's first font is Data Matrix.
    FontPageWindow page;
};

TEST_F(PreviewWindowTest, TheMenuItemFollowsASeparatorAtTheEndOfTheMenuMenu) {
    HMENU menu = GetSubMenu(GetMenu(page.window().hwnd()), 1);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(ID_SHOW_PREVIEW));
    wchar_t text[64] = {};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"プレビュー(&V)...\tCtrl+R");
    MENUITEMINFOW before{};
    before.cbSize = sizeof before;
    before.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, count - 2, TRUE, &before);
    EXPECT_TRUE(before.fType & MFT_SEPARATOR);

    // Ctrl+R, reserved before, now opens the preview.
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
    ACCEL keys[32] = {};
    const int keyCount = CopyAcceleratorTableW(table, keys, 32);
    int ctrlR = 0;
    for (int i = 0; i < keyCount; ++i) {
        if (keys[i].key == 'R' && (keys[i].fVirt & FCONTROL)) ctrlR = keys[i].cmd;
    }
    EXPECT_EQ(ctrlR, ID_SHOW_PREVIEW);
}

TEST_F(PreviewWindowTest, ItFollowsTheFontTheTypeTheTypingAndThePageInFront) {
    EXPECT_FALSE(preview().isOpen());
    openFromMenu();
    ASSERT_TRUE(preview().isOpen());
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL2次元コード01：Data Matrix");

    page.chooseFont(3);
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL2次元コード04：PDF417");
    page.chooseType(kQrCode);
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL2次元コード04：QRコード");
    ASSERT_TRUE(preview().content().symbol);
    EXPECT_EQ(widen(preview().content().symbol->data), previewText(IDC_PREVIEW_DATA));

    // Typing a module width redraws at once: twice the width, twice the size.
    page.type(IDC_CODE2D_MODULE_WIDTH, L"5");
    page.pump();
    const double narrow = preview().content().symbol->widthMm;
    page.type(IDC_CODE2D_MODULE_WIDTH, L"10");
    page.pump();
    EXPECT_NEAR(preview().content().symbol->widthMm, 2 * narrow, 1e-9);

    page.window().logic().selectPage(PageKind::CharacterFont);
    page.pump();
    EXPECT_NE(previewText(IDC_PREVIEW_WARNING).find(L"内蔵１次元コードと内蔵２次元コード"),
              std::wstring::npos);
    page.window().logic().selectPage(PageKind::Barcode);
    page.pump();
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE).rfind(L"ZELバーコード01：", 0), 0u);
}

// The same window in front of the 1D page, whose first font is Codabar.
class PreviewOnBarcodePageTest : public PreviewWindowTest {
protected:
    PreviewOnBarcodePageTest() : PreviewWindowTest(PageKind::Barcode) {}
};

TEST_F(PreviewOnBarcodePageTest, DataThatZintRefusesIsToldInTheWindow) {
    openFromMenu();
    ASSERT_TRUE(page.choose(IDC_BC_TYPE, L"JAN/EAN13"));
    ASSERT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZELバーコード01：JAN/EAN13");
    typeData(L"ABC");
    EXPECT_EQ(previewText(IDC_PREVIEW_WARNING).rfind(L"このデータはエンコードできません：", 0), 0u)
        << narrow(previewText(IDC_PREVIEW_WARNING));
    typeData(L"490123456789");  // twelve digits: zint adds the check digit
    EXPECT_EQ(previewText(IDC_PREVIEW_WARNING), L"");
}

TEST_F(PreviewWindowTest, TheCanvasShowsTheFinderPatternsModulesWhereTheyBelong) {
    openFromMenu();
    page.chooseType(kQrCode);
    page.type(IDC_CODE2D_MODULE_WIDTH, L"20");
    typeData(L"1");  // a version 1 symbol: 21 modules square
    settle(page);
    HWND canvas = preview().item(IDC_PREVIEW_CANVAS);
    RedrawWindow(canvas, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    settle(page);

    const RECT box = preview().symbolPixels();
    const double module = (box.right - box.left) / 21.0;
    ASSERT_GT(module, 3.0) << "too small to tell modules apart";
    HDC dc = GetDC(canvas);
    auto dark = [&](int column, int row) {
        const COLORREF pixel = GetPixel(dc, box.left + static_cast<int>((column + 0.5) * module),
                                        box.top + static_cast<int>((row + 0.5) * module));
        return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 64;
    };
    // Each finder: a dark outer ring, a light ring inside it, a dark centre,
    // and a light separator outside.
    for (auto [left, top] : {std::pair{0, 0}, std::pair{14, 0}, std::pair{0, 14}}) {
        EXPECT_TRUE(dark(left, top)) << left << "," << top;
        EXPECT_TRUE(dark(left + 6, top + 6)) << left << "," << top;
        EXPECT_FALSE(dark(left + 1, top + 1)) << left << "," << top;
        EXPECT_TRUE(dark(left + 3, top + 3)) << left << "," << top;
    }
    EXPECT_FALSE(dark(7, 7));
    EXPECT_FALSE(dark(13, 7));
    // The timing pattern alternates along row 6 between the finders.
    EXPECT_TRUE(dark(8, 6));
    EXPECT_FALSE(dark(9, 6));
    EXPECT_TRUE(dark(10, 6));
    ReleaseDC(canvas, dc);
}

}  // namespace
}  // namespace vx::test
