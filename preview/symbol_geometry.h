// A symbol or a line of characters as shapes in printer dots: y grows
// downwards and (0, 0) is the top-left corner of the box around what the
// printer prints (bars and modules; character cells and their decoration).
// That box leaves out quiet zones and a symbol's human-readable text, which
// may lie outside it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vx {

struct DotRect {
    double x = 0, y = 0, width = 0, height = 0;
};

// A MaxiCode module: a hexagon of the given short diameter, pointing up
// (or, after a quarter turn, sideways).
struct DotHexagon {
    double centreX = 0, centreY = 0, diameter = 0;
    bool pointsUp = true;
};

// A dark ring of the MaxiCode finder: radius to the middle of its line.
struct DotRing {
    double centreX = 0, centreY = 0, radius = 0, lineWidth = 0;
};

// Human-readable text centred on its anchor, turned like the symbol.
struct DotText {
    std::string text;  // UTF-8
    double centreX = 0, centreY = 0, height = 0;
    int quarterTurns = 0;
};

// A character filling its cell: `box` is where the cell lies, and the glyph
// is turned clockwise inside it by quarter turns, its advance stretched to
// the cell's width and its em to the cell's height.
struct DotGlyph {
    std::string text;  // one character, UTF-8
    DotRect box;
    int quarterTurns = 0;
    bool white = false;  // on a reversed area
};

// Where a glyph's baseline lies in its em, from the top: the usual place in
// a Japanese typeface's em box.
inline constexpr double kGlyphBaseline = 0.88;

// The typeface that stands in for the printer's own glyphs.
struct GlyphFace {
    // Faces to look for, the type's own design first (UTF-8); the first
    // `ownDesign` of them are of that design, the rest stand in for it.
    std::vector<std::string> families;
    std::size_t ownDesign = 0;
    std::string generic;  // serif, sans-serif or monospace
    bool bold = false, italic = false;
};

struct SymbolGeometry {
    std::vector<DotRect> bars;  // bars, dark modules, reversed areas, frames and lines
    std::vector<DotHexagon> hexagons;
    std::vector<DotRing> rings;
    std::vector<DotText> texts;
    std::vector<DotGlyph> glyphs;  // drawn over the bars
    std::vector<DotRect> guides;   // outlines shown but not printed (an alignment area)
    GlyphFace face;
    double width = 0, height = 0;  // the box of what is printed
};

// The geometry turned clockwise by quarter turns (0 to 3), back in a box
// whose top-left corner is (0, 0).
SymbolGeometry rotated(const SymbolGeometry& geometry, int quarterTurns);

}  // namespace vx
