// A setting page in the window: a child dialog from its template whose
// control notifications go to the page logic.
#pragma once

#include "pages/setting_page.h"
#include "pages/win32/win32_controls.h"
#include "ui/win32/dialog.h"

namespace vx {

class PageView : public Dialog {
public:
    explicit PageView(int templateId) : templateId_(templateId) {}
    bool create(HWND parent) { return createModeless(parent, templateId_); }
    // From now on the page hears of what the user does to its controls;
    // what the program itself does to them (`controls` filling) it does not.
    void route(SettingPage* page, const Win32Controls* controls) {
        page_ = page;
        controls_ = controls;
    }

protected:
    bool onCommand(int id, int code, HWND control) override;

private:
    int templateId_;
    SettingPage* page_ = nullptr;
    const Win32Controls* controls_ = nullptr;
};

}  // namespace vx
