// Message boxes with the tool's caption.
#pragma once

#include <windows.h>

#include "app/main_window_ports.h"

namespace vx {

class Win32MessageBoxes : public MessageBoxes {
public:
    explicit Win32MessageBoxes(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }
    MessageAnswer show(std::string_view text, MessageButtons buttons, MessageIcon icon) override;

private:
    HWND owner_;
};

}  // namespace vx
