// Pictures of the preview for the documentation, saved only when
// VX_SCREENSHOT_DIR names a folder: preview-font-label.bmp shows a reversed
// 24 × 24 dot kanji font at 2.0 × 2.0 at true size on a 4 × 2 inch label
// of a 305 dpi printer, preview-font-zoom.bmp the same at four times.
#include <gtest/gtest.h>

#include "app/win32/preview_window.h"
#include "resources/resource.h"
#include "tests/app_win32/window_picture.h"
#include "tests/preview/preview_records.h"

namespace vx::test {
namespace {

CharacterFontRecord reversedKanji() {
    CharacterFontRecord r = characterFontOfType(kKanjiGothic24);
    r.originX = "0100";
    r.originY = "00080";
    r.sizeX = r.sizeY = "20";
    r.spacingAdjust = "+";
    r.spacing = "04";
    r.decoration = "W";
    r.decorationParams = "0808";
    return r;
}

void settleWindow(FontPageWindow& page, HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    settle(page);
}

TEST(PreviewPictures, SavesACharacterFontOnALabelAtTrueSizeAndZoomed) {
    const std::filesystem::path folder = screenshotFolder();
    if (folder.empty()) GTEST_SKIP() << "VX_SCREENSHOT_DIR not set";
    FontPageWindow page;
    ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    PreviewWindow preview;
    ASSERT_TRUE(preview.open(page.window().hwnd()));
    SetWindowPos(preview.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    preview.show({PageKind::CharacterFont, 15, reversedKanji()},
                 {"Label printer", 305, LabelSize{101.6, 50.8}});
    settleWindow(page, preview.hwnd());
    EXPECT_TRUE(saveWindowPicture(preview.hwnd(), folder / L"preview-font-label.bmp"));

    HWND zoom = preview.item(IDC_PREVIEW_ZOOM);
    SendMessageW(zoom, CB_SETCURSEL, static_cast<WPARAM>(PreviewZoom::Quadruple), 0);
    SendMessageW(preview.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_ZOOM, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(zoom));
    settleWindow(page, preview.hwnd());
    EXPECT_TRUE(saveWindowPicture(preview.hwnd(), folder / L"preview-font-zoom.bmp"));
}

}  // namespace
}  // namespace vx::test
