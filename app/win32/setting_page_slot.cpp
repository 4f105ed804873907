#include "app/win32/setting_page_slot.h"

#include "pages/character_font_page.h"
#include "pages/type_list_page.h"
#include "pages/win32/win32_controls.h"
#include "resources/resource.h"

namespace vx {

namespace {

// Routes a page's notifications to its logic.
template <class Page>
class RoutedPageEvents : public PageEvents {
public:
    RoutedPageEvents(Page& page, const Win32Controls& controls) : page_(page), controls_(controls) {}
    // What the program itself does to the controls is not the user's doing.
    void onListChanged(int id) override {
        if (!controls_.filling()) page_.onListChanged(id);
    }
    void onListOpened(int id) override {
        if (!controls_.filling()) page_.onListOpened(id);
    }
    void onClicked(int id) override {
        if (!controls_.filling()) page_.onAutoClicked(id);
    }
    void onEditLostFocus(int id) override {
        if (!controls_.filling()) page_.onEditLostFocus(id);
    }

private:
    Page& page_;
    const Win32Controls& controls_;
};

template <class Page>
void attach(SettingPageSlot& slot, const Win32Controls& controls, std::unique_ptr<Page> page) {
    slot.events = std::make_unique<RoutedPageEvents<Page>>(*page, controls);
    page->create();
    slot.page = std::move(page);
    slot.view.setEvents(slot.events.get());
}

constexpr int kTemplates[] = {IDD_PAGE_BARCODE, IDD_PAGE_CODE2D, IDD_PAGE_FONT};

}  // namespace

std::unique_ptr<SettingPageSlot> createSettingPage(int page, HWND parent, SettingsStore& store) {
    auto slot = std::make_unique<SettingPageSlot>(kTemplates[page]);
    slot->view.create(parent);
    auto controls = std::make_unique<Win32Controls>(slot->view.hwnd());
    const Win32Controls& win32 = *controls;
    slot->controls = std::move(controls);
    if (page == 2) {
        attach(*slot, win32, std::make_unique<CharacterFontPage>(store, *slot->controls));
    } else {
        const TypeListPageKind kind = page == 0 ? barcodePageKind() : code2DPageKind();
        attach(*slot, win32, std::make_unique<TypeListPage>(store, *slot->controls, kind));
    }
    return slot;
}

}  // namespace vx
