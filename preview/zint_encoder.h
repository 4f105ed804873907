// Encoding by zint: what to encode and how, and the module grid it yields.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx {

struct EncodeRequest {
    int symbology = 0;  // zint's BARCODE_ number
    // zint's symbology options; nothing keeps zint's own default.
    std::optional<int> option1, option2, option3;
    bool gs1Data = false;  // data in GS1 form with "[AI]" brackets
    std::string data;      // UTF-8
    std::string primary;   // linear part of a composite, structured carrier of MaxiCode
};

// The dark modules as zint encodes them, row by row.
struct ModuleGrid {
    int rows = 0, columns = 0;
    std::vector<std::vector<bool>> dark;
    // zint's row heights in modules; 0 for rows that share the bar height.
    std::vector<double> rowHeights;
    std::string text;  // the human-readable text zint composes (UTF-8)
};

struct EncodeResult {
    std::optional<ModuleGrid> grid;
    std::string message;  // zint's refusal when there is no grid
};

EncodeResult encodeWithZint(const EncodeRequest& request);

}  // namespace vx
