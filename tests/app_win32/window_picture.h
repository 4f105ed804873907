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

// Names the file saved on the standard output, or the failure on the error
// output; returns `saved`.
bool reportPicture(bool saved, const std::filesystem::path& file);

// The folder named by VX_SCREENSHOT_DIR, empty when it is not set: a window
// test that passes through a dialog worth showing saves its picture there.
std::filesystem::path screenshotFolder();

// Opens the main window on a page and saves a picture of it for each font
// (position in the font-name list, file name) into the folder. Names each
// file it saves on the standard output and each failure on the error output;
// false when the window did not open or a picture was not saved.
struct FontPicture {
    int font;
    const wchar_t* file;
};
bool savePagePictures(PageKind kind, const std::filesystem::path& folder,
                      std::initializer_list<FontPicture> pictures);

}  // namespace vx::test
