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
};

TypeListPageKind barcodePageKind();
TypeListPageKind code2DPageKind();

class TypeListPage : public SettingPage {
public:
    TypeListPage(SettingsStore& store, Controls& controls, TypeListPageKind kind);

    // Fills the lists and shows the first driver font.
    void create() override;
    void resetAndShow() override;
    // Stores nothing: a type alone, without the parameters of its keys,
    // would leave a half record for the file.
    void storeCurrent() override {}

    void onListChanged(int id) override;
    // The page has no other controls yet.
    void onListOpened(int) override {}
    void onListLostFocus(int) override {}
    void onClicked(int) override {}
    void onEditLostFocus(int) override {}

    int currentFont() const { return currentFont_; }

private:
    void showCurrent();

    SettingsStore& store_;
    Controls& controls_;
    TypeListPageKind kind_;
    int currentFont_ = 0;
};

}  // namespace vx
