#include "app/win32/escape_report_win32.h"

#include "app/escaped_failure.h"
#include "app/tool_caption.h"
#include "ui/win32/dialog.h"

namespace vx {

void tellEscapedFailure(HWND window, const std::exception& escaped) {
    HWND owner = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    MessageBoxW(owner, widen(escapedFailureText(escaped)).c_str(), widen(kToolCaption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace vx
