// How a driver font becomes a symbol: what zint encodes, and the record's
// own geometry that turns zint's modules into bars in printer dots.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "preview/zint_encoder.h"

namespace vx {

enum class SymbolShape {
    Linear,         // bars of whole modules; rows share the bar height
    ElementWidths,  // each bar and space narrow or wide at the record's widths
    Matrix,         // square modules
    Stacked,        // every row at the record's row height
    MaxiCode,       // hexagons around the finder, at the symbology's fixed size
};

struct ElementWidths {
    double narrowBar = 1, wideBar = 2, narrowSpace = 1, wideSpace = 2, charGap = 1;
    // Elements that are the gap between characters: the element numbered
    // firstGap and every gapPeriod-th after it (none when gapPeriod is 0).
    int firstGap = 0, gapPeriod = 0;
};

struct SymbolPlan {
    EncodeRequest request;
    SymbolShape shape = SymbolShape::Linear;
    double moduleDots = 1;
    // Linear: the bar height. With heightIsTotal the whole symbol is that
    // high; otherwise (composites) it is the height of the linear rows only.
    double barHeightDots = 0;
    bool heightIsTotal = true;
    double rowHeightDots = 0;  // Stacked
    ElementWidths elements;
    // Module columns [first, last) of guard bars and how far they reach
    // below the other bars.
    std::vector<std::pair<int, int>> guardColumns;
    double guardDots = 0;
    bool humanReadable = false;
    // What the printer does that the preview does not show (UTF-8).
    std::vector<std::string> notes;
    // Why the data is not drawn although zint would encode it (UTF-8).
    std::string refusal;
};

}  // namespace vx
