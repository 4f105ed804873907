// Draws a character font's glyphs with GDI, each stretched to fill its cell
// and turned inside it, in the face that stands in for the printer's; and
// the outlines that are shown but not printed (an alignment area).
#pragma once

#include <windows.h>

#include <string>

#include "preview/symbol_geometry.h"
#include "preview/win32/symbol_painter.h"

namespace vx {

// `face` (UTF-8) is the installed family; empty: the system's default face.
void paintGlyphs(HDC dc, const SymbolGeometry& geometry, const std::string& face,
                 const DotMapping& at);

void paintGuides(HDC dc, const SymbolGeometry& geometry, const DotMapping& at);

}  // namespace vx
