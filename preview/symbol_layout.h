// Lays zint's module grid out in printer dots at the record's geometry.
#pragma once

#include "preview/symbol_geometry.h"
#include "preview/symbol_plan.h"
#include "preview/zint_encoder.h"

namespace vx {

SymbolGeometry layOutSymbol(const SymbolPlan& plan, const ModuleGrid& grid, double dpi);

// Millimetres in printer dots at a resolution.
inline double dotsFromMm(double mm, double dpi) { return mm * dpi / 25.4; }
inline double mmFromDots(double dots, double dpi) { return dots * 25.4 / dpi; }
// A length the printer prints: whole dots, at least one.
double wholeDots(double mm, double dpi);

}  // namespace vx
