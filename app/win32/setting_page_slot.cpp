#include "app/win32/setting_page_slot.h"

#include "pages/barcode_page.h"
#include "pages/character_font_page.h"
#include "pages/code2d_page.h"
#include "resources/resource.h"

namespace vx {

namespace {

int templateOf(PageKind kind) {
    switch (kind) {
        case PageKind::Barcode: return IDD_PAGE_BARCODE;
        case PageKind::Code2D: return IDD_PAGE_CODE2D;
        case PageKind::CharacterFont: break;
    }
    return IDD_PAGE_FONT;
}

std::unique_ptr<SettingPage> pageOf(PageKind kind, SettingsStore& store, Controls& controls) {
    switch (kind) {
        case PageKind::Barcode:
            return std::make_unique<BarcodePage>(store, controls);
        case PageKind::Code2D:
            return std::make_unique<Code2DPage>(store, controls);
        case PageKind::CharacterFont: break;
    }
    return std::make_unique<CharacterFontPage>(store, controls);
}

}  // namespace

SettingPageSlot::SettingPageSlot(PageKind kind, HWND parent, SettingsStore& store)
    : template_(templateOf(kind)) {
    view.createModelessWithoutControls(parent, template_);
    controls = std::make_unique<Win32Controls>(view.hwnd());
    page = pageOf(kind, store, *controls);
}

bool SettingPageSlot::build(std::chrono::steady_clock::duration budget) {
    const auto start = std::chrono::steady_clock::now();
    while (next_ < template_.controlCount()) {
        template_.createControl(view.hwnd(), next_++);
        if (std::chrono::steady_clock::now() - start >= budget) break;
    }
    if (next_ == template_.controlCount() && !attached_) {
        page->create();
        view.attach(page.get(), controls.get());
        attached_ = true;
    }
    return completed();
}

}  // namespace vx
