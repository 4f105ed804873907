#include "tests/app_win32/window_picture.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vx::test {

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

void settle(FontPageWindow& page) {
    RedrawWindow(page.window().hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        page.pump();
        Sleep(30);
    }
}

bool reportPicture(bool saved, const std::filesystem::path& file) {
    if (saved) {
        std::printf("%ls\n", file.c_str());
    } else {
        std::fprintf(stderr, "Could not save %ls\n", file.c_str());
    }
    return saved;
}

std::filesystem::path screenshotFolder() {
    const char* directory = std::getenv("VX_SCREENSHOT_DIR");
    if (directory == nullptr || *directory == '\0') return {};
    return std::filesystem::path(directory);
}

bool savePagePictures(PageKind kind, const std::filesystem::path& folder,
                      std::initializer_list<FontPicture> pictures) {
    FontPageWindow page{kind};
    if (!page.opened()) {
        std::fputs("The main window did not open (is DISPLAY set?)\n", stderr);
        return false;
    }
    SetWindowPos(page.window().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    bool saved = true;
    for (const FontPicture& picture : pictures) {
        page.chooseFont(picture.font);
        settle(page);
        const std::filesystem::path file = folder / picture.file;
        saved &= reportPicture(saveWindowPicture(page.window().hwnd(), file), file);
    }
    return saved;
}

}  // namespace vx::test
