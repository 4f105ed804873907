// How a character font lays out its text: the record's cells, spacing,
// rotations, decoration, emphasis and alignment in printer dots, and the
// characters of the data as the font's type prints them.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preview/character_types.h"
#include "preview/symbol_geometry.h"
#include "settings/settings_store.h"

namespace vx {

enum class TextDecoration { None, Reversed, Framed, Struck };
enum class TextAlignment { None, Left, Centre, Right, Justified, LineBreaks };

// The width of the frame's and the strike-through's lines as drawn.
inline constexpr double kDecorationLineDots = 2;
// An outline font of "自動" size is drawn this large.
inline constexpr int kAutomaticSizeTenthsMm = 30;

struct TextPlan {
    double cellWidth = 0, cellHeight = 0;   // a full-width character's cell
    bool sizeAutomatic = false;             // outline width or height "自動"
    double spacing = 0;                     // between neighbours; negative narrows
    int characterTurns = 0, lineTurns = 0;  // clockwise quarter turns
    bool rotationAutomatic = false;
    TextDecoration decoration = TextDecoration::None;
    double decorationX = 0, decorationY = 0;  // reversed area or frame gap
    double strikeEnd = 0;
    bool emphasis = false;
    double shiftX = 0, shiftY = 0;
    TextAlignment alignment = TextAlignment::None;
    double areaWidth = 0, lineFeed = 0;
    bool areaAutomatic = false;  // the area's width "自動": as wide as the text
    int areaLines = 1;
    GlyphFace face;
};

// An outside type index is drawn as the first type.
TextPlan textPlan(const CharacterFontRecord& record, double dpi);

// The typeface that stands in for a type's glyphs.
GlyphFace glyphFace(const CharacterTypeFacts& facts);

// Tells whether a family (UTF-8) is installed.
using FaceLookup = std::function<bool(std::string_view family)>;
// The first of the face's families that is installed; nothing when none is.
std::optional<std::size_t> installedFamily(const GlyphFace& face, const FaceLookup& installed);

struct TextCharacter {
    std::string text;  // UTF-8
    bool halfWidth = false;
};

struct TextData {
    std::vector<TextCharacter> characters;
    std::string error;  // why the type cannot print the data (UTF-8); then no characters
};

// The data (UTF-8) as characters of the file's code page: one byte is a
// half-width character, two bytes a full-width one. `typeName` (UTF-8)
// names the type in a refusal.
TextData textData(std::string_view data, Repertoire repertoire, std::string_view typeName);

}  // namespace vx
