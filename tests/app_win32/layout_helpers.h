// What the layout checks of the setting pages measure: the page's child
// controls, their rectangles and kinds, and the widths of texts in their
// fonts.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <climits>
#include <string>
#include <vector>

namespace vx::test::layout {

inline std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline LONG_PTR style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

inline bool isFrame(HWND window) {
    return lstrcmpiW(className(window).c_str(), L"Button") == 0 &&
           (style(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

inline bool isLabel(HWND window) { return lstrcmpiW(className(window).c_str(), L"Static") == 0; }

// The page's child controls in creation (tab) order.
inline std::vector<HWND> children(HWND page) {
    std::vector<HWND> result;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        result.push_back(child);
    }
    return result;
}

// A control's rectangle in the page's client coordinates (a list: closed).
inline RECT rectIn(HWND page, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline bool overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

inline SIZE textSize(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

inline int clientWidth(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client.right;
}

inline int clientHeight(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client.bottom;
}

// The measurements mean something only with the dialog font that the Wine
// prefix is meant to provide: one with Japanese glyphs.
inline bool dialogFontHasJapaneseGlyphs(HWND page) {
    HDC dc = GetDC(page);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)));
    WORD glyphs[2] = {};
    const DWORD converted = GetGlyphIndicesW(dc, L"自動", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(page, dc);
    return converted == 2 && glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
}

// Dialog units of the page in pixels.
inline int horizontalPixels(HWND page, int dialogUnits) {
    RECT rect{0, 0, dialogUnits, 0};
    MapDialogRect(page, &rect);
    return rect.right;
}

// The label nearest to the left of `rect` on its row, and the control
// nearest to its right that starts within a few dialog units.
inline HWND labelLeftOf(HWND page, const RECT& rect) {
    HWND best = nullptr;
    LONG bestRight = LONG_MIN;
    for (HWND child : children(page)) {
        RECT r = rectIn(page, child);
        const LONG middle = (r.top + r.bottom) / 2;
        if (isLabel(child) && middle >= rect.top && middle < rect.bottom && r.right <= rect.left &&
            r.right > bestRight) {
            best = child;
            bestRight = r.right;
        }
    }
    return best;
}

inline HWND controlRightOf(HWND page, const RECT& rect) {
    const LONG reach = rect.right + horizontalPixels(page, 8);
    HWND best = nullptr;
    LONG bestLeft = LONG_MAX;
    for (HWND child : children(page)) {
        RECT r = rectIn(page, child);
        const LONG middle = (r.top + r.bottom) / 2;
        if (!isFrame(child) && middle >= rect.top && middle < rect.bottom && r.left >= rect.right &&
            r.left <= reach && r.left < bestLeft) {
            best = child;
            bestLeft = r.left;
        }
    }
    return best;
}

}  // namespace vx::test::layout
