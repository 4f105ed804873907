// Watching and driving another process's windows for the start-up
// benchmark: only messages that the system carries across processes, and
// the process's own memory for the list view's structures.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace vx::bench {

class Clock {
public:
    Clock();
    double elapsedMs() const;

private:
    LARGE_INTEGER start_{};
    LARGE_INTEGER frequency_{};
};

// Polls `found` every millisecond until it gives a window or the time is up.
template <typename Find>
HWND waitFor(DWORD timeoutMs, Find found) {
    const DWORD begin = GetTickCount();
    for (;;) {
        if (HWND window = found()) return window;
        if (GetTickCount() - begin > timeoutMs) return nullptr;
        Sleep(1);
    }
}

// The list view of a visible top-level window of the process, once the
// window and its controls have no part left to paint.
HWND paintedList(DWORD processId);

// The number of items of another process's list view (asks its thread).
std::size_t itemCount(HWND list);

// A visible, painted top-level window of the process with this title.
HWND paintedWindow(DWORD processId, const std::wstring& title);

// A visible top-level window of the process that shows this text in one of
// its controls (a message box).
HWND windowShowing(DWORD processId, const std::wstring& text);

// Selects the item with this text in another process's list view.
bool selectItem(HANDLE process, HWND list, const std::wstring& text);

}  // namespace vx::bench
