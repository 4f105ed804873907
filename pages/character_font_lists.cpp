#include "pages/character_font_lists.h"

#include "settings/field_codes.h"
#include "settings/field_specs.h"

namespace vx::charfont {

using namespace codes;

// Unknown codes show, and unknown texts store, the neutral entry: "1.0",
// "黒文字", "自動", "微調整なし", "強調しない", "指定なし", "文字寄せなし".
const CodedList kMagnifications{kMagnificationEntries, fields::kCharMagnificationX.shownForOther, 1};
const CodedList kDecorations{kDecorationEntries, 0, 0};
const CodedList kRotations{kCharacterRotationEntries, 0, 0};
const CodedList kSpacingAdjusts{kSpacingAdjustEntries, 0, 0};
const CodedList kEmphases{kEmphasisEntries, fields::kEmphasis.shownForOther, 1};
const CodedList kCheckDigits{kCharacterCheckDigitEntries, 0, 0};
const CodedList kAlignments{kAlignmentEntries, 0, 0};

}  // namespace vx::charfont
