// Pictures of the character font page for the documentation, saved only
// when VX_SCREENSHOT_DIR names a folder (scripts/screenshot-font-page.sh):
// font-page-bitmap.bmp shows the demo file's first font, a bitmap type;
// font-page-outline.bmp its font 21, an outline type. Each picture is the
// main window as the screen shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/app_win32/font_page_window.h"

namespace vx::test {
namespace {

// A picture of the window as the screen shows it, as a 24-bit BMP file.
bool saveWindowPicture(HWND window, const std::filesystem::path& file) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();
    const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

// Lets the window paint and Wine hand what it painted to the display.
void settle(FontPageWindow& page) {
    RedrawWindow(page.window().hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        page.pump();
        Sleep(30);
    }
}

TEST(FontPagePictures, SavesTheWindowWithABitmapAndAnOutlineFont) {
    const char* directory = std::getenv("VX_SCREENSHOT_DIR");
    if (directory == nullptr || *directory == '\0') GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    const std::filesystem::path folder(widen(directory));
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
