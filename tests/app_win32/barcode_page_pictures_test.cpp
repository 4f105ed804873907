// Pictures of the 1D barcode page for the documentation, saved only when
// VX_SCREENSHOT_DIR names a folder: one type of each family of keys, on
// fonts of the demo file: barcode-page-code39.bmp (element widths),
// barcode-page-code128.bmp (module) and barcode-page-jan13.bmp (EAN/UPC).
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/app_win32/window_picture.h"

namespace vx::test {
namespace {

TEST(BarcodePagePictures, SavesTheWindowWithOneTypeOfEachFamily) {
    const std::filesystem::path folder = screenshotFolder();
    if (folder.empty()) GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    FontPageWindow page{PageKind::Barcode};
    ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    SetWindowPos(page.window().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const std::pair<int, const wchar_t*> pictures[] = {
        {3, L"barcode-page-code39.bmp"},   // ZELバーコード04, CODE39
        {2, L"barcode-page-code128.bmp"},  // ZELバーコード03, CODE128
        {8, L"barcode-page-jan13.bmp"},    // ZELバーコード09, JAN/EAN13
    };
    for (const auto& [font, name] : pictures) {
        page.chooseFont(font);
        settle(page);
        EXPECT_TRUE(saveWindowPicture(page.window().hwnd(), folder / name));
    }
}

}  // namespace
}  // namespace vx::test
