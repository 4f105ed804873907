// A symbol as shapes in printer dots: y grows downwards and (0, 0) is the
// top-left corner of the box around the bars or modules. That box leaves
// out quiet zones and the human-readable text, which may lie outside it.
#pragma once

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

struct SymbolGeometry {
    std::vector<DotRect> bars;  // bars and dark modules
    std::vector<DotHexagon> hexagons;
    std::vector<DotRing> rings;
    std::vector<DotText> texts;
    double width = 0, height = 0;  // the box of bars and modules
};

// The geometry turned clockwise by quarter turns (0 to 3), back in a box
// whose top-left corner is (0, 0).
SymbolGeometry rotated(const SymbolGeometry& geometry, int quarterTurns);

}  // namespace vx
