// The modeless preview window: the font of the page in front, drawn at true
// size, enlarged or fitted, as the user chooses, on the bound printer's
// label, with the data editable and the drawing saved as SVG on request.
// The main window tells it what to show; closing it only hides it, so the
// user's data and zoom stay.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "app/preview_content.h"
#include "preview/preview_zoom.h"
#include "ui/win32/dialog.h"

namespace vx {

class PreviewWindow : public Dialog {
public:
    // Creates the window on first use and brings it to the front.
    bool open(HWND owner);
    bool isOpen() const { return hwnd() != nullptr && IsWindowVisible(hwnd()) != FALSE; }
    // Shows the subject for the printer; the data box gets the type's sample
    // when the font or its type changed.
    void show(const PreviewSubject& subject, const PreviewPrinter& printer);
    // The window's own keys (zoom) and the dialog keys of its controls, for
    // a message meant for the window or one of its controls.
    bool translate(MSG& message);

    // What is shown, for tests.
    const PreviewContent& content() const { return content_; }
    PreviewScale scale() const { return scaleAt(zoom_); }
    ScrollPosition scroll() const { return scroll_; }
    // Where the box of what is printed was last drawn, in the canvas's
    // client pixels.
    RECT symbolPixels() const { return symbolPixels_; }
    // Writes what is drawn as SVG, as 名前を付けて保存 (SVG) does after
    // asking for the file; false when nothing is drawn or the file could
    // not be written.
    bool saveSvgTo(const std::filesystem::path& file) const;

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code, HWND control) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void refresh(bool dataReplaced);
    void paintCanvas(const DRAWITEMSTRUCT& item);
    PreviewScale scaleAt(PreviewZoom zoom) const;
    SIZE canvasRoom() const;
    void setZoom(PreviewZoom zoom);
    void scrollTo(ScrollPosition position);
    void updateScrollBars();
    void onScroll(HWND bar, int request);
    void saveSvg();

    PreviewSession session_;
    std::optional<PreviewSubject> subject_;
    PreviewPrinter printer_;
    PreviewContent content_;
    PreviewZoom zoom_ = PreviewZoom::TrueSize;
    ScrollPosition scroll_;
    RECT symbolPixels_{};
    HACCEL keys_ = nullptr;
    bool filling_ = false;  // the program itself sets the data box
};

}  // namespace vx
