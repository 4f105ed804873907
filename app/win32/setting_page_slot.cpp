#include "app/win32/setting_page_slot.h"

#include "pages/type_list_page.h"
#include "pages/win32/win32_controls.h"
#include "resources/resource.h"

namespace vx {

namespace {

// Routes a type-list page's notifications.
class TypeListPageEvents : public PageEvents {
public:
    TypeListPageEvents(TypeListPage& page, TypeListPageKind kind) : page_(page), kind_(kind) {}
    void onListChanged(int id) override {
        if (id == kind_.fontListId) page_.onFontNameChanged();
        if (id == kind_.typeListId) page_.onTypeChanged();
    }
    void onListOpened(int) override {}
    void onClicked(int) override {}
    void onEditLostFocus(int) override {}

private:
    TypeListPage& page_;
    TypeListPageKind kind_;
};

constexpr int kTemplates[] = {IDD_PAGE_BARCODE, IDD_PAGE_CODE2D, IDD_PAGE_FONT};

}  // namespace

std::unique_ptr<SettingPageSlot> createSettingPage(int page, HWND parent, SettingsStore& store) {
    auto slot = std::make_unique<SettingPageSlot>(kTemplates[page]);
    slot->view.create(parent);
    slot->controls = std::make_unique<Win32Controls>(slot->view.hwnd());
    const TypeListPageKind kind = page == 0   ? barcodePageKind()
                                  : page == 1 ? code2DPageKind()
                                              : characterPageKind();
    auto logic = std::make_unique<TypeListPage>(store, *slot->controls, kind);
    slot->events = std::make_unique<TypeListPageEvents>(*logic, kind);
    slot->view.setMuted(true);
    logic->create();
    slot->view.setMuted(false);
    slot->page = std::move(logic);
    slot->view.setEvents(slot->events.get());
    return slot;
}

}  // namespace vx
