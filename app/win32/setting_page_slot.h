// One setting page in the window: its child dialog, the controls over it,
// the page logic and the routing of its notifications.
#pragma once

#include <memory>

#include "app/win32/page_view.h"
#include "pages/controls.h"
#include "pages/setting_page.h"
#include "settings/settings_store.h"

namespace vx {

struct SettingPageSlot {
    explicit SettingPageSlot(int templateId) : view(templateId) {}
    PageView view;
    std::unique_ptr<Controls> controls;
    std::unique_ptr<SettingPage> page;
    std::unique_ptr<PageEvents> events;
};

// Creates page 0 (1D barcodes), 1 (2D codes) or 2 (character fonts) inside
// `parent` and shows its first driver font.
std::unique_ptr<SettingPageSlot> createSettingPage(int page, HWND parent, SettingsStore& store);

}  // namespace vx
