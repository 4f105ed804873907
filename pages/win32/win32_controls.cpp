#include "pages/win32/win32_controls.h"

#include "ui/win32/dialog.h"

namespace vx {

std::string Win32Controls::text(int id) const { return windowText(item(id)); }

void Win32Controls::setText(int id, std::string_view text) {
    // A control already showing the text is left alone: setting it again
    // would redraw it (and move an edit's caret) for nothing, which every
    // fill of a page would do to most of its controls.
    if (windowText(item(id)) == text) return;
    NotificationGuard guard(*this);
    SetWindowTextW(item(id), widen(text).c_str());
}

bool Win32Controls::checked(int id) const { return send(id, BM_GETCHECK) == BST_CHECKED; }

void Win32Controls::setChecked(int id, bool checked) {
    NotificationGuard guard(*this);
    send(id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32Controls::enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }

void Win32Controls::setEnabled(int id, bool enabled) {
    NotificationGuard guard(*this);
    EnableWindow(item(id), enabled ? TRUE : FALSE);
}

void Win32Controls::setItems(int id, const std::vector<std::string>& items) {
    NotificationGuard guard(*this);
    send(id, CB_RESETCONTENT);
    for (const std::string& text : items) {
        send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
    }
}

void Win32Controls::insertItem(int id, int position, std::string_view item) {
    NotificationGuard guard(*this);
    // The list refuses positions past its end; they mean the end, as -1 does.
    if (position < 0 || position > itemCount(id)) position = -1;
    send(id, CB_INSERTSTRING, static_cast<WPARAM>(position),
         reinterpret_cast<LPARAM>(widen(item).c_str()));
}

void Win32Controls::removeItem(int id, int position) {
    NotificationGuard guard(*this);
    send(id, CB_DELETESTRING, static_cast<WPARAM>(position));
}

int Win32Controls::itemCount(int id) const {
    LRESULT count = send(id, CB_GETCOUNT);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::wstring Win32Controls::wideItemText(int id, int position) const {
    if (position < 0) return {};
    LRESULT length = send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(position));
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT got = send(id, CB_GETLBTEXT, static_cast<WPARAM>(position),
                       reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::string Win32Controls::itemText(int id, int position) const {
    return narrow(wideItemText(id, position));
}

int Win32Controls::selection(int id) const {
    LRESULT position = send(id, CB_GETCURSEL);
    return position == CB_ERR ? -1 : static_cast<int>(position);
}

void Win32Controls::select(int id, int position) {
    NotificationGuard guard(*this);
    send(id, CB_SETCURSEL, static_cast<WPARAM>(position));
}

bool Win32Controls::selectByPrefix(int id, std::string_view prefix) {
    // CB_FINDSTRING and CB_SELECTSTRING ignore case; the page needs the exact
    // text, so the search is done here.
    const std::wstring wanted = widen(prefix);
    const int count = itemCount(id);
    for (int position = 0; position < count; ++position) {
        if (wideItemText(id, position).starts_with(wanted)) {
            select(id, position);
            return true;
        }
    }
    return false;
}

void Win32Controls::setSpinRange(int spinId, int minimum, int maximum) {
    NotificationGuard guard(*this);
    send(spinId, UDM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
}

int Win32Controls::focused() const {
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(dialog_, focus) ? GetDlgCtrlID(focus) : 0;
}

std::pair<int, int> Win32Controls::spinRange(int spinId) const {
    int minimum = 0;
    int maximum = 0;
    send(spinId, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum),
         reinterpret_cast<LPARAM>(&maximum));
    return {minimum, maximum};
}

HWND attachSpin(HWND dialog, int editId, int spinId) {
    HWND edit = GetDlgItem(dialog, editId);
    if (edit == nullptr) return nullptr;
    HWND spin = GetDlgItem(dialog, spinId);
    if (spin == nullptr) {
        spin = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | kSpinStyles, 0, 0,
                               0, 0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spinId)),
                               GetModuleHandleW(nullptr), nullptr);
        if (spin == nullptr) return nullptr;
        // Right after its edit in the tab order, as a template puts it.
        SetWindowPos(spin, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)) != edit) {
        SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    }
    return spin;
}

}  // namespace vx
