#include "preview/text_layout.h"

#include <algorithm>

namespace vx {

namespace {

// The text is laid out along +x first; the line's rotation turns it last.
// A character's cell, turned inside the line by what its own rotation adds
// to the line's.
struct Cell {
    double along = 0, across = 0;
};

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
    void add(const DotRect& r) {
        if (empty) {
            *this = {r.x, r.y, r.x + r.width, r.y + r.height, false};
            return;
        }
        left = std::min(left, r.x), top = std::min(top, r.y);
        right = std::max(right, r.x + r.width), bottom = std::max(bottom, r.y + r.height);
    }
    DotRect grown(double x, double y) const {
        return {left - x, top - y, right - left + 2 * x, bottom - top + 2 * y};
    }
};

Cell cellOf(const TextPlan& plan, const TextCharacter& character, int turns) {
    const double width = character.halfWidth ? plan.cellWidth / 2 : plan.cellWidth;
    return turns % 2 == 0 ? Cell{width, plan.cellHeight} : Cell{plan.cellHeight, width};
}

// Where each character of a line starts along it, from 0.
std::vector<double> starts(const TextPlan& plan, const std::vector<Cell>& cells) {
    std::vector<double> at;
    double x = 0;
    for (const Cell& cell : cells) {
        at.push_back(x);
        // A character never advances by less than one dot.
        x += std::max(cell.along + plan.spacing, 1.0);
    }
    return at;
}

double lineLength(const std::vector<double>& at, const std::vector<Cell>& cells) {
    return cells.empty() ? 0 : at.back() + cells.back().along;
}

// Lines of cells: one line, or as many as the area's width and lines allow.
std::vector<std::vector<std::size_t>> breakLines(const TextPlan& plan,
                                                 const std::vector<Cell>& cells, TextLayout& out) {
    std::vector<std::vector<std::size_t>> lines(1);
    double x = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool breaks = plan.alignment == TextAlignment::LineBreaks;
        if (breaks && !lines.back().empty() && x + cells[i].along > plan.areaWidth) {
            if (static_cast<int>(lines.size()) == plan.areaLines) {
                out.charactersLeftOut = static_cast<int>(cells.size() - i);
                break;
            }
            lines.emplace_back();
            x = 0;
        }
        lines.back().push_back(i);
        x += std::max(cells[i].along + plan.spacing, 1.0);
    }
    return lines;
}

// Moves a line's starts into the alignment area.
void align(const TextPlan& plan, const std::vector<Cell>& cells, std::vector<double>& at,
           TextLayout& out) {
    const double length = lineLength(at, cells);
    const double room = plan.areaWidth - length;
    if (plan.alignment == TextAlignment::None) return;
    if (plan.alignment == TextAlignment::Justified && cells.size() > 1) {
        double sum = 0;
        for (const Cell& cell : cells) sum += cell.along;
        if (sum > plan.areaWidth) {
            out.widerThanArea = true;
            return;
        }
        const double gap = (plan.areaWidth - sum) / static_cast<double>(cells.size() - 1);
        double x = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) at[i] = x, x += cells[i].along + gap;
        return;
    }
    if (room < 0) {
        out.widerThanArea = true;
        return;
    }
    double shift = 0;
    switch (plan.alignment) {
        case TextAlignment::Centre:
        case TextAlignment::Justified:
            shift = room / 2;
            break;  // one character: centred
        case TextAlignment::Right:
            shift = room;
            break;
        default:
            break;
    }
    for (double& x : at) x += shift;
}

void decorate(const TextPlan& plan, const Box& text, const std::vector<Box>& lines,
              SymbolGeometry& g) {
    const double line = kDecorationLineDots;
    switch (plan.decoration) {
        case TextDecoration::Reversed:
            g.bars.push_back(text.grown(plan.decorationX, plan.decorationY));
            for (DotGlyph& glyph : g.glyphs) glyph.white = true;
            break;
        case TextDecoration::Framed: {
            const DotRect o = text.grown(plan.decorationX + line, plan.decorationY + line);
            g.bars.push_back({o.x, o.y, o.width, line});
            g.bars.push_back({o.x, o.y + o.height - line, o.width, line});
            g.bars.push_back({o.x, o.y + line, line, o.height - 2 * line});
            g.bars.push_back({o.x + o.width - line, o.y + line, line, o.height - 2 * line});
            break;
        }
        case TextDecoration::Struck:
            // Two lines through each line of text, reaching beyond both ends.
            for (const Box& b : lines) {
                for (double part : {5.0 / 12, 7.0 / 12}) {
                    const double middle = b.top + (b.bottom - b.top) * part;
                    g.bars.push_back({b.left - plan.strikeEnd, middle - line / 2,
                                      b.right - b.left + 2 * plan.strikeEnd, line});
                }
            }
            break;
        case TextDecoration::None:
            break;
    }
}

void moveBy(SymbolGeometry& g, double dx, double dy) {
    for (DotRect& r : g.bars) r.x += dx, r.y += dy;
    for (DotRect& r : g.guides) r.x += dx, r.y += dy;
    for (DotGlyph& glyph : g.glyphs) glyph.box.x += dx, glyph.box.y += dy;
}

}  // namespace

TextLayout layOutText(const TextPlan& given, const std::vector<TextCharacter>& characters) {
    TextLayout out;
    TextPlan plan = given;
    SymbolGeometry& g = out.geometry;
    g.face = plan.face;
    const int turns = ((plan.characterTurns - plan.lineTurns) % 4 + 4) % 4;
    std::vector<Cell> cells;
    double thickness = 0;
    for (const TextCharacter& character : characters) {
        cells.push_back(cellOf(plan, character, turns));
        thickness = std::max(thickness, cells.back().across);
    }

    // An area of "自動" width is as wide as the text on one line: the text
    // always fits and never breaks.
    if (plan.areaAutomatic) plan.areaWidth = std::max(lineLength(starts(plan, cells), cells), 1.0);
    const auto lines = breakLines(plan, cells, out);
    out.linesUsed = static_cast<int>(lines.size());
    const double pitch = plan.alignment == TextAlignment::LineBreaks ? plan.lineFeed : 0;
    Box text;
    std::vector<Box> lineBoxes;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::vector<Cell> lineCells;
        for (std::size_t i : lines[n]) lineCells.push_back(cells[i]);
        std::vector<double> at = starts(plan, lineCells);
        align(plan, lineCells, at, out);
        const double top = static_cast<double>(n) * pitch;
        Box lineBox;
        for (std::size_t k = 0; k < lineCells.size(); ++k) {
            const Cell& cell = lineCells[k];
            const DotRect box{at[k], top + (thickness - cell.across) / 2, cell.along, cell.across};
            const std::string& glyph = characters[lines[n][k]].text;
            g.glyphs.push_back({glyph, box, turns, false});
            lineBox.add(box);
            if (plan.emphasis) {
                // Emphasis prints each character again, shifted right and down.
                const DotRect shifted{box.x + plan.shiftX, box.y + plan.shiftY, box.width,
                                      box.height};
                g.glyphs.push_back({glyph, shifted, turns, false});
                lineBox.add(shifted);
            }
        }
        if (!lineBox.empty) text.add(lineBox.grown(0, 0)), lineBoxes.push_back(lineBox);
    }
    decorate(plan, text, lineBoxes, g);

    Box all = text;
    for (const DotRect& bar : g.bars) all.add(bar);
    if (plan.alignment != TextAlignment::None) {
        const DotRect area{0, 0, plan.areaWidth,
                           static_cast<double>(lines.size() - 1) * pitch + thickness};
        g.guides.push_back(area);
        all.add(area);
    }
    moveBy(g, -all.left, -all.top);
    g.width = all.right - all.left;
    g.height = all.bottom - all.top;
    out.geometry = rotated(g, plan.lineTurns);
    return out;
}

}  // namespace vx
