// The parts of the main window made after the window itself, so that the
// printer selection shows sooner: first the frame (menu, icon, bars, tabs
// and the pages' windows), then each page's controls in the tabs' order.
// Idle moments move them on a short step at a time, the selection's once it
// has painted and the window's own once nothing waits to be handled or
// painted; what the window needs sooner it asks for and gets at once.
#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

#include "app/win32/setting_page_slot.h"

namespace vx {

using PageSlots = std::array<std::unique_ptr<SettingPageSlot>, kPageCount>;

class WindowStaging {
public:
    // `makeFrame` creates the frame, the slots in `pages` with it.
    WindowStaging(std::function<void()> makeFrame, const PageSlots& pages);

    // The frame, made now unless it exists.
    void frame();
    // The frame and every control of the page, made now as far as missing.
    void completePage(int page);

    // An idle moment of a modal dialog of the window (the printer
    // selection): one step, once the dialog has painted. While more is
    // left, a message to the dialog brings its next idle moment.
    void dialogIdle(HWND dialog);
    // An idle moment of the window's own loop: steps until a message
    // waits (a paint among them) or nothing is left.
    void loopIdle();

private:
    bool finished() const;
    // Makes the next missing part, or a part of it within about `budget`;
    // false when nothing is left.
    bool step(std::chrono::steady_clock::duration budget);

    std::function<void()> makeFrame_;
    const PageSlots& pages_;
    bool framed_ = false;
};

}  // namespace vx
