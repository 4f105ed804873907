#include "preview/symbol_geometry.h"

namespace vx {

namespace {

// One clockwise quarter turn of a point in a box `height` high.
struct Point {
    double x, y;
};
Point turnPoint(Point p, double boxHeight) { return {boxHeight - p.y, p.x}; }
DotRect turnedRect(const DotRect& r, double boxHeight) {
    return {boxHeight - (r.y + r.height), r.x, r.height, r.width};
}

SymbolGeometry turnedOnce(const SymbolGeometry& in) {
    SymbolGeometry out;
    out.width = in.height;
    out.height = in.width;
    out.face = in.face;
    for (const DotRect& r : in.bars) out.bars.push_back(turnedRect(r, in.height));
    for (const DotRect& r : in.guides) out.guides.push_back(turnedRect(r, in.height));
    for (const DotGlyph& g : in.glyphs) {
        out.glyphs.push_back(
            {g.text, turnedRect(g.box, in.height), (g.quarterTurns + 1) % 4, g.white});
    }
    for (DotHexagon h : in.hexagons) {
        const Point c = turnPoint({h.centreX, h.centreY}, in.height);
        out.hexagons.push_back({c.x, c.y, h.diameter, !h.pointsUp});
    }
    for (DotRing ring : in.rings) {
        const Point c = turnPoint({ring.centreX, ring.centreY}, in.height);
        out.rings.push_back({c.x, c.y, ring.radius, ring.lineWidth});
    }
    for (const DotText& t : in.texts) {
        const Point c = turnPoint({t.centreX, t.centreY}, in.height);
        out.texts.push_back({t.text, c.x, c.y, t.height, (t.quarterTurns + 1) % 4});
    }
    return out;
}

}  // namespace

SymbolGeometry rotated(const SymbolGeometry& geometry, int quarterTurns) {
    SymbolGeometry result = geometry;
    for (int turn = 0; turn < ((quarterTurns % 4) + 4) % 4; ++turn) result = turnedOnce(result);
    return result;
}

}  // namespace vx
