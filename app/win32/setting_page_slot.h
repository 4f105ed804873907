// One setting page in the window: its child dialog, the controls over it and
// the page logic, which hears of its controls' notifications.
#pragma once

#include <memory>

#include "app/win32/page_view.h"
#include "pages/setting_page.h"
#include "pages/win32/win32_controls.h"
#include "settings/settings_store.h"

namespace vx {

struct SettingPageSlot {
    explicit SettingPageSlot(int templateId) : view(templateId) {}
    PageView view;
    std::unique_ptr<Win32Controls> controls;
    std::unique_ptr<SettingPage> page;
};

// Creates the page inside `parent` and shows its first driver font.
std::unique_ptr<SettingPageSlot> createSettingPage(PageKind kind, HWND parent,
                                                   SettingsStore& store);

}  // namespace vx
