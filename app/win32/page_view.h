// A setting page in the window: a child dialog from its template whose
// control notifications go to the page logic.
#pragma once

#include "ui/win32/dialog.h"

namespace vx {

// What a page does when the user works its controls.
class PageEvents {
public:
    virtual ~PageEvents() = default;
    virtual void onListChanged(int id) = 0;
    virtual void onListOpened(int id) = 0;
    virtual void onClicked(int id) = 0;
    virtual void onEditLostFocus(int id) = 0;
};

class PageView : public Dialog {
public:
    explicit PageView(int templateId) : templateId_(templateId) {}
    bool create(HWND parent) { return createModeless(parent, templateId_); }
    void setEvents(PageEvents* events) { events_ = events; }

protected:
    bool onCommand(int id, int code, HWND control) override;

private:
    int templateId_;
    PageEvents* events_ = nullptr;
};

}  // namespace vx
