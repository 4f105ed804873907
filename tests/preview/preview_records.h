// Records of the fonts the preview draws in the tests and in the
// benchmarks' figures.
#pragma once

#include <string>

#include "settings/font_names.h"
#include "settings/settings_store.h"

namespace vx::test {

// Type indexes of the type tables.
inline constexpr int kCodabar = 0, kCode2of5 = 1, kCode128 = 2, kCode39 = 3, kGs1DataBar = 6,
                     kEan13 = 8, kEan13Plus5 = 10, kMsi = 14, kUpcE = 19;
inline constexpr int kMincho8 = 0, kGothic6 = 6, kOcrB12 = 13, kKanjiGothic16 = 14,
                     kKanjiGothic24 = 15, kKanjiGothic48 = 17, kKanjiMincho24 = 18,
                     kKanjiMincho32 = 19, kPrice1 = 22, kPrice2 = 23, kGothicOutline = 26;
inline constexpr int kDataMatrix = 0, kMaxiCode = 1, kMicroPdf417 = 2, kPdf417 = 3, kQrCode = 4,
                     kComposite = 5;

inline BarcodeRecord barcodeOfType(int typeIndex) {
    BarcodeRecord r;
    r.setType(typeIndex);
    r.originX = r.originY = "default";
    r.narrowBar = r.narrowSpace = r.charGap = "02";
    r.wideBar = r.wideSpace = "05";
    r.moduleWidth = "03";
    r.height = "0100";
    r.guardBarLength = "default";
    r.zeroSuppress = "default";
    r.checkDigit = "1";
    r.rotation = "0";
    r.rssVersion = "1";
    r.autoSwitch = "9";
    r.startStop = "default";
    r.humanReadable = "0";
    return r;
}

inline Code2DRecord code2DOfType(int typeIndex) {
    Code2DRecord r;
    r.typeIndex = typeIndex;
    r.dataMatrix = {"Data Matrix", "default", "default", "03",
                    "0",           "default", "default", "default"};
    r.maxiCode = {"MaxiCode", "default", "default", "0"};
    r.microPdf417 = {"MicroPDF417", "default", "default", "03", "02", "0", "0006"};
    r.pdf417 = {"PDF417", "default", "default", "00", "03", "05", "0", "0008"};
    r.qrCode = {"QR", "default", "default", "L", "03", "0", "2"};
    r.gs1Composite = {"GS1 Composite", "default", "default", "03", "0", "0100", "01"};
    return r;
}

// A character font as the page stores one: at once, unturned, plain.
inline CharacterFontRecord characterFontOfType(int typeIndex) {
    CharacterFontRecord r;
    r.typeIndex = typeIndex;
    r.typeName = characterTypeName(typeIndex);
    r.originX = r.originY = "default";
    r.sizeX = r.sizeY = typeIndex < kFirstOutlineTypeIndex ? "10" : "0030";
    r.spacingAdjust = "default";
    r.spacing = "00";
    r.rotation = "00";
    r.decoration = "B";
    r.decorationParams = "default";
    r.emphasis = "default";
    r.shiftX = r.shiftY = "00";
    r.checkDigit = r.checkDigitMode = "default";
    r.zeroSuppress = r.zeroSuppressDigits = "default";
    r.alignment = r.alignmentMode = "default";
    r.areaWidth = "0050";
    r.lineFeed = "010";
    r.areaLines = "01";
    return r;
}

// Each 2D code type at its largest symbol the page offers, placed 10 mm
// from the label's corner.
inline Code2DRecord largestCode2DOfType(int typeIndex) {
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

// A 24 × 24 dot kanji font placed 10 mm from the label's corner, reversed,
// breaking its lines in an area 80 mm wide: 200 characters make about ten
// lines.
inline CharacterFontRecord longTextFont() {
    CharacterFontRecord r;
    r.typeIndex = kKanjiGothic24;
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
inline std::string longText() {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "内蔵漢字ｶﾅ1234";
    return text;
}

}  // namespace vx::test
