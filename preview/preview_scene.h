// What a preview draws: the label as the printer's settings give it and the
// font laid out at its origin, in the printer's dots.
#pragma once

#include <optional>
#include <string>

#include "preview/symbol_preview.h"

namespace vx {

struct PreviewScene {
    std::optional<SymbolPreview> symbol;  // a symbol, or a character font's text
    // The installed face that stands in for a character font's glyphs
    // (UTF-8); empty when none of its families is installed.
    std::string face;
    double dpi = kDefaultPreviewDpi;
    std::optional<LabelSize> label;
    // The area the font needs, in mm from the label's top-left corner: up
    // to the far edges of the symbol or text at its origin.
    double symbolRightMm = 0, symbolBottomMm = 0;
};

}  // namespace vx
