#include "bench/win32/remote_window.h"

#include <commctrl.h>

#include <vector>

namespace vx::bench {

namespace {

constexpr UINT kMessageTimeoutMs = 2000;

std::vector<HWND> visibleTopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window)) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window's text through WM_GETTEXT, which the system copies across
// processes.
std::wstring textOf(HWND window) {
    wchar_t buffer[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer),
                             reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &copied)) {
        return {};
    }
    return buffer;
}

// Nothing left to paint: neither the window nor any of its visible
// controls has an update region. Asked of the system, not of the window's
// thread, so that work the program does after painting does not count.
// Hidden controls (the pages behind the one in front) are not visited, so
// that one look stays short.
bool painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && !painted(child)) return false;
    }
    return true;
}

// Memory in another process, freed with the object.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, std::size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteBlock() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    template <typename T>
    T* at(std::size_t offset) const {
        return reinterpret_cast<T*>(static_cast<char*>(address_) + offset);
    }
    bool write(std::size_t offset, const void* data, std::size_t size) const {
        return WriteProcessMemory(process_, at<char>(offset), data, size, nullptr) != FALSE;
    }

private:
    HANDLE process_;
    void* address_;
};

}  // namespace

Clock::Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
}

double Clock::elapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
}

HWND paintedList(DWORD processId) {
    for (HWND window : visibleTopLevelWindows(processId)) {
        HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
        if (list != nullptr && IsWindowVisible(list) && painted(window)) return list;
    }
    return nullptr;
}

std::size_t itemCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &count)) {
        return 0;
    }
    return count;
}

HWND paintedWindow(DWORD processId, const std::wstring& title) {
    for (HWND window : visibleTopLevelWindows(processId)) {
        wchar_t caption[256] = {};
        // The caption as the system keeps it, without asking the window.
        InternalGetWindowText(window, caption, static_cast<int>(std::size(caption)));
        if (title == caption && painted(window)) return window;
    }
    return nullptr;
}

HWND windowShowing(DWORD processId, const std::wstring& text) {
    for (HWND window : visibleTopLevelWindows(processId)) {
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (textOf(child) == text) return window;
        }
    }
    return nullptr;
}

bool selectItem(HANDLE process, HWND list, const std::wstring& text) {
    // One block: the text, the search and the item state.
    const std::size_t textBytes = (text.size() + 1) * sizeof(wchar_t);
    const std::size_t findAt = (textBytes + 15) / 16 * 16;
    const std::size_t itemAt = findAt + (sizeof(LVFINDINFOW) + 15) / 16 * 16;
    RemoteBlock block(process, itemAt + sizeof(LVITEMW));
    if (!block) return false;
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = block.at<wchar_t>(0);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (!block.write(0, text.c_str(), textBytes) || !block.write(findAt, &find, sizeof find) ||
        !block.write(itemAt, &state, sizeof state)) {
        return false;
    }
    DWORD_PTR index = 0;
    if (!SendMessageTimeoutW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(block.at<LVFINDINFOW>(findAt)),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &index) ||
        static_cast<LRESULT>(index) < 0) {
        return false;
    }
    DWORD_PTR done = 0;
    return SendMessageTimeoutW(list, LVM_SETITEMSTATE, index,
                               reinterpret_cast<LPARAM>(block.at<LVITEMW>(itemAt)),
                               SMTO_ABORTIFHUNG, kMessageTimeoutMs, &done) != 0 &&
           done != 0;
}

}  // namespace vx::bench
