// The controls interface over the child controls of one dialog window,
// addressed by control ID. Thin: every method is one or two messages to a
// real control. Its only state is the guard that tells the page view which
// notifications the program caused itself.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include "pages/controls.h"

namespace vx {

class Win32Controls : public Controls {
public:
    explicit Win32Controls(HWND dialog) : dialog_(dialog) {}
    Win32Controls(const Win32Controls&) = delete;
    Win32Controls& operator=(const Win32Controls&) = delete;

    HWND dialog() const { return dialog_; }

    // True while the program itself changes controls (an edit's text sends
    // EN_CHANGE, focus moves away from a control being disabled, ...). The page
    // view routes no notification to the page logic while this holds.
    bool filling() const { return filling_ > 0; }

    // Marks a stretch of programmatic changes, for example a whole transfer of
    // values into the controls. Every changing method below holds one too.
    class NotificationGuard {
    public:
        explicit NotificationGuard(Win32Controls& controls) : controls_(controls) {
            ++controls_.filling_;
        }
        ~NotificationGuard() { --controls_.filling_; }
        NotificationGuard(const NotificationGuard&) = delete;
        NotificationGuard& operator=(const NotificationGuard&) = delete;

    private:
        Win32Controls& controls_;
    };

    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    void setItems(int id, const std::vector<std::string>& items) override;
    void insertItem(int id, int position, std::string_view item) override;
    void removeItem(int id, int position) override;
    int itemCount(int id) const override;
    std::string itemText(int id, int position) const override;
    int selection(int id) const override;
    void select(int id, int position) override;
    bool selectByPrefix(int id, std::string_view prefix) override;
    void setSpinRange(int spinId, int minimum, int maximum) override;
    std::pair<int, int> spinRange(int spinId) const override;
    int focused() const override;

private:
    HWND item(int id) const { return GetDlgItem(dialog_, id); }
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
    }
    std::wstring wideItemText(int id, int position) const;

    HWND dialog_;
    int filling_ = 0;
};

// The styles of every spin button: it writes its position into its buddy
// edit as plain digits, sits on the edit's right side and follows the arrow
// keys.
inline constexpr DWORD kSpinStyles =
    UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_ARROWKEYS;

// Returns the spin button `spinId` of `dialog`, buddied to the edit `editId`.
// A template normally defines it; when it does not, a spin button with
// kSpinStyles is created here, and a template's spin without a buddy gets the
// edit as its buddy. Returns null when the edit does not exist.
HWND attachSpin(HWND dialog, int editId, int spinId);

}  // namespace vx
