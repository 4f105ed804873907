// A symbol as an SVG picture at true size: one filled shape per bar or
// dark module, the picture's box that of the bars and modules.
#pragma once

#include <string>

#include "preview/symbol_geometry.h"

namespace vx {

// Units inside are printer dots; width and height are given in mm.
std::string symbolSvg(const SymbolGeometry& geometry, double dpi);

}  // namespace vx
