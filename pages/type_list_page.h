// A page that so far offers only its driver font list and its type list:
// the 1D barcode and 2D code pages until their parameter controls exist.
#pragma once

#include <string>

#include "pages/controls.h"
#include "pages/setting_page.h"
#include "settings/settings_store.h"

namespace vx {

struct TypeListPageKind {
    int fontListId;
    int typeListId;
    int fontCount;
    int typeCount;
    const std::string& (*fontName)(int fontNumber);  // code page 932
    const std::string& (*typeName)(int typeIndex);   // code page 932
    int (*typeIndex)(const SettingsStore& store, int fontNumber);
    void (*storeTypeIndex)(SettingsStore& store, int fontNumber, int typeIndex);
};

TypeListPageKind barcodePageKind();
TypeListPageKind code2DPageKind();
TypeListPageKind characterPageKind();

class TypeListPage : public SettingPage {
public:
    TypeListPage(SettingsStore& store, Controls& controls, TypeListPageKind kind);

    // Fills the lists and shows the first driver font.
    void create();
    void resetAndShow() override;
    void storeCurrent() override;

    // Reactions to the user.
    void onFontNameChanged();
    void onTypeChanged();
    void onListChanged(int id);
    // The page has no other controls yet.
    void onListOpened(int) {}
    void onAutoClicked(int) {}
    void onEditLostFocus(int) {}

    int currentFont() const { return currentFont_; }

private:
    void showCurrent();

    SettingsStore& store_;
    Controls& controls_;
    TypeListPageKind kind_;
    int currentFont_ = 0;
};

}  // namespace vx
