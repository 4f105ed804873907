#include "pages/symbol_rotations.h"

namespace vx {

namespace {

constexpr CodedEntry kRotationEntries[] = {
    {"自動", {"default"}}, {"0ﾟ ", {"0"}}, {"90ﾟ ", {"1"}}, {"180ﾟ ", {"2"}}, {"270ﾟ ", {"3"}},
};

}  // namespace

// Unknown codes show, and unknown texts store, "自動".
const CodedList kSymbolRotations{kRotationEntries, 0, 0};

}  // namespace vx
