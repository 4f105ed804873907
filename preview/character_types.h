// What the preview needs to know about each character font type: how its
// character cell is sized, which typeface stands in for its glyphs, which
// characters it prints and a sample text that suits it.
#pragma once

#include <string_view>

namespace vx {

enum class CellSizing {
    Points,    // a bitmap font of a point size, scaled by the magnifications
    Dots,      // a dot kanji font, scaled by the magnifications
    TenthsMm,  // an outline or price font, sized by width and height in 0.1 mm
};

enum class FaceDesign { Mincho, Gothic, OcrA, OcrB };

enum class Repertoire {
    HalfWidth,  // ASCII and half-width katakana
    Ascii,      // printable ASCII only (OCR fonts)
    Any,        // every character of the file's code page
    Price,      // digits and the signs of a price
};

struct CharacterTypeFacts {
    int fontType;  // the type's "FontType", its identity
    CellSizing sizing;
    int size;  // points or dots of a full-width cell; 0 for outline types
    FaceDesign design;
    bool bold, italic;
    Repertoire repertoire;
    std::string_view sample;  // UTF-8
};

// The facts of a type index; nullptr for an index outside the type table.
const CharacterTypeFacts* characterTypeFacts(int typeIndex);

}  // namespace vx
