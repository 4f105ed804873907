// A character font's text in printer dots against figures worked out by
// hand: cells from points, dots and 0.1 mm, magnifications, spacing,
// rotations, decoration, emphasis, the alignment area and its line breaks,
// and the data a type refuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "preview/character_types.h"
#include "preview/symbol_preview.h"
#include "preview/text_plan.h"
#include "preview_records.h"
#include "settings/font_type_numbers.h"

namespace vx {
namespace {

using test::characterFontOfType;

// At 254 dpi a 0.1 mm is exactly one dot.
constexpr double kTenDotsPerMm = 254;

SymbolPreview drawn(const CharacterFontRecord& r, std::string data, double dpi = 305) {
    return previewCharacterFont(r, {dpi, std::move(data), std::nullopt});
}

// The 24 × 24 dot kanji font at 2.0 × 1.5, widened by 4 dots.
CharacterFontRecord wideKanji() {
    CharacterFontRecord r = characterFontOfType(test::kKanjiGothic24);
    r.sizeX = "20";
    r.sizeY = "15";
    r.spacingAdjust = "+";
    r.spacing = "04";
    return r;
}

TEST(CharacterCells, FourWideKanjiAre204By36DotsAndTurnTogether) {
    // 4 cells of 48 dots and 3 gaps of 4; 24 × 1.5 high.
    SymbolPreview p = drawn(wideKanji(), "漢字表示");
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.geometry.width, 204);
    EXPECT_EQ(p.geometry.height, 36);
    EXPECT_EQ(p.geometry.glyphs.size(), 4u);

    CharacterFontRecord turned = wideKanji();
    turned.rotation = "11";
    p = drawn(turned, "漢字表示");
    EXPECT_EQ(p.geometry.width, 36);
    EXPECT_EQ(p.geometry.height, 204);
    // Down the label, each character turned a quarter: the first on top.
    EXPECT_EQ(p.geometry.glyphs[0].box.y, 0);
    EXPECT_EQ(p.geometry.glyphs[1].box.y, 52);
    EXPECT_EQ(p.geometry.glyphs[0].quarterTurns, 1);
}

TEST(CharacterCells, CellsFromPointsDotsAndTenthsOfAMillimetre) {
    struct Case {
        int type;
        const char* sizeX;
        const char* sizeY;
        double dpi, width, height;
    };
    const Case cases[] = {
        {test::kOcrB12, "10", "10", 300, 50, 50},    // 12 / 72 inch at 300 dpi
        {test::kOcrB12, "10", "10", 305, 51, 51},    // 50.8 rounded
        {test::kMincho8, "10", "10", 305, 34, 34},   // 33.9 rounded
        {test::kGothic6, "20", "05", 203, 34, 8.5},  // 16.9 → 17 dots, then × 2 and × 0.5
        {test::kKanjiGothic48, "95", "10", 305, 456, 48},
        {test::kKanjiMincho32, "default", "1", 305, 32, 32},  // no code: once
        {test::kGothicOutline, "0300", "0120", kTenDotsPerMm, 300, 120},
        {test::kPrice1, "0050", "0080", 203, 40, 64},  // 5 mm, 8 mm at 8 dots/mm
    };
    for (const Case& c : cases) {
        CharacterFontRecord r = characterFontOfType(c.type);
        r.sizeX = c.sizeX;
        r.sizeY = c.sizeY;
        const TextPlan plan = textPlan(r, c.dpi);
        EXPECT_DOUBLE_EQ(plan.cellWidth, c.width) << c.type << " " << c.sizeX;
        EXPECT_DOUBLE_EQ(plan.cellHeight, c.height) << c.type << " " << c.sizeY;
    }
}

TEST(CharacterCells, HalfWidthCharactersTakeHalfACell) {
    CharacterFontRecord r = characterFontOfType(test::kKanjiGothic24);
    EXPECT_EQ(drawn(r, "AB").geometry.width, 24);
    EXPECT_EQ(drawn(r, "漢ｱ1").geometry.width, 48);
    const SymbolPreview ocr = drawn(characterFontOfType(test::kOcrB12), "A1", 300);
    EXPECT_EQ(ocr.geometry.width, 50);
    EXPECT_EQ(ocr.geometry.glyphs[1].box.x, 25);
}

TEST(CharacterCells, AnAutomaticOutlineSizeIsDrawnAtThreeMillimetresAndSaid) {
    CharacterFontRecord r = characterFontOfType(test::kGothicOutline);
    r.sizeX = "default";
    r.sizeY = "0050";
    const SymbolPreview p = drawn(r, "字", kTenDotsPerMm);
    EXPECT_EQ(p.geometry.width, 30);
    EXPECT_EQ(p.geometry.height, 50);
    EXPECT_TRUE(std::any_of(p.notes.begin(), p.notes.end(),
                            [](const std::string& n) { return n.find("3.0 mm") != n.npos; }));
}

TEST(CharacterSpacing, NarrowingNeverAdvancesLessThanOneDot) {
    CharacterFontRecord r = characterFontOfType(test::kKanjiGothic16);
    r.spacingAdjust = "-";
    r.spacing = "05";
    EXPECT_EQ(drawn(r, "漢字表").geometry.width, 3 * 16 - 2 * 5);
    r.spacing = "20";
    EXPECT_EQ(drawn(r, "漢字表").geometry.width, 1 + 1 + 16);
    r.spacingAdjust = "default";  // the spacing is kept but not applied
    EXPECT_EQ(drawn(r, "漢字表").geometry.width, 48);
    r.spacingAdjust = "+";  // a spacing that is no count of dots widens nothing
    r.spacing = "-7";
    EXPECT_EQ(drawn(r, "漢字表").geometry.width, 48);
}

TEST(CharacterRotation, TheLineTurnsTheStringAndTheFirstDigitEachCharacter) {
    struct Case {
        const char* rotation;
        double width, height;
        int glyphTurns;
        double firstX, firstY;  // where the first character's cell lies
    };
    // Cells 48 wide, 36 high; "+" 4 dots; four kanji.
    const Case cases[] = {
        {"00", 204, 36, 0, 0, 0},
        {"22", 204, 36, 2, 156, 0},  // upside down, read from the right
        {"33", 36, 204, 3, 0, 156},  // up the label
        {"01", 48, 156, 0, 0, 0},    // upright characters down the label: 4 × 36 + 3 × 4
        {"30", 156, 48, 3, 0, 0},    // characters lying down along the line
        {"default", 204, 36, 0, 0, 0},
    };
    for (const Case& c : cases) {
        CharacterFontRecord r = wideKanji();
        r.rotation = c.rotation;
        const SymbolPreview p = drawn(r, "漢字表示");
        EXPECT_EQ(p.geometry.width, c.width) << c.rotation;
        EXPECT_EQ(p.geometry.height, c.height) << c.rotation;
        EXPECT_EQ(p.geometry.glyphs[0].quarterTurns, c.glyphTurns) << c.rotation;
        EXPECT_EQ(p.geometry.glyphs[0].box.x, c.firstX) << c.rotation;
        EXPECT_EQ(p.geometry.glyphs[0].box.y, c.firstY) << c.rotation;
        EXPECT_EQ(p.rotationAutomatic, std::string(c.rotation) == "default") << c.rotation;
    }
}

TEST(CharacterDecoration, ReversedFramedAndStruckTextGrowByTheirParameters) {
    struct Case {
        const char* decoration;
        const char* params;
        double width, height;
        std::size_t shapes;
    };
    const Case cases[] = {
        {"W", "0503", 204 + 10, 36 + 6, 1},  // black area 5 and 3 dots beyond the text
        {"F", "0302", 204 + 2 * (3 + 2), 36 + 2 * (2 + 2), 4},  // frame of 2-dot lines
        {"C", "07", 204 + 14, 36, 2},                           // two lines 7 dots beyond each end
        {"B", "default", 204, 36, 0},
    };
    for (const Case& c : cases) {
        CharacterFontRecord r = wideKanji();
        r.decoration = c.decoration;
        r.decorationParams = c.params;
        const SymbolPreview p = drawn(r, "漢字表示");
        EXPECT_EQ(p.geometry.width, c.width) << c.decoration;
        EXPECT_EQ(p.geometry.height, c.height) << c.decoration;
        EXPECT_EQ(p.geometry.bars.size(), c.shapes) << c.decoration;
        EXPECT_EQ(p.geometry.glyphs[0].white, std::string(c.decoration) == "W") << c.decoration;
    }
    // The reversed area lies 5 dots left of the first character, which moves in by 5.
    CharacterFontRecord r = wideKanji();
    r.decoration = "W";
    r.decorationParams = "0503";
    EXPECT_EQ(drawn(r, "漢字表示").geometry.glyphs[0].box.x, 5);
}

TEST(CharacterEmphasis, BitmapCharactersAreDrawnAgainShiftedOutlineOnesNot) {
    CharacterFontRecord r = wideKanji();
    r.emphasis = "J";
    r.shiftX = "02";
    r.shiftY = "03";
    const SymbolPreview p = drawn(r, "漢字表示");
    EXPECT_EQ(p.geometry.width, 206);
    EXPECT_EQ(p.geometry.height, 39);
    ASSERT_EQ(p.geometry.glyphs.size(), 8u);
    EXPECT_EQ(p.geometry.glyphs[1].box.x - p.geometry.glyphs[0].box.x, 2);
    EXPECT_EQ(p.geometry.glyphs[1].box.y - p.geometry.glyphs[0].box.y, 3);

    CharacterFontRecord outline = characterFontOfType(test::kGothicOutline);
    outline.emphasis = "J";
    outline.shiftX = "05";
    EXPECT_EQ(drawn(outline, "字").geometry.glyphs.size(), 1u);
}

// Four 16-dot kanji (64 dots) in an area 10 mm (100 dots) wide.
TEST(CharacterAlignment, TheLineIsPlacedInTheArea) {
    struct Case {
        const char* mode;
        double starts[4];
    };
    const Case cases[] = {
        {"1", {0, 16, 32, 48}},
        {"2", {18, 34, 50, 66}},
        {"3", {36, 52, 68, 84}},
        {"4", {0, 28, 56, 84}},  // gaps of (100 - 64) / 3
    };
    for (const Case& c : cases) {
        CharacterFontRecord r = characterFontOfType(test::kKanjiGothic16);
        r.alignment = "P";
        r.alignmentMode = c.mode;
        r.areaWidth = "0100";
        const SymbolPreview p = drawn(r, "漢字表示", kTenDotsPerMm);
        EXPECT_EQ(p.geometry.width, 100) << c.mode;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(p.geometry.glyphs[i].box.x, c.starts[i]) << c.mode;
        ASSERT_EQ(p.geometry.guides.size(), 1u);
    }
    // Alignment off: the box is the text's.
    EXPECT_EQ(drawn(characterFontOfType(test::kKanjiGothic16), "漢字表示").geometry.width, 64);
}

TEST(CharacterAlignment, LineBreaksAtTheAreasWidthUpToItsLines) {
    // 50 dots hold three 16-dot kanji; lines 20 dots apart.
    CharacterFontRecord r = characterFontOfType(test::kKanjiGothic16);
    r.alignment = "P";
    r.alignmentMode = "5";
    r.areaWidth = "0050";
    r.lineFeed = "020";
    r.areaLines = "03";
    SymbolPreview p = drawn(r, "一二三四五六七", kTenDotsPerMm);
    EXPECT_EQ(p.geometry.width, 50);
    EXPECT_EQ(p.geometry.height, 2 * 20 + 16);
    ASSERT_EQ(p.geometry.glyphs.size(), 7u);
    EXPECT_EQ(p.geometry.glyphs[3].box.x, 0);
    EXPECT_EQ(p.geometry.glyphs[3].box.y, 20);
    EXPECT_EQ(p.geometry.glyphs[6].box.y, 40);

    r.areaLines = "02";  // the seventh character is left out, and said
    p = drawn(r, "一二三四五六七", kTenDotsPerMm);
    EXPECT_EQ(p.geometry.glyphs.size(), 6u);
    EXPECT_EQ(p.geometry.height, 20 + 16);
    EXPECT_TRUE(std::any_of(p.notes.begin(), p.notes.end(),
                            [](const std::string& n) { return n.find("1 文字") != n.npos; }));
}

TEST(CharacterAlignment, TextWiderThanTheAreaIsSaid) {
    CharacterFontRecord r = characterFontOfType(test::kKanjiGothic16);
    r.alignment = "P";
    r.alignmentMode = "2";
    r.areaWidth = "0050";
    const SymbolPreview p = drawn(r, "一二三四", kTenDotsPerMm);
    EXPECT_EQ(p.geometry.width, 64);
    EXPECT_TRUE(std::any_of(p.notes.begin(), p.notes.end(),
                            [](const std::string& n) { return n.find("収まりません") != n.npos; }));
}

// An area of "自動" width is as wide as the text (4 kanji of 16 dots): the
// text fits and nothing warns, what it is drawn at is said. A set width
// that the text exceeds is named as the layout took it (3.0 mm, 30 dots).
TEST(CharacterAlignment, TheAreaIsNamedAsTheLayoutTookIt) {
    const struct {
        const char* width;
        const char* mode;
        double drawn;
        const char* said;
        bool warned;
    } cases[] = {
        {"default", "2", 64, "文字寄せエリアの幅は「自動」：プリンタドライバが決めます。", false},
        {"default", "5", 64, "文字寄せエリアの幅は「自動」：プリンタドライバが決めます。", false},
        {"0030", "1", 30, "文字列が文字寄せエリア（幅 3.0 mm）に収まりません。", true},
    };
    for (const auto& c : cases) {
        CharacterFontRecord r = characterFontOfType(test::kKanjiGothic16);
        r.alignment = "P";
        r.alignmentMode = c.mode;
        r.areaWidth = c.width;
        r.areaLines = "03";
        const SymbolPreview p = drawn(r, "一二三四", kTenDotsPerMm);
        ASSERT_EQ(p.geometry.guides.size(), 1u) << c.width;
        EXPECT_EQ(p.geometry.guides[0].width, c.drawn) << c.width;
        EXPECT_EQ(p.geometry.guides[0].height, 16) << c.width << ": one line";
        const auto has = [&](const std::string& part) {
            return std::any_of(p.notes.begin(), p.notes.end(),
                               [&](const std::string& n) { return n.find(part) != n.npos; });
        };
        EXPECT_TRUE(has(c.said)) << c.width << ": " << testing::PrintToString(p.notes);
        EXPECT_EQ(has("収まりません"), c.warned) << c.width;
    }
}

TEST(CharacterData, WhatATypeCannotPrintIsRefusedWithTheCharacter) {
    struct Case {
        int type;
        const char* data;
        const char* refused;  // nullptr: printed
    };
    const Case cases[] = {
        {test::kOcrB12, "漢", "「漢」"},
        {test::kOcrB12, "ｱ", "「ｱ」"},
        {test::kOcrB12, "AZ 09-.", nullptr},
        {test::kPrice1, "12A", "「A」"},
        {test::kPrice1, "¥1,980", nullptr},
        {test::kMincho8, "漢", "「漢」"},
        {test::kMincho8, "ｶﾅ AB", nullptr},
        {test::kKanjiGothic24, "😀", "「😀」"},
        {test::kKanjiGothic24, "表ｱA", nullptr},
        {test::kGothicOutline, "A\tB", "制御文字"},
        {test::kGothicOutline, "", "データがありません"},
    };
    for (const Case& c : cases) {
        const SymbolPreview p = drawn(characterFontOfType(c.type), c.data);
        if (c.refused == nullptr) {
            EXPECT_EQ(p.error, "") << c.data;
            EXPECT_GT(p.geometry.width, 0) << c.data;
        } else {
            EXPECT_NE(p.error.find(c.refused), std::string::npos) << c.data << ": " << p.error;
            EXPECT_TRUE(p.geometry.glyphs.empty()) << c.data;
        }
    }
}

TEST(CharacterData, EachTypesSampleIsPrintableAndSuitsIt) {
    for (int type = 0; type < kCharacterTypeCount; ++type) {
        const CharacterFontRecord r = characterFontOfType(type);
        const SymbolPreview p = previewCharacterFont(r, {});
        EXPECT_EQ(p.error, "") << type;
        EXPECT_FALSE(p.geometry.glyphs.empty()) << type;
    }
    EXPECT_NE(sampleCharacterData(characterFontOfType(test::kKanjiMincho24)).find("漢字"),
              std::string::npos);
    EXPECT_EQ(
        sampleCharacterData(characterFontOfType(test::kPrice2)).find_first_not_of("0123456789"),
        std::string::npos);
}

TEST(CharacterTypes, EveryTypeHasItsFactsUnderItsFontType) {
    for (int type = 0; type < kCharacterTypeCount; ++type) {
        const CharacterTypeFacts* facts = characterTypeFacts(type);
        ASSERT_NE(facts, nullptr) << type;
        EXPECT_EQ(facts->fontType, characterFontTypeFromTypeIndex(type)) << type;
    }
    EXPECT_EQ(characterTypeFacts(-1), nullptr);
    EXPECT_EQ(characterTypeFacts(kCharacterTypeCount), nullptr);
    // Named rows, from the type names.
    EXPECT_EQ(characterTypeFacts(test::kMincho8)->size, 8);
    EXPECT_EQ(characterTypeFacts(test::kKanjiGothic48)->size, 48);
    EXPECT_EQ(characterTypeFacts(test::kKanjiMincho32)->design, FaceDesign::Mincho);
    EXPECT_TRUE(characterTypeFacts(5)->italic);  // 明朝 12ポイント(ITALIC)
    EXPECT_TRUE(characterTypeFacts(10)->bold);   // ゴシック 14ポイント(BOLD)
    EXPECT_FALSE(characterTypeFacts(8)->bold);   // ゴシック 12ポイント
    EXPECT_EQ(characterTypeFacts(25)->design, FaceDesign::Mincho);  // 明朝(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)
}

TEST(CharacterFaces, OcrFontsFallBackToAMonospacedFaceThatIsInstalled) {
    const GlyphFace ocr = glyphFace(*characterTypeFacts(test::kOcrB12));
    EXPECT_EQ(ocr.generic, "monospace");
    const auto onlyIpa = [](std::string_view family) { return family == "IPAGothic"; };
    const std::optional<std::size_t> found = installedFamily(ocr, onlyIpa);
    ASSERT_TRUE(found);
    EXPECT_EQ(ocr.families[*found], "IPAGothic");
    EXPECT_GE(*found, ocr.ownDesign);
    const auto withOcr = [](std::string_view family) {
        return family == "OCR B" || family == "IPAGothic";
    };
    EXPECT_LT(*installedFamily(ocr, withOcr), ocr.ownDesign);
    EXPECT_FALSE(installedFamily(ocr, [](std::string_view) { return false; }));

    const GlyphFace mincho = glyphFace(*characterTypeFacts(test::kKanjiMincho24));
    EXPECT_NE(std::find(mincho.families.begin(), mincho.families.end(), "IPAMincho"),
              mincho.families.end());
    EXPECT_EQ(mincho.generic, "serif");
    EXPECT_TRUE(glyphFace(*characterTypeFacts(3)).bold);  // 明朝 12ポイント(BOLD)
}

}  // namespace
}  // namespace vx
