#include "pages/type_list_page.h"

#include <vector>

#include "resources/resource.h"
#include "settings/codepage.h"

namespace vx {

namespace {

std::vector<std::string> utf8Names(int count, const std::string& (*name)(int)) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(utf8FromCp932(name(i)));
    return names;
}

}  // namespace

TypeListPageKind barcodePageKind() {
    return {IDC_BC_FONT_NAME,
            IDC_BC_TYPE,
            kBarcodeFontCount,
            kBarcodeTypeCount,
            barcodeFontName,
            barcodeTypeName,
            [](const SettingsStore& s, int n) { return s.barcodes[n].typeIndex; }};
}

TypeListPageKind code2DPageKind() {
    return {IDC_CODE2D_FONT_NAME,
            IDC_CODE2D_TYPE,
            kCode2DFontCount,
            kCode2DTypeCount,
            code2DFontName,
            code2DTypeName,
            [](const SettingsStore& s, int n) { return s.codes2D[n].typeIndex; }};
}

TypeListPage::TypeListPage(SettingsStore& store, Controls& controls, TypeListPageKind kind)
    : store_(store), controls_(controls), kind_(kind) {}

void TypeListPage::create() {
    controls_.setItems(kind_.fontListId, utf8Names(kind_.fontCount, kind_.fontName));
    controls_.setItems(kind_.typeListId, utf8Names(kind_.typeCount, kind_.typeName));
    controls_.select(kind_.fontListId, 0);
    currentFont_ = 0;
    resetAndShow();
}

void TypeListPage::resetAndShow() { showCurrent(); }

void TypeListPage::showCurrent() {
    int chosen = controls_.selection(kind_.fontListId);
    if (chosen >= 0 && chosen < kind_.fontCount) currentFont_ = chosen;
    controls_.select(kind_.fontListId, currentFont_);
    // A type outside the table shows no choice rather than a wrong one.
    controls_.select(kind_.typeListId, kind_.typeIndex(store_, currentFont_));
}

void TypeListPage::onListChanged(int id) {
    if (id == kind_.fontListId) showCurrent();
}

}  // namespace vx
