// Lays a character font's text out in printer dots: cells along the line,
// the alignment area, emphasis, decoration, and the line's rotation.
#pragma once

#include <string>
#include <vector>

#include "preview/symbol_geometry.h"
#include "preview/text_plan.h"

namespace vx {

struct TextLayout {
    SymbolGeometry geometry;  // turned, its box at (0, 0)
    int linesUsed = 0;
    int charactersLeftOut = 0;  // beyond the alignment area's lines
    bool widerThanArea = false;
};

TextLayout layOutText(const TextPlan& plan, const std::vector<TextCharacter>& characters);

}  // namespace vx
