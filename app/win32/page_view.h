// A setting page in the window: a child dialog from its template whose
// control notifications go to the page logic.
#pragma once

#include "pages/setting_page.h"
#include "pages/win32/win32_controls.h"
#include "ui/win32/dialog.h"

namespace vx {

// Sent to the page's parent after the page has heard of the user's doing
// and when the user changes an edit's text, so that views that follow the
// page (the preview) can update.
inline constexpr UINT kPageEditedMessage = WM_APP + 1;

class PageView : public Dialog {
public:
    // From now on the page hears of what the user does to its controls;
    // what the program itself does to them (`controls` filling) it does not.
    void attach(SettingPage* page, const Win32Controls* controls) {
        page_ = page;
        controls_ = controls;
    }

protected:
    bool onCommand(int id, int code, HWND control) override;

private:
    // Hands a notification to the page; false for those it does not hear of.
    bool deliver(int id, int code, bool user);

    SettingPage* page_ = nullptr;
    const Win32Controls* controls_ = nullptr;
};

}  // namespace vx
