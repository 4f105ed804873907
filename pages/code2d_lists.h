// The 2D code page's coded lists.
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

}  // namespace vx::code2d
