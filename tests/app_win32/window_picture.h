// Pictures of a window as the screen shows it, for the documentation.
#pragma once

#include <windows.h>

#include <filesystem>
#include <initializer_list>

#include "tests/app_win32/font_page_window.h"

namespace vx::test {

// Saves the window as the screen shows it as a 24-bit BMP file.
bool saveWindowPicture(HWND window, const std::filesystem::path& file);

// Lets the window paint and Wine hand what it painted to the display.
void settle(FontPageWindow& page);

// The folder named by VX_SCREENSHOT_DIR; empty when it is not set.
std::filesystem::path screenshotFolder();

// Opens the main window on a page and saves a picture of it for each font
// (font number, file name) into the folder.
struct FontPicture {
    int font;
    const wchar_t* file;
};
void savePagePictures(PageKind kind, const std::filesystem::path& folder,
                      std::initializer_list<FontPicture> pictures);

}  // namespace vx::test
