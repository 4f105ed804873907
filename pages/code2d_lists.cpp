#include "pages/code2d_lists.h"

#include "resources/resource.h"
#include "settings/field_codes.h"
#include "settings/field_specs.h"

namespace vx::code2d {

using namespace codes;

// Unknown codes show, and unknown texts store, "自動", "L：高密度レベル",
// "モデル2", "モード2", "EAN-13 with CC-A" and "最小".
const CodedList kErrorCorrections{kErrorCorrectionEntries, 0, 0};
const CodedList kModels{kModelEntries, fields::kQrModel.shownForOther, 1};
const CodedList kModes{kModeEntries, 0, 0};
const CodedList kLinearTypes{kLinearTypeEntries, 0, 0};
const CodedList kCellCounts{kCellCountEntries, 0, 0};

std::vector<std::string> securityLevels() {
    std::vector<std::string> levels;
    for (char level = '0'; level <= '8'; ++level) levels.emplace_back(1, level);
    return levels;
}

}  // namespace vx::code2d
