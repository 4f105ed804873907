// The 2D code page's coded lists and the controls each type uses.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pages/coded_list.h"
#include "pages/page_fields.h"
#include "settings/settings_store.h"

namespace vx::code2d {

// "誤り訂正レベル" and "モデル" (QR
// code), "モード" (MaxiCode), "バーコード種別" (the linear part of GS1
// Composite).
extern const CodedList kErrorCorrections;
extern const CodedList kModels;
extern const CodedList kModes;
extern const CodedList kLinearTypes;
// "セル数指定" (Data Matrix): the size marker, the columns and the rows.
extern const CodedList kCellCounts;
// "セキュリティレベル" (PDF417): the items "0" to "8"; the level is stored as
// a two-digit number.
std::vector<std::string> securityLevels();

// The controls a type uses besides the font and type lists, the origins
// and their "自動" boxes, which every type uses. The two ranges are those of
// the module width and the columns/rows for the types that use them: the
// up-down range and the range that leaving the edit enforces.
struct TypeUse {
    std::optional<FieldRange> moduleWidth;
    std::optional<FieldRange> columnsRows;
    std::array<int, 3> others;  // lists and edits; unused places 0
};
TypeUse typeUse(Code2DType type);

}  // namespace vx::code2d
