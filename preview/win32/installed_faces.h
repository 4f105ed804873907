// The font families the screen has, for choosing the face that stands in
// for a character font's glyphs.
#pragma once

#include "preview/text_plan.h"

namespace vx {

// Asks the system once, on first use; families are compared as the system
// names them (UTF-8).
FaceLookup installedFaces();

}  // namespace vx
