#include "preview/zint_encoder.h"

#include <zint.h>

#include <cstring>
#include <memory>

namespace vx {

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

bool moduleIsSet(const zint_symbol& symbol, int row, int column) {
    return ((symbol.encoded_data[row][column / 8] >> (column % 8)) & 1) != 0;
}

}  // namespace

EncodeResult encodeWithZint(const EncodeRequest& request) {
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) return {std::nullopt, "zint could not allocate a symbol"};
    symbol->symbology = request.symbology;
    if (request.option1) symbol->option_1 = *request.option1;
    if (request.option2) symbol->option_2 = *request.option2;
    if (request.option3) symbol->option_3 = *request.option3;
    symbol->input_mode = request.gs1Data ? GS1_MODE : UNICODE_MODE;
    if (request.primary.size() >= sizeof symbol->primary) {
        return {std::nullopt, "Primary data too long"};
    }
    std::memcpy(symbol->primary, request.primary.c_str(), request.primary.size() + 1);

    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(request.data.data()),
                        static_cast<int>(request.data.size()));
    if (status >= ZINT_ERROR) return {std::nullopt, symbol->errtxt};

    ModuleGrid grid;
    grid.rows = symbol->rows;
    grid.columns = symbol->width;
    grid.text = reinterpret_cast<const char*>(symbol->text);
    for (int row = 0; row < grid.rows; ++row) {
        std::vector<bool> line(static_cast<std::size_t>(grid.columns));
        for (int column = 0; column < grid.columns; ++column) {
            line[static_cast<std::size_t>(column)] = moduleIsSet(*symbol, row, column);
        }
        grid.dark.push_back(std::move(line));
        grid.rowHeights.push_back(symbol->row_height[row]);
    }
    return {std::move(grid), {}};
}

}  // namespace vx
