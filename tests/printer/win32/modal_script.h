// Drives the modal windows of the test's own thread from a thread timer,
// which fires inside any modal loop (dialogs, message boxes). Each step
// waits until its window is there and ready, then acts on it. A deadline
// cancels whatever is open, so that a failing test cannot hang.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vx::test {

// A top-level dialog (#32770) of this thread with this caption that is
// visible and enabled (no modal window of its own on top); else null.
HWND readyDialog(const std::wstring& caption);

std::wstring text(HWND window);

// The child windows of a class (any letter case), in window order.
std::vector<HWND> children(HWND parent, const wchar_t* className);

// The message box's own text (its static text that is not an icon).
std::wstring messageBoxText(HWND box);
// The captions of the message box's buttons, in creation order.
std::vector<std::wstring> messageBoxButtons(HWND box);
// The icon the message box shows; null without one.
HICON messageBoxIcon(HWND box);

// Clicks a button of a dialog as the user would (BM_CLICK, posted).
void click(HWND dialog, int buttonId);

class ModalScript {
public:
    using Find = std::function<HWND()>;
    using Act = std::function<void(HWND)>;

    explicit ModalScript(std::chrono::milliseconds deadline = std::chrono::seconds(20));
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Adds a step: once `find` returns a window, `act` runs on it.
    ModalScript& when(Find find, Act act);
    // Shorthand: a ready dialog with this caption.
    ModalScript& onDialog(const std::wstring& caption, Act act);

    // True when every step ran before the deadline.
    bool finished() const { return next_ == steps_.size() && !timedOut_; }
    bool timedOut() const { return timedOut_; }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void run();

    struct Step {
        Find find;
        Act act;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool timedOut_ = false;
    bool busy_ = false;
    std::chrono::steady_clock::time_point deadline_;
    UINT_PTR timer_ = 0;
};

}  // namespace vx::test
