#include "app/win32/page_view.h"

namespace vx {

bool PageView::onCommand(int id, int code, HWND control) {
    if (control == nullptr || page_ == nullptr) return false;
    const bool user = controls_ == nullptr || !controls_->filling();
    const bool handled = deliver(id, code, user);
    if (user && (handled || code == EN_CHANGE)) {
        SendMessageW(GetParent(hwnd()), kPageEditedMessage, 0, 0);
    }
    return handled;
}

bool PageView::deliver(int id, int code, bool user) {
    switch (code) {
        case CBN_SELCHANGE:
            if (user) page_->onListChanged(id);
            return true;
        case CBN_DROPDOWN:
            if (user) page_->onListOpened(id);
            return true;
        case CBN_KILLFOCUS:
            if (user) page_->onListLostFocus(id);
            return true;
        case BN_CLICKED:
            if (user) page_->onClicked(id);
            return true;
        case EN_KILLFOCUS:
            if (user) page_->onEditLostFocus(id);
            return true;
        default:
            return false;
    }
}

}  // namespace vx
