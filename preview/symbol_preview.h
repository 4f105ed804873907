// The preview of a barcode or 2D code font: the symbol that its record
// describes, encoded by zint, in printer dots at the record's geometry,
// turned and placed as the record says, and measured against the label.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "preview/symbol_geometry.h"
#include "preview/symbol_plan.h"
#include "settings/settings_store.h"

namespace vx {

// The printers' resolution when no printer says otherwise.
inline constexpr double kDefaultPreviewDpi = 305;

struct LabelSize {
    double widthMm = 0, heightMm = 0;
};

struct PreviewSettings {
    double dpi = kDefaultPreviewDpi;
    std::optional<std::string> data;  // UTF-8; nothing: the type's sample
    std::optional<LabelSize> label;
};

struct SymbolPreview {
    std::string data;   // what was encoded
    std::string error;  // zint's refusal; then nothing is drawn
    SymbolGeometry geometry;  // turned, at (0, 0)
    int quarterTurns = 0;
    bool rotationAutomatic = false;  // drawn at 0°: the driver decides
    // The origin, in mm on the label; nothing: the driver decides.
    std::optional<double> originXMm, originYMm;
    double widthMm = 0, heightMm = 0;
    bool leavesLabel = false;
    std::vector<std::string> notes;  // UTF-8
};

SymbolPreview previewBarcode(const BarcodeRecord& record, const PreviewSettings& settings);
SymbolPreview previewCode2D(const Code2DRecord& record, const PreviewSettings& settings);

// Sample data valid for the font's symbology, check digits included where
// the data carries them (UTF-8). Data with a structured or linear part
// gives it first, separated by "|".
std::string sampleBarcodeData(const BarcodeRecord& record);
std::string sampleCode2DData(const Code2DRecord& record);

// The type a 2D code font is drawn as: a type index outside the table is
// drawn as a QR code.
Code2DType previewedType(const Code2DRecord& record);

// The plans behind the previews, for tests of what reaches zint.
SymbolPlan barcodePlan(const BarcodeRecord& record, const std::string& data, double dpi);
SymbolPlan code2DPlan(const Code2DRecord& record, const std::string& data, double dpi);

}  // namespace vx
