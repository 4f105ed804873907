#include "app/win32/window_staging.h"

namespace vx {

namespace {

// One step ends with the control that passes this (a combo box takes about
// 9 ms under Wine), so that a key or click waits no longer than that.
constexpr auto kIdleStep = std::chrono::milliseconds(8);

// Whether a window or one of its controls still has a part to paint.
bool awaitsPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

}  // namespace

WindowStaging::WindowStaging(std::function<void()> makeFrame, const PageSlots& pages)
    : makeFrame_(std::move(makeFrame)), pages_(pages) {}

void WindowStaging::frame() {
    if (framed_) return;
    framed_ = true;
    makeFrame_();
}

void WindowStaging::completePage(int page) {
    frame();
    pages_[page]->complete();
}

bool WindowStaging::finished() const {
    if (!framed_) return false;
    for (const auto& slot : pages_) {
        if (!slot->completed()) return false;
    }
    return true;
}

bool WindowStaging::step(std::chrono::steady_clock::duration budget) {
    if (!framed_) {
        frame();
        return true;
    }
    for (const auto& slot : pages_) {
        if (!slot->completed()) {
            slot->build(budget);
            return true;
        }
    }
    return false;
}

void WindowStaging::dialogIdle(HWND dialog) {
    // Not before the dialog has painted: the user looks at it first.
    if (!awaitsPaint(dialog) && step(kIdleStep) && !finished()) {
        PostMessageW(dialog, WM_NULL, 0, 0);
    }
}

void WindowStaging::loopIdle() {
    MSG waiting;
    while (!finished() && !PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE)) step(kIdleStep);
}

}  // namespace vx
