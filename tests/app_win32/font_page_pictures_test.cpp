// Pictures of the character font page for the documentation, saved only
// when VX_SCREENSHOT_DIR names a folder (scripts/screenshot-font-page.sh):
// font-page-bitmap.bmp shows the demo file's first font, a bitmap type;
// font-page-outline.bmp its font 21, an outline type. Each picture is the
// main window as the screen shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/app_win32/window_picture.h"

namespace vx::test {
namespace {

TEST(FontPagePictures, SavesTheWindowWithABitmapAndAnOutlineFont) {
    const std::filesystem::path folder = screenshotFolder();
    if (folder.empty()) GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    FontPageWindow page;
    ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    SetWindowPos(page.window().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    settle(page);
    EXPECT_TRUE(saveWindowPicture(page.window().hwnd(), folder / L"font-page-bitmap.bmp"));
    page.chooseFont(20);  // an outline font of the demo file
    settle(page);
    EXPECT_TRUE(saveWindowPicture(page.window().hwnd(), folder / L"font-page-outline.bmp"));
}

}  // namespace
}  // namespace vx::test
