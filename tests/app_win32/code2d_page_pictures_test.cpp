// Pictures of the 2D code page for the documentation, saved only when
// VX_SCREENSHOT_DIR names a folder: code2d-page-qr.bmp shows the demo
// file's QR code font, code2d-page-pdf417.bmp its PDF417 font.
#include <gtest/gtest.h>

#include "tests/app_win32/window_picture.h"

namespace vx::test {
namespace {

TEST(Code2DPagePictures, SavesTheWindowWithAQrCodeAndAPdf417Font) {
    const std::filesystem::path folder = screenshotFolder();
    if (folder.empty()) GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    savePagePictures(PageKind::Code2D, folder,
                     {
                         {4, L"code2d-page-qr.bmp"},      // ZEL2次元コード05, QRコード
                         {3, L"code2d-page-pdf417.bmp"},  // ZEL2次元コード04, PDF417
                     });
}

}  // namespace
}  // namespace vx::test
