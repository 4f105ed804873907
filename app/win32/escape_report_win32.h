// The window's message box for what escapes a handler (Dialog's escape
// handler): the tool's caption, owned by the window's top-level window.
#pragma once

#include <windows.h>

#include <stdexcept>

namespace vx {

void tellEscapedFailure(HWND window, const std::exception& escaped);

}  // namespace vx
