// The 2D code types: one row per type, named by Code2DType, with what the
// reader, the writer, the page, the preview and dvftool all need to know of
// it. Each type keeps its parameters in a record of its own in every 2D code
// font (visitCode2DParams); what only one layer needs it says against
// Code2DType in a switch without default.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "settings/type_table.h"

namespace vx {

// In the order of the type list: the value is the type index.
enum class Code2DType : int { DataMatrix, MaxiCode, MicroPdf417, Pdf417, QrCode, Gs1Composite };

struct Code2DTypeRow {
    Code2DType type;
    std::string_view name;  // UTF-8, as the type list shows it
    int fontType;
    std::string_view recordName;  // the parameter record, as dvftool names its fields
};

// clang-format off
inline constexpr Code2DTypeRow kCode2DTypes[] = {
    {Code2DType::DataMatrix,   "Data Matrix",   201, "DataMatrixParams"},
    {Code2DType::MaxiCode,     "MaxiCode",      202, "MaxiCodeParams"},
    {Code2DType::MicroPdf417,  "MicroPDF417",   203, "MicroPdf417Params"},
    {Code2DType::Pdf417,       "PDF417",        204, "Pdf417Params"},
    {Code2DType::QrCode,       "QRコード",      205, "QrCodeParams"},
    {Code2DType::Gs1Composite, "GS1 Composite", 206, "Gs1CompositeParams"},
};
// clang-format on

inline constexpr int kCode2DTypeCount = static_cast<int>(std::size(kCode2DTypes));

// A row missing, out of its place or numbered out of turn does not compile.
static_assert(rowsFollowTheirTypes(kCode2DTypes, Code2DType::Gs1Composite));

constexpr int typeIndexOf(Code2DType type) { return static_cast<int>(type); }
constexpr const Code2DTypeRow& code2DTypeRow(Code2DType type) {
    return kCode2DTypes[static_cast<std::size_t>(type)];
}
// The type at a type index; nothing outside the table.
constexpr std::optional<Code2DType> code2DTypeAt(int typeIndex) {
    return typeAtIndex(kCode2DTypes, typeIndex);
}

}  // namespace vx
