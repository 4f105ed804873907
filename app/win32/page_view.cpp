#include "app/win32/page_view.h"

namespace vx {

bool PageView::onCommand(int id, int code, HWND control) {
    if (control == nullptr || events_ == nullptr) return false;
    switch (code) {
        case CBN_SELCHANGE: events_->onListChanged(id); return true;
        case CBN_DROPDOWN: events_->onListOpened(id); return true;
        case BN_CLICKED: events_->onClicked(id); return true;
        case EN_KILLFOCUS: events_->onEditLostFocus(id); return true;
        default: return false;
    }
}

}  // namespace vx
