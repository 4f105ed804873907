// The preview window in the real main window under Wine: opened from the
// menu, it follows the page in front, its font, its type and the user's
// typing, it draws the symbol's dark modules where the symbol has them and
// a character font's text in its cells, it zooms, and it saves its SVG.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "preview/svg_writer.h"
#include "resources/resource.h"
#include "settings/file_io.h"
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

    // The character font page's first font: 明朝 8ポイント.
    page.window().logic().selectPage(PageKind::CharacterFont);
    page.pump();
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL文字フォント01：明朝 8ポイント");
    EXPECT_EQ(previewText(IDC_PREVIEW_WARNING), L"");
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

// The same window in front of the character font page.
class PreviewOnFontPageTest : public PreviewWindowTest {
protected:
    PreviewOnFontPageTest() : PreviewWindowTest(PageKind::CharacterFont) {}
    // A key pressed with Ctrl held, as the window's message loop gets it.
    void pressWithCtrl(UINT key) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(preview().item(IDC_PREVIEW_DATA), WM_KEYDOWN, key, 0);
        page.pump();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    std::wstring zoomText() {
        HWND zoom = preview().item(IDC_PREVIEW_ZOOM);
        wchar_t text[64] = {};
        SendMessageW(zoom, CB_GETLBTEXT, SendMessageW(zoom, CB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    double textWidthMm() { return preview().content().symbol->widthMm; }
    // The demo file's 24 × 24 dot kanji font, its alignment area taken away.
    void showKanjiFontUnaligned() {
        page.chooseFont(15);
        ASSERT_TRUE(page.choose(IDC_FONT_ALIGNMENT, L"文字寄せなし"));
        page.pump();
    }
};

TEST_F(PreviewOnFontPageTest, ItFollowsTheFontTheTypeAndTheMagnificationsInItsCells) {
    openFromMenu();
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL文字フォント01：明朝 8ポイント");
    // Wine's Japanese faces stand in: IPA Mincho for a Mincho type.
    EXPECT_NE(preview().content().face.find("IPA"), std::string::npos) << preview().content().face;
    EXPECT_NE(previewText(IDC_PREVIEW_INFO).find(L"で代用して表示します"), std::wstring::npos);

    page.chooseFont(15);  // the demo file's 24 × 24 dot kanji font, justified in 60 mm
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL文字フォント16：漢字ゴシック体(24×24ドット)");
    EXPECT_EQ(previewText(IDC_PREVIEW_DATA), L"内蔵漢字ABC");
    typeData(L"漢字表示");
    // The area: 60 mm in whole dots at 305 dpi (no printer is bound in this test).
    EXPECT_NEAR(textWidthMm(), 720 * 25.4 / 305, 1e-9);
    ASSERT_TRUE(page.choose(IDC_FONT_ALIGNMENT, L"文字寄せなし"));
    page.pump();
    // Four cells of 24 dots.
    EXPECT_NEAR(textWidthMm(), 96 * 25.4 / 305, 1e-9);
    ASSERT_TRUE(page.choose(IDC_FONT_H_MAG, L"2.0"));
    page.pump();
    EXPECT_NEAR(textWidthMm(), 192 * 25.4 / 305, 1e-9);

    // Kanji in an OCR-B font are refused, and said.
    page.chooseType(13);
    EXPECT_EQ(previewText(IDC_PREVIEW_TITLE), L"ZEL文字フォント16：OCR-B 12ポイント");
    typeData(L"AB漢");
    EXPECT_EQ(previewText(IDC_PREVIEW_WARNING).rfind(L"このデータは印字できません：「漢」", 0), 0u)
        << narrow(previewText(IDC_PREVIEW_WARNING));
    EXPECT_FALSE(IsWindowEnabled(preview().item(IDC_PREVIEW_SAVE_SVG)));
}

TEST_F(PreviewOnFontPageTest, CtrlPlusMinusAndZeroAndTheListZoomTheDrawing) {
    openFromMenu();
    showKanjiFontUnaligned();
    typeData(L"漢字");
    settle(page);
    EXPECT_EQ(zoomText(), L"実寸");
    EXPECT_EQ(preview().scale().percent, 100);
    const RECT trueSize = preview().symbolPixels();

    pressWithCtrl(VK_OEM_PLUS);
    EXPECT_EQ(zoomText(), L"2倍");
    pressWithCtrl(VK_ADD);
    EXPECT_EQ(zoomText(), L"4倍");
    settle(page);
    RedrawWindow(preview().item(IDC_PREVIEW_CANVAS), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT fourTimes = preview().symbolPixels();
    // Four times as wide, give or take the rounding of both ends.
    EXPECT_NEAR(fourTimes.right - fourTimes.left, 4 * (trueSize.right - trueSize.left), 4);
    // The sizes in mm stay those of the label.
    EXPECT_NEAR(textWidthMm(), 48 * 25.4 / 305, 1e-9);
    EXPECT_NE(previewText(IDC_PREVIEW_INFO).find(L"実寸の 400% で表示しています。"),
              std::wstring::npos);

    pressWithCtrl(VK_OEM_MINUS);
    EXPECT_EQ(zoomText(), L"2倍");
    pressWithCtrl('0');
    EXPECT_EQ(zoomText(), L"実寸");

    HWND zoom = preview().item(IDC_PREVIEW_ZOOM);
    SendMessageW(zoom, CB_SETCURSEL, 3, 0);
    SendMessageW(preview().hwnd(), WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_ZOOM, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(zoom));
    page.pump();
    EXPECT_EQ(preview().scale().zoom, PreviewZoom::FitWindow);
    EXPECT_GT(preview().scale().percent, 400);  // two kanji of 2 mm fill the canvas
    EXPECT_NE(previewText(IDC_PREVIEW_INFO).find(L"ウィンドウに合わせて"), std::wstring::npos);
}

TEST_F(PreviewOnFontPageTest, TheCanvasShowsWhiteGlyphsOnTheReversedArea) {
    openFromMenu();
    showKanjiFontUnaligned();
    ASSERT_TRUE(page.choose(IDC_FONT_DECORATION, L"白抜き文字"));
    ASSERT_TRUE(page.choose(IDC_FONT_H_MAG, L"4.0"));
    ASSERT_TRUE(page.choose(IDC_FONT_V_MAG, L"4.0"));
    page.pump();
    typeData(L"国");  // 96 dots square, 8 mm
    pressWithCtrl(VK_ADD);
    pressWithCtrl(VK_ADD);
    settle(page);
    HWND canvas = preview().item(IDC_PREVIEW_CANVAS);
    RedrawWindow(canvas, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    settle(page);
    const RECT box = preview().symbolPixels();
    ASSERT_GT(box.right - box.left, 40) << "too small to tell the glyph from its area";
    HDC dc = GetDC(canvas);
    int white = 0, black = 0;
    for (int y = box.top + 1; y < box.bottom - 1; ++y) {
        for (int x = box.left + 1; x < box.right - 1; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            const int sum = GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
            white += sum > 3 * 192;
            black += sum < 3 * 64;
        }
    }
    ReleaseDC(canvas, dc);
    // Mostly black, with the strokes of 国 in white.
    const int all = (box.right - box.left - 2) * (box.bottom - box.top - 2);
    EXPECT_GT(black, all / 3);
    EXPECT_GT(white, all / 20);
}

TEST_F(PreviewOnFontPageTest, SavingWritesTheSvgThatDvftoolWrites) {
    openFromMenu();
    page.chooseFont(15);
    typeData(L"漢字<&>");
    ASSERT_TRUE(IsWindowEnabled(preview().item(IDC_PREVIEW_SAVE_SVG)));
    const std::filesystem::path file = page.file().parent_path() / L"プレビュー.svg";
    ASSERT_TRUE(preview().saveSvgTo(file));
    const std::optional<std::string> saved = readFileBytes(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, fontPreviewSvg(*preview().content().symbol, preview().content().dpi));
    EXPECT_NE(saved->find(">&lt;</text>"), std::string::npos);
    EXPECT_NE(saved->find("<title>ZEL文字フォント16："), std::string::npos);
    // Saving again replaces the file; a folder that does not exist fails.
    typeData(L"字");
    ASSERT_TRUE(preview().saveSvgTo(file));
    EXPECT_NE(readFileBytes(file)->find(">字</text>"), std::string::npos);
    EXPECT_FALSE(preview().saveSvgTo(page.file().parent_path() / L"ない" / L"x.svg"));
}

}  // namespace
}  // namespace vx::test
