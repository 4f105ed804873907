// The modeless preview window: the font of the page in front, drawn at true
// size (or smaller, as it says) on the bound printer's label, with the data
// to encode editable. The main window tells it what to show; closing it
// only hides it, so the user's data stays for the font shown.
#pragma once

#include <windows.h>

#include <optional>

#include "app/preview_content.h"
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

    // What is shown, for tests.
    const PreviewContent& content() const { return content_; }
    // Where the box of bars and modules was last drawn, in the canvas's
    // client pixels.
    RECT symbolPixels() const { return symbolPixels_; }

protected:
    bool onCommand(int id, int code, HWND control) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void refresh(bool dataReplaced);
    void paintCanvas(const DRAWITEMSTRUCT& item);
    PreviewScale canvasScale() const;

    PreviewSession session_;
    std::optional<PreviewSubject> subject_;
    PreviewPrinter printer_;
    PreviewContent content_;
    RECT symbolPixels_{};
    bool filling_ = false;  // the program itself sets the data box
};

}  // namespace vx
