// Fonts for the preview's figures: each 2D code type at its largest symbol
// the page offers, and a character font with 200 characters, placed 10 mm
// from the label's corner.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace vx::bench {

inline Code2DRecord largestFontOfType(int typeIndex) {
    Code2DRecord r;
    r.typeIndex = typeIndex;
    r.dataMatrix = {"Data Matrix", "0100", "00100", "06", "1", "default", "default", "default"};
    r.maxiCode = {"MaxiCode", "0100", "00100", "4"};
    r.microPdf417 = {"MicroPDF417", "0100", "00100", "03", "04", "1", "0006"};
    r.pdf417 = {"PDF417", "0100", "00100", "05", "03", "12", "1", "0008"};
    r.qrCode = {"QR", "0100", "00100", "H", "06", "1", "2"};
    r.gs1Composite = {"GS1 Composite", "0100", "00100", "03", "1", "0100", "07"};
    return r;
}

// A 24 × 24 dot kanji font, reversed, breaking its lines in an area 80 mm
// wide: 200 characters make about ten lines.
inline CharacterFontRecord characterFontForFigures() {
    CharacterFontRecord r;
    r.typeIndex = 15;
    r.originX = "0100";
    r.originY = "00100";
    r.sizeX = r.sizeY = "10";
    r.spacingAdjust = "+";
    r.spacing = "02";
    r.rotation = "00";
    r.decoration = "W";
    r.decorationParams = "0303";
    r.emphasis = "default";
    r.alignment = "P";
    r.alignmentMode = "5";
    r.areaWidth = "0800";
    r.lineFeed = "030";
    r.areaLines = "20";
    return r;
}

// 200 characters of kanji, kana, digits and letters (UTF-8).
inline std::string charactersForFigures() {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "内蔵漢字ｶﾅ1234";
    return text;
}

}  // namespace vx::bench
