#include "ui/win32/dialog.h"

#include "settings/codepage.h"
#include "ui/win32/dialog_template.h"

namespace vx {

Dialog::~Dialog() {
    if (modeless_ && hwnd_ != nullptr) DestroyWindow(hwnd_);
}

INT_PTR Dialog::runModal(HWND owner, int templateId) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                           &Dialog::procedure, reinterpret_cast<LPARAM>(this));
}

bool Dialog::createModeless(HWND parent, int templateId) {
    modeless_ = true;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
                              &Dialog::procedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::createModelessWithoutControls(HWND parent, const DialogTemplate& dialogTemplate) {
    if (!dialogTemplate.valid()) return false;
    modeless_ = true;
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.withoutControls(),
                                      parent, &Dialog::procedure,
                                      reinterpret_cast<LPARAM>(this)) != nullptr;
}

namespace {

Dialog::EscapeHandler escapeHandler = nullptr;

}  // namespace

void Dialog::setEscapeHandler(EscapeHandler handler) { escapeHandler = handler; }

void Dialog::reportEscape(HWND window, const std::exception& escaped) {
    if (escapeHandler != nullptr) escapeHandler(window, escaped);
}

INT_PTR CALLBACK Dialog::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return dispatch(hwnd, message, wParam, lParam);
    } catch (const std::exception& escaped) {
        reportEscape(hwnd, escaped);
    } catch (...) {
        reportEscape(hwnd, std::runtime_error("unknown failure"));
    }
    return FALSE;
}

INT_PTR Dialog::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return self->onInitDialog();
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    LRESULT result = 0;
    switch (message) {
        case WM_COMMAND:
            return self->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_NOTIFY:
            if (self->onNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        case WM_NCDESTROY:
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            if (!self->onMessage(message, wParam, lParam, result)) return FALSE;
            // These few give their result as the procedure's own return
            // value (a brush, an icon, an item's position), not in the
            // message result.
            if ((message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
                message == WM_CHARTOITEM || message == WM_QUERYDRAGICON) {
                return static_cast<INT_PTR>(result);
            }
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}

std::wstring widen(std::string_view utf8) {
    std::u16string wide = utf16FromUtf8(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string narrow(std::wstring_view utf16) {
    return utf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()),
                                             utf16.size()));
}

std::string windowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return narrow(text);
}

}  // namespace vx

namespace vx {

std::wstring executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // never cut a long path
    }
}

}  // namespace vx
