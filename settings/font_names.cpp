#include "settings/font_names.h"

#include <cstdio>
#include <vector>

#include "settings/barcode_types.h"
#include "settings/character_types.h"
#include "settings/code2d_types.h"
#include "settings/codepage.h"
#include "settings/settings_store.h"

namespace vx {

namespace {

// The type names of a type table, converted likewise.
template <class Row, std::size_t N>
std::vector<std::string> encodeNames(const Row (&rows)[N]) {
    std::vector<std::string> out;
    out.reserve(N);
    for (const Row& row : rows) out.push_back(cp932(row.name));
    return out;
}

std::vector<std::string> numberedNames(std::string_view prefixUtf8, int count) {
    std::vector<std::string> out;
    const std::string prefix = cp932(prefixUtf8);
    for (int n = 1; n <= count; ++n) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%02d", n);
        out.push_back(prefix + digits);
    }
    return out;
}

const std::string& entryOrEmpty(const std::vector<std::string>& table, int index) {
    static const std::string empty;
    if (index < 0 || index >= static_cast<int>(table.size())) return empty;
    return table[static_cast<std::size_t>(index)];
}

int indexOf(const std::vector<std::string>& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == name) return static_cast<int>(i);
    }
    return -1;
}

const std::vector<std::string>& characterTypes() {
    static const std::vector<std::string> table = encodeNames(kCharacterTypes);
    return table;
}
const std::vector<std::string>& barcodeTypes() {
    static const std::vector<std::string> table = encodeNames(kBarcodeTypes);
    return table;
}
const std::vector<std::string>& code2DTypes() {
    static const std::vector<std::string> table = encodeNames(kCode2DTypes);
    return table;
}

}  // namespace

const std::string& characterFontName(int fontNumber) {
    static const std::vector<std::string> names =
        numberedNames("ZEL文字フォント", kCharacterFontCount);
    return entryOrEmpty(names, fontNumber);
}
const std::string& barcodeFontName(int fontNumber) {
    static const std::vector<std::string> names = numberedNames("ZELバーコード", kBarcodeFontCount);
    return entryOrEmpty(names, fontNumber);
}
const std::string& code2DFontName(int fontNumber) {
    static const std::vector<std::string> names = numberedNames("ZEL2次元コード", kCode2DFontCount);
    return entryOrEmpty(names, fontNumber);
}

const std::string& characterTypeName(int typeIndex) {
    return entryOrEmpty(characterTypes(), typeIndex);
}
const std::string& barcodeTypeName(int typeIndex) {
    return entryOrEmpty(barcodeTypes(), typeIndex);
}
const std::string& code2DTypeName(int typeIndex) { return entryOrEmpty(code2DTypes(), typeIndex); }

int characterTypeIndexOf(std::string_view typeName) { return indexOf(characterTypes(), typeName); }
int barcodeTypeIndexOf(std::string_view typeName) { return indexOf(barcodeTypes(), typeName); }
int code2DTypeIndexOf(std::string_view typeName) { return indexOf(code2DTypes(), typeName); }

}  // namespace vx
