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

std::unique_ptr<SettingPageSlot> createSettingPage(PageKind kind, HWND parent,
                                                   SettingsStore& store) {
    auto slot = std::make_unique<SettingPageSlot>(templateOf(kind));
    slot->view.create(parent);
    slot->controls = std::make_unique<Win32Controls>(slot->view.hwnd());
    slot->page = pageOf(kind, store, *slot->controls);
    slot->page->create();
    slot->view.route(slot->page.get(), slot->controls.get());
    return slot;
}

}  // namespace vx
