// The version box.
#pragma once

#include "ui/win32/dialog.h"

namespace vx {

class AboutDialog : public Dialog {
protected:
    bool onCommand(int id, int, HWND) override {
        if (id != IDOK && id != IDCANCEL) return false;
        endModal(id);
        return true;
    }
};

}  // namespace vx
