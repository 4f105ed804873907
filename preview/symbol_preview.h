// The preview of a font: the symbol that a barcode or 2D code font's record
// describes, encoded by zint, or the text of a character font in its cells,
// in printer dots at the record's geometry, turned and placed as the record
// says, and measured against the label.
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

// A character font's full-width cell in printer dots.
struct CharacterCell {
    double width = 0, height = 0;
};

struct SymbolPreview {
    std::string data;         // what was encoded or written
    std::string error;        // zint's refusal, or characters the type lacks; then nothing is drawn
    SymbolGeometry geometry;  // turned, at (0, 0)
    int quarterTurns = 0;
    bool rotationAutomatic = false;  // drawn at 0°: the driver decides
    // The origin, in mm on the label; nothing: the driver decides.
    std::optional<double> originXMm, originYMm;
    double widthMm = 0, heightMm = 0;
    bool leavesLabel = false;
    std::vector<std::string> notes;     // UTF-8
    std::optional<CharacterCell> cell;  // character fonts only
    std::string svgTitle;               // UTF-8; empty: the picture has no title
};

SymbolPreview previewBarcode(const BarcodeRecord& record, const PreviewSettings& settings);
SymbolPreview previewCode2D(const Code2DRecord& record, const PreviewSettings& settings);
SymbolPreview previewCharacterFont(const CharacterFontRecord& record,
                                   const PreviewSettings& settings);

// Sample data valid for the font's symbology, check digits included where
// the data carries them (UTF-8). Data with a structured or linear part
// gives it first, separated by "|".
std::string sampleBarcodeData(const BarcodeRecord& record);
std::string sampleCode2DData(const Code2DRecord& record);
// A text the character font's type prints: kanji for kanji types, digits
// for price fonts.
std::string sampleCharacterData(const CharacterFontRecord& record);

// Sets the preview's origin in mm from the record's texts ("default": none),
// its size in mm from its geometry, and whether it leaves the label.
void placeOnLabel(SymbolPreview& preview, const std::string& originX, const std::string& originY,
                  const PreviewSettings& settings);

// The plans behind the previews, for tests of what reaches zint.
SymbolPlan barcodePlan(const BarcodeRecord& record, const std::string& data, double dpi);
SymbolPlan code2DPlan(const Code2DRecord& record, const std::string& data, double dpi);

}  // namespace vx
