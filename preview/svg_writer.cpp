#include "preview/svg_writer.h"

#include <cmath>
#include <cstdio>

#include "preview/symbol_layout.h"

namespace vx {

namespace {

// Numbers without needless digits: "12", "12.5", "0.125".
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string hexagonPoints(const DotHexagon& h) {
    // Corners of a hexagon whose short diameter is `diameter`.
    const double r = h.diameter / std::sqrt(3.0);
    std::string points;
    for (int corner = 0; corner < 6; ++corner) {
        const double angle = (h.pointsUp ? 90.0 : 0.0) + 60.0 * corner;
        const double radians = angle * 3.14159265358979323846 / 180.0;
        if (corner > 0) points += ' ';
        points += number(h.centreX + r * std::cos(radians)) + ',' +
                  number(h.centreY - r * std::sin(radians));
    }
    return points;
}

}  // namespace

std::string symbolSvg(const SymbolGeometry& g, double dpi) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(mmFromDots(g.width, dpi)) +
           "mm\" height=\"" + number(mmFromDots(g.height, dpi)) + "mm\" viewBox=\"0 0 " +
           number(g.width) + ' ' + number(g.height) + "\">\n";
    svg += "<g fill=\"#000\">\n";
    for (const DotRect& r : g.bars) {
        svg += "<rect x=\"" + number(r.x) + "\" y=\"" + number(r.y) + "\" width=\"" +
               number(r.width) + "\" height=\"" + number(r.height) + "\"/>\n";
    }
    for (const DotHexagon& h : g.hexagons) {
        svg += "<polygon points=\"" + hexagonPoints(h) + "\"/>\n";
    }
    svg += "</g>\n";
    for (const DotRing& ring : g.rings) {
        svg += "<circle cx=\"" + number(ring.centreX) + "\" cy=\"" + number(ring.centreY) +
               "\" r=\"" + number(ring.radius) + "\" fill=\"none\" stroke=\"#000\" stroke-width=\"" +
               number(ring.lineWidth) + "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace vx
