#include "pages/symbol_rotations.h"

#include "settings/field_codes.h"

namespace vx {

// Unknown codes show, and unknown texts store, "自動".
const CodedList kSymbolRotations{codes::kSymbolRotationEntries, 0, 0};

}  // namespace vx
