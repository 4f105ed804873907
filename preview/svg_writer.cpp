#include "preview/svg_writer.h"

#include <cmath>
#include <cstdio>

#include "preview/markup_text.h"
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

std::string fontAttributes(const GlyphFace& face) {
    std::string families;
    for (const std::string& family : face.families) families += "'" + markupText(family) + "', ";
    std::string out = " font-family=\"" + families + face.generic + "\"";
    if (face.bold) out += " font-weight=\"bold\"";
    if (face.italic) out += " font-style=\"italic\"";
    return out;
}

// The glyph at its cell's centre, its em the cell's height before turning
// and its advance stretched to the cell's width.
std::string glyphText(const DotGlyph& glyph) {
    const DotRect& box = glyph.box;
    const bool across = glyph.quarterTurns % 2 == 1;
    const double width = across ? box.height : box.width;
    const double height = across ? box.width : box.height;
    const double centreX = box.x + box.width / 2, centreY = box.y + box.height / 2;
    std::string text = "<text x=\"" + number(centreX - width / 2) + "\" y=\"" +
                       number(centreY - height / 2 + height * kGlyphBaseline) + "\" font-size=\"" +
                       number(height) + "\" textLength=\"" + number(width) +
                       "\" lengthAdjust=\"spacingAndGlyphs\"";
    if (glyph.white) text += " fill=\"#fff\"";
    if (glyph.quarterTurns != 0) {
        text += " transform=\"rotate(" + number(glyph.quarterTurns * 90) + ' ' + number(centreX) +
                ' ' + number(centreY) + ")\"";
    }
    return text + '>' + markupText(glyph.text) + "</text>\n";
}

}  // namespace

std::string symbolSvg(const SymbolGeometry& g, double dpi, std::string_view title) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(mmFromDots(g.width, dpi)) +
           "mm\" height=\"" + number(mmFromDots(g.height, dpi)) + "mm\" viewBox=\"0 0 " +
           number(g.width) + ' ' + number(g.height) + "\">\n";
    if (!title.empty()) svg += "<title>" + markupText(title) + "</title>\n";
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
               "\" r=\"" + number(ring.radius) +
               "\" fill=\"none\" stroke=\"#000\" stroke-width=\"" + number(ring.lineWidth) +
               "\"/>\n";
    }
    if (!g.glyphs.empty()) {
        svg += "<g" + fontAttributes(g.face) + ">\n";
        for (const DotGlyph& glyph : g.glyphs) {
            if (glyph.text != " ") svg += glyphText(glyph);
        }
        svg += "</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace vx
