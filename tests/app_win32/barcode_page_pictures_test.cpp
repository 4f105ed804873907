// Pictures of the 1D barcode page for the documentation, saved only when
// VX_SCREENSHOT_DIR names a folder: one type of each family of keys, on
// fonts of the demo file: barcode-page-code39.bmp (element widths),
// barcode-page-code128.bmp (module) and barcode-page-jan13.bmp (EAN/UPC).
#include <gtest/gtest.h>

#include "tests/app_win32/window_picture.h"

namespace vx::test {
namespace {

TEST(BarcodePagePictures, SavesTheWindowWithOneTypeOfEachFamily) {
    const std::filesystem::path folder = screenshotFolder();
    if (folder.empty()) GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    savePagePictures(PageKind::Barcode, folder,
                     {
                         {3, L"barcode-page-code39.bmp"},   // ZELバーコード04, CODE39
                         {2, L"barcode-page-code128.bmp"},  // ZELバーコード03, CODE128
                         {8, L"barcode-page-jan13.bmp"},    // ZELバーコード09, JAN/EAN13
                     });
}

}  // namespace
}  // namespace vx::test
