// Pictures of a window as the screen shows it, for the documentation.
#pragma once

#include <windows.h>

#include <filesystem>

#include "tests/app_win32/font_page_window.h"

namespace vx::test {

// Saves the window as the screen shows it as a 24-bit BMP file.
bool saveWindowPicture(HWND window, const std::filesystem::path& file);

// Lets the window paint and Wine hand what it painted to the display.
void settle(FontPageWindow& page);

// The folder named by VX_SCREENSHOT_DIR; empty when it is not set.
std::filesystem::path screenshotFolder();

}  // namespace vx::test
