#include "preview/symbol_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vx {

namespace {

// The printer's human-readable digits are drawn this high.
constexpr double kTextHeightMm = 2.5;
// A MaxiCode symbol is about 28.14 mm wide whatever the resolution: thirty
// hexagons across.
constexpr double kMaxiCodeWidthMm = 28.14;
constexpr double kMaxiCodeColumns = 30;

std::vector<double> linearRowHeights(const SymbolPlan& plan, const ModuleGrid& grid) {
    std::vector<double> heights;
    int sharing = 0;
    double fixed = 0;
    for (double h : grid.rowHeights) {
        if (h <= 0) ++sharing;
        fixed += h * plan.moduleDots;
    }
    if (sharing > 0) {
        double shared = plan.heightIsTotal ? plan.barHeightDots - fixed : plan.barHeightDots;
        shared = std::max(shared / sharing, 1.0);
        for (double h : grid.rowHeights) heights.push_back(h <= 0 ? shared : h * plan.moduleDots);
        return heights;
    }
    // Every row has a height of its own (stacked and 4-state bars): the
    // separators keep one module, the other rows share the bar height in
    // zint's proportions.
    double separators = 0, tall = 0;
    for (double h : grid.rowHeights) (h <= 1 ? separators : tall) += h;
    const double scale =
        tall > 0 ? std::max(plan.barHeightDots - separators * plan.moduleDots, 1.0) / tall : 0;
    for (double h : grid.rowHeights) {
        heights.push_back(h <= 1 || !plan.heightIsTotal ? h * plan.moduleDots : h * scale);
    }
    return heights;
}

std::vector<double> rowHeights(const SymbolPlan& plan, const ModuleGrid& grid) {
    switch (plan.shape) {
        case SymbolShape::Matrix:
            return std::vector<double>(grid.rows, plan.moduleDots);
        case SymbolShape::Stacked:
            return std::vector<double>(grid.rows, plan.rowHeightDots);
        default:
            return linearRowHeights(plan, grid);
    }
}

bool isGuard(const SymbolPlan& plan, int column) {
    return std::any_of(plan.guardColumns.begin(), plan.guardColumns.end(), [column](auto range) {
        return column >= range.first && column < range.second;
    });
}

// Runs of dark modules in each row, each run a bar of whole modules.
void layOutModules(const SymbolPlan& plan, const ModuleGrid& grid, SymbolGeometry& out) {
    const std::vector<double> heights = rowHeights(plan, grid);
    double y = 0;
    double bottom = 0;
    for (int row = 0; row < grid.rows; ++row) {
        const auto& line = grid.dark[row];
        for (int column = 0; column < grid.columns;) {
            if (!line[column]) {
                ++column;
                continue;
            }
            int end = column;
            while (end < grid.columns && line[end] && isGuard(plan, end) == isGuard(plan, column))
                ++end;
            const double extra = grid.rows == 1 && isGuard(plan, column) ? plan.guardDots : 0;
            out.bars.push_back({column * plan.moduleDots, y, (end - column) * plan.moduleDots,
                                heights[row] + extra});
            bottom = std::max(bottom, y + heights[row] + extra);
            column = end;
        }
        y += heights[row];
    }
    out.width = grid.columns * plan.moduleDots;
    out.height = std::max(y, bottom);
}

// Runs of one row as alternating bars and spaces, each drawn at its
// narrow or wide width, the gaps between characters at the gap width.
void layOutElements(const SymbolPlan& plan, const ModuleGrid& grid, SymbolGeometry& out) {
    const ElementWidths& w = plan.elements;
    const auto& line = grid.dark.front();
    double x = 0;
    int element = 0;
    for (int column = 0; column < grid.columns; ++element) {
        int end = column;
        while (end < grid.columns && line[end] == line[column]) ++end;
        const bool bar = line[column];
        const bool wide = end - column > 1;
        const bool gap = !bar && w.gapPeriod > 0 && element >= w.firstGap &&
                         (element - w.firstGap) % w.gapPeriod == 0;
        const double width = bar   ? (wide ? w.wideBar : w.narrowBar)
                             : gap ? w.charGap
                                   : (wide ? w.wideSpace : w.narrowSpace);
        if (bar) out.bars.push_back({x, 0, width, plan.barHeightDots});
        x += width;
        column = end;
    }
    out.width = x;
    out.height = plan.barHeightDots;
}

// Hexagons in rows offset by half a module, the finder's three rings in
// the middle, as the symbology draws them.
void layOutMaxiCode(const ModuleGrid& grid, double dpi, SymbolGeometry& out) {
    const double w = dotsFromMm(kMaxiCodeWidthMm, dpi) / kMaxiCodeColumns;
    const double rowStep = w * 0.8660254;       // √3 / 2
    const double longDiameter = w * 1.1547005;  // 2 / √3
    for (int row = 0; row < grid.rows; ++row) {
        const bool odd = row % 2 == 1;
        for (int column = 0; column < grid.columns - (odd ? 1 : 0); ++column) {
            if (!grid.dark[row][column]) continue;
            out.hexagons.push_back(
                {column * w + (odd ? w : w / 2), row * rowStep + longDiameter / 2, w, true});
        }
    }
    out.width = kMaxiCodeColumns * w;
    out.height = 32 * rowStep + longDiameter;
    // The finder is 9 modules across: six circles, three of them dark.
    const double step = (9 * w - longDiameter) / 5;
    const double line = step / 2;
    for (int ring : {5, 3, 1}) {
        out.rings.push_back(
            {14.5 * w, out.height / 2, (longDiameter + step * ring - line) / 2, line});
    }
}

}  // namespace

double wholeDots(double mm, double dpi) { return std::max(std::round(dotsFromMm(mm, dpi)), 1.0); }

SymbolGeometry layOutSymbol(const SymbolPlan& plan, const ModuleGrid& grid, double dpi) {
    SymbolGeometry out;
    if (grid.rows == 0 || grid.columns == 0) return out;
    switch (plan.shape) {
        case SymbolShape::MaxiCode:
            layOutMaxiCode(grid, dpi, out);
            break;
        case SymbolShape::ElementWidths:
            layOutElements(plan, grid, out);
            break;
        default:
            layOutModules(plan, grid, out);
            break;
    }
    if (plan.humanReadable && !grid.text.empty()) {
        const double height = dotsFromMm(kTextHeightMm, dpi);
        out.texts.push_back({grid.text, out.width / 2, out.height + height * 0.7, height, 0});
    }
    return out;
}

}  // namespace vx
