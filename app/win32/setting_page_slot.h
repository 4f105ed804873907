// One setting page in the window: its child dialog, the controls over it and
// the page logic, which hears of its controls' notifications. The page's
// window and logic exist from the start; its controls are added in steps.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>

#include "app/win32/page_view.h"
#include "pages/setting_page.h"
#include "pages/win32/win32_controls.h"
#include "settings/settings_store.h"
#include "ui/win32/dialog_template.h"

namespace vx {

class SettingPageSlot {
public:
    // The page's window inside `parent`, hidden and without its controls,
    // and its logic.
    SettingPageSlot(PageKind kind, HWND parent, SettingsStore& store);

    // Adds controls in the template's order until `budget` has passed (at
    // least one). With the last one the page fills its lists and begins to
    // hear of its controls. True once the page is complete.
    bool build(std::chrono::steady_clock::duration budget);
    // Adds every control left.
    void complete() { build(std::chrono::steady_clock::duration::max()); }
    bool completed() const { return next_ == template_.controlCount() && attached_; }

    PageView view;
    std::unique_ptr<Win32Controls> controls;
    std::unique_ptr<SettingPage> page;

private:
    DialogTemplate template_;
    std::size_t next_ = 0;  // the next control to create
    bool attached_ = false;
};

}  // namespace vx
