// A small dialog base over plain Win32: modal and modeless dialogs from
// templates, with `this` kept in the window and one virtual per message
// family. Derived classes stay thin and route to the portable logic.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace vx {

class DialogTemplate;

class Dialog {
public:
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value given to endModal, or -1.
    INT_PTR runModal(HWND owner, int templateId);
    // Creates the dialog as a modeless window (for example a child page).
    bool createModeless(HWND parent, int templateId);
    // The same from a template read beforehand, without its controls (the
    // caller adds them, see DialogTemplate).
    bool createModelessWithoutControls(HWND parent, const DialogTemplate& dialogTemplate);

    // What escapes a handler of any dialog (exhausted memory, any other
    // failure of the standard library) is handed to this, on the user
    // interface thread, instead of unwinding through the system's window
    // procedure, which cannot pass it on; the window goes on.
    using EscapeHandler = void (*)(HWND window, const std::exception& escaped);
    static void setEscapeHandler(EscapeHandler handler);
    // The same for what escapes work outside a handler (the message loop's).
    static void reportEscape(HWND window, const std::exception& escaped);

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    void endModal(INT_PTR result) { EndDialog(hwnd_, result); }

protected:
    Dialog() = default;

    // Return TRUE to let the system set the focus.
    virtual BOOL onInitDialog() { return TRUE; }
    // Commands from controls, menus and accelerators. Return true if handled.
    virtual bool onCommand(int id, int code, HWND control) {
        (void)id, (void)code, (void)control;
        return false;
    }
    // WM_NOTIFY; set `result` for notifications that return a value.
    virtual bool onNotify(NMHDR& header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }
    // Every other message; return true if handled.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }

private:
    static INT_PTR CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool modeless_ = false;
};

// UTF-8 <-> UTF-16 at the Windows boundary.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The window text of a control as UTF-8.
std::string windowText(HWND window);

// The full path of the running program, however long.
std::wstring executablePath();

}  // namespace vx
