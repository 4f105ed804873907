#include "app/win32/message_boxes_win32.h"

#include "app/tool_caption.h"
#include "ui/win32/dialog.h"

namespace vx {

MessageAnswer Win32MessageBoxes::show(std::string_view text, MessageButtons buttons,
                                      MessageIcon icon) {
    UINT type = buttons == MessageButtons::Ok         ? MB_OK
                : buttons == MessageButtons::OkCancel ? MB_OKCANCEL
                : buttons == MessageButtons::YesNo    ? MB_YESNO
                                                      : MB_YESNOCANCEL;
    if (icon == MessageIcon::Exclamation) type |= MB_ICONEXCLAMATION;
    if (icon == MessageIcon::Information) type |= MB_ICONINFORMATION;
    switch (MessageBoxW(owner_, widen(text).c_str(), widen(kToolCaption).c_str(), type)) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace vx
