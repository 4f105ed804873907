// Pictures of the setting pages for the documentation, each the main window
// as the screen shows it on fonts of the demo file. Not a test (it checks
// nothing): scripts/screenshot-font-page.sh runs it.
//
//   page_pictures.exe FOLDER
//
// Saves into FOLDER: font-page-bitmap.bmp (the first font, a bitmap type) and
// font-page-outline.bmp (font 21, an outline type); barcode-page-code39.bmp,
// barcode-page-code128.bmp and barcode-page-jan13.bmp (one type of each family
// of keys: element widths, module, EAN/UPC); code2d-page-qr.bmp and
// code2d-page-pdf417.bmp. Exits 1 when a window does not open or a picture is
// not saved, 2 on a wrong command line.
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "tests/app_win32/window_picture.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: page_pictures FOLDER\n", stderr);
        return 2;
    }
    using vx::PageKind;
    const std::filesystem::path folder = argv[1];
    bool saved = vx::test::savePagePictures(PageKind::CharacterFont, folder,
                                            {
                                                {0, L"font-page-bitmap.bmp"},
                                                {20, L"font-page-outline.bmp"},
                                            });
    saved &= vx::test::savePagePictures(PageKind::Barcode, folder,
                                        {
                                            {3, L"barcode-page-code39.bmp"},   // CODE39
                                            {2, L"barcode-page-code128.bmp"},  // CODE128
                                            {8, L"barcode-page-jan13.bmp"},    // JAN/EAN13
                                        });
    saved &= vx::test::savePagePictures(PageKind::Code2D, folder,
                                        {
                                            {4, L"code2d-page-qr.bmp"},      // QR code
                                            {3, L"code2d-page-pdf417.bmp"},  // PDF417
                                        });
    return saved ? 0 : 1;
}
