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
// code2d-page-pdf417.bmp; preview-qr-label.bmp (the demo label printer's QR
// code font, the 2D page's fifth, with a module of 12 dots on its 4 × 2 inch
// label) and preview-code128-wristband.bmp (the demo wristband printer's
// CODE128 font, the 1D page's third, turned along its 25 mm band), both at
// true size on 305 dpi printers; preview-font-label.bmp (a reversed 24 × 24
// dot kanji font at 2.0 × 2.0 at true size on a 4 × 2 inch label of a 305
// dpi printer) and preview-font-zoom.bmp (the same at four times). Exits 1
// when a window does not open or a picture is not saved, 2 on a wrong
// command line.
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "app/win32/preview_window.h"
#include "resources/resource.h"
#include "settings/driver_font_file.h"
#include "tests/app_win32/window_picture.h"
#include "tests/preview/preview_records.h"

namespace {

vx::CharacterFontRecord reversedKanji() {
    vx::CharacterFontRecord r = vx::test::characterFontOfType(vx::test::kKanjiGothic24);
    r.originX = "0100";
    r.originY = "00080";
    r.sizeX = r.sizeY = "20";
    r.spacingAdjust = "+";
    r.spacing = "04";
    r.decoration = "W";
    r.decorationParams = "0808";
    return r;
}

bool savePreview(vx::test::FontPageWindow& page, HWND preview, const std::filesystem::path& file) {
    RedrawWindow(preview, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    vx::test::settle(page);
    return vx::test::reportPicture(vx::test::saveWindowPicture(preview, file), file);
}

bool openPreview(vx::test::FontPageWindow& page, vx::PreviewWindow& preview) {
    if (!page.opened() || !preview.open(page.window().hwnd())) {
        std::fputs("The preview window did not open (is DISPLAY set?)\n", stderr);
        return false;
    }
    SetWindowPos(preview.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    return true;
}

// The settings of a demo printer's driver font file, as the window loads them.
vx::SettingsStore demoSettings(const wchar_t* fileName) {
    vx::SettingsStore store;
    vx::loadDriverFontFile(std::filesystem::path(vx::widen(VX_DEMO_DIR)) / fileName, store);
    return store;
}

// Symbol fonts of the demo printers at true size, on their labels.
bool saveSymbolPreviewPictures(const std::filesystem::path& folder) {
    vx::test::FontPageWindow page(vx::PageKind::Code2D);
    vx::PreviewWindow preview;
    if (!openPreview(page, preview)) return false;

    vx::Code2DRecord qrCode = demoSettings(L"ALTOD.DVF").codes2D[4];
    qrCode.qrCode.moduleWidth = "12";
    preview.show({vx::PageKind::Code2D, 4, qrCode},
                 {"Label printer", 305, vx::LabelSize{101.6, 50.8}});
    bool saved = savePreview(page, preview.hwnd(), folder / L"preview-qr-label.bmp");

    preview.show({vx::PageKind::Barcode, 2, demoSettings(L"ALTOLD.DVF").barcodes[2]},
                 {"病棟リストバンド 3F", 305, vx::LabelSize{25.0, 254.0}});
    saved &= savePreview(page, preview.hwnd(), folder / L"preview-code128-wristband.bmp");
    return saved;
}

// The preview window over the main window, at true size and zoomed.
bool savePreviewPictures(const std::filesystem::path& folder) {
    vx::test::FontPageWindow page;
    vx::PreviewWindow preview;
    if (!openPreview(page, preview)) return false;
    preview.show({vx::PageKind::CharacterFont, 15, reversedKanji()},
                 {"Label printer", 305, vx::LabelSize{101.6, 50.8}});
    bool saved = savePreview(page, preview.hwnd(), folder / L"preview-font-label.bmp");

    HWND zoom = preview.item(IDC_PREVIEW_ZOOM);
    SendMessageW(zoom, CB_SETCURSEL, static_cast<WPARAM>(vx::PreviewZoom::Quadruple), 0);
    SendMessageW(preview.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_ZOOM, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(zoom));
    saved &= savePreview(page, preview.hwnd(), folder / L"preview-font-zoom.bmp");
    return saved;
}

}  // namespace

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
    saved &= saveSymbolPreviewPictures(folder);
    saved &= savePreviewPictures(folder);
    return saved ? 0 : 1;
}
