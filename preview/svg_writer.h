// A symbol or a character font's text as an SVG picture at true size: one
// filled shape per bar, dark module or decoration, one <text> per character
// in its cell, the picture's box that of what is printed.
#pragma once

#include <string>
#include <string_view>

#include "preview/symbol_geometry.h"
#include "preview/symbol_preview.h"

namespace vx {

// Units inside are printer dots; width and height are given in mm. A title
// (UTF-8) that is not empty becomes the picture's <title>.
std::string symbolSvg(const SymbolGeometry& geometry, double dpi, std::string_view title = {});

// The file of a font's preview, as dvftool and the preview window save it.
inline std::string fontPreviewSvg(const SymbolPreview& preview, double dpi) {
    return symbolSvg(preview.geometry, dpi, preview.svgTitle);
}

}  // namespace vx
