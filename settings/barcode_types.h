// The barcode types: one row per type, named by BarcodeType, with what the
// reader, the writer, the page and the preview all need to know of it. What
// only one of them needs (the controls the page enables, zint's symbology)
// that one says against BarcodeType in a switch without default, so that a
// type added here and forgotten there does not compile.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "settings/type_table.h"

namespace vx {

// In the order of the type list: the value is the type index.
enum class BarcodeType : int {
    Codabar,
    Code2of5,
    Code128,
    Code39,
    Code39FullAscii,
    Code93,
    Gs1DataBar,
    Itf,
    Jan13,
    Jan13Plus2,
    Jan13Plus5,
    Jan8,
    Jan8Plus2,
    Jan8Plus5,
    MsiPlessey,
    UccEan128,
    UpcA,
    UpcAPlus2,
    UpcAPlus5,
    UpcE,
    UpcEPlus2,
    UpcEPlus5,
    Customer,
};

// Which keys the driver font file holds for a type.
enum class BarcodeFamily : char { ElementWidth, Module, EanUpc, Customer };

// How the printer computes a type's check digit.
enum class CheckDigitScheme : char { None, Modulo10, Modulo43, Msi, EanUpc, UpcE };

struct BarcodeTypeRow {
    BarcodeType type;
    std::string_view name;  // UTF-8, as the type list shows it and the file names it
    int fontType;
    BarcodeFamily family;
    int keyColumn;  // the type's column in its family's key rows
    CheckDigitScheme checkDigit;
    int addOnDigits;  // the EAN/UPC add-on: 0, 2 or 5
};

// clang-format off
inline constexpr BarcodeTypeRow kBarcodeTypes[] = {
    {BarcodeType::Codabar,         "Codabar",             101, BarcodeFamily::ElementWidth, 0, CheckDigitScheme::None,     0},
    {BarcodeType::Code2of5,        "Code 2of5",           102, BarcodeFamily::ElementWidth, 1, CheckDigitScheme::Modulo10, 0},
    {BarcodeType::Code128,         "CODE128",             103, BarcodeFamily::Module,       0, CheckDigitScheme::None,     0},
    {BarcodeType::Code39,          "CODE39",              104, BarcodeFamily::ElementWidth, 2, CheckDigitScheme::Modulo43, 0},
    {BarcodeType::Code39FullAscii, "CODE39(フルアスキー)", 105, BarcodeFamily::ElementWidth, 2, CheckDigitScheme::Modulo43, 0},
    {BarcodeType::Code93,          "CODE93",              106, BarcodeFamily::Module,       1, CheckDigitScheme::None,     0},
    {BarcodeType::Gs1DataBar,      "GS1 DataBar",         107, BarcodeFamily::Module,       3, CheckDigitScheme::None,     0},
    {BarcodeType::Itf,             "ITF",                 108, BarcodeFamily::ElementWidth, 3, CheckDigitScheme::Modulo10, 0},
    {BarcodeType::Jan13,           "JAN/EAN13",           109, BarcodeFamily::EanUpc,       0, CheckDigitScheme::EanUpc,   0},
    {BarcodeType::Jan13Plus2,      "JAN/EAN13+2digits",   110, BarcodeFamily::EanUpc,       0, CheckDigitScheme::EanUpc,   2},
    {BarcodeType::Jan13Plus5,      "JAN/EAN13+5digits",   111, BarcodeFamily::EanUpc,       0, CheckDigitScheme::EanUpc,   5},
    {BarcodeType::Jan8,            "JAN/EAN8",            112, BarcodeFamily::EanUpc,       1, CheckDigitScheme::EanUpc,   0},
    {BarcodeType::Jan8Plus2,       "JAN/EAN8+2digits",    113, BarcodeFamily::EanUpc,       1, CheckDigitScheme::EanUpc,   2},
    {BarcodeType::Jan8Plus5,       "JAN/EAN8+5digits",    114, BarcodeFamily::EanUpc,       1, CheckDigitScheme::EanUpc,   5},
    {BarcodeType::MsiPlessey,      "MSI/Plessey",         115, BarcodeFamily::ElementWidth, 4, CheckDigitScheme::Msi,      0},
    {BarcodeType::UccEan128,       "UCC/EAN128",          116, BarcodeFamily::Module,       2, CheckDigitScheme::None,     0},
    {BarcodeType::UpcA,            "UPC-A",               117, BarcodeFamily::EanUpc,       2, CheckDigitScheme::EanUpc,   0},
    {BarcodeType::UpcAPlus2,       "UPC-A+2digits",       118, BarcodeFamily::EanUpc,       2, CheckDigitScheme::EanUpc,   2},
    {BarcodeType::UpcAPlus5,       "UPC-A+5digits",       119, BarcodeFamily::EanUpc,       2, CheckDigitScheme::EanUpc,   5},
    {BarcodeType::UpcE,            "UPC-E",               120, BarcodeFamily::EanUpc,       3, CheckDigitScheme::UpcE,     0},
    {BarcodeType::UpcEPlus2,       "UPC-E+2digits",       121, BarcodeFamily::EanUpc,       3, CheckDigitScheme::UpcE,     2},
    {BarcodeType::UpcEPlus5,       "UPC-E+5digits",       122, BarcodeFamily::EanUpc,       3, CheckDigitScheme::UpcE,     5},
    {BarcodeType::Customer,        "カスタマーバーコード", 123, BarcodeFamily::Customer,     0, CheckDigitScheme::None,     0},
};
// clang-format on

inline constexpr int kBarcodeTypeCount = static_cast<int>(std::size(kBarcodeTypes));

// A row missing, out of its place or numbered out of turn does not compile.
static_assert(rowsFollowTheirTypes(kBarcodeTypes, BarcodeType::Customer));

constexpr int typeIndexOf(BarcodeType type) { return static_cast<int>(type); }
constexpr const BarcodeTypeRow& barcodeTypeRow(BarcodeType type) {
    return kBarcodeTypes[static_cast<std::size_t>(type)];
}
// The type at a type index; nothing outside the table.
constexpr std::optional<BarcodeType> barcodeTypeAt(int typeIndex) {
    return typeAtIndex(kBarcodeTypes, typeIndex);
}

}  // namespace vx
