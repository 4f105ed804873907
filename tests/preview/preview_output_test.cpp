// The SVG form of a symbol and the label from a device mode.
#include <gtest/gtest.h>

#include <regex>

#include "preview/label_size.h"
#include "preview/svg_writer.h"
#include "preview_records.h"
#include "settings/codepage.h"

namespace vx {
namespace {

double attribute(const std::string& svg, const std::string& name) {
    std::smatch match;
    const std::regex pattern("<svg[^>]* " + name + "=\"([0-9.]+)mm\"");
    if (!std::regex_search(svg, match, pattern)) return -1;
    return std::stod(match[1]);
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(SymbolSvg, OneRectPerDarkRunAndTrueSizeInMillimetres) {
    Code2DRecord r = test::code2DOfType(test::kQrCode);
    r.qrCode.moduleWidth = "04";
    r.qrCode.rotation = "1";
    const SymbolPreview p = previewCode2D(r, {203, "ABC", std::nullopt});
    const std::string svg = symbolSvg(p.geometry, 203);
    EXPECT_NEAR(attribute(svg, "width"), 21 * 4 * 25.4 / 203, 1e-4);
    EXPECT_NEAR(attribute(svg, "height"), 21 * 4 * 25.4 / 203, 1e-4);
    EXPECT_EQ(count(svg, "<rect "), p.geometry.bars.size());
    EXPECT_EQ(count(svg, "<text"), 0u);
}

TEST(SymbolSvg, MaxiCodeHasHexagonsAndThreeRings) {
    const SymbolPreview p =
        previewCode2D(test::code2DOfType(test::kMaxiCode), {305, std::nullopt, std::nullopt});
    const std::string svg = symbolSvg(p.geometry, 305);
    EXPECT_EQ(count(svg, "<polygon "), p.geometry.hexagons.size());
    EXPECT_EQ(count(svg, "<circle "), 3u);
    EXPECT_NEAR(attribute(svg, "width"), 28.14, 1e-3);
}

// A 24 × 24 dot Mincho kanji font at 305 dpi, reversed with 2 dots around.
TEST(CharacterSvg, TextInTheSubstitutesFamilyAtItsCellSizeWithTheBoxInMillimetres) {
    CharacterFontRecord r = test::characterFontOfType(test::kKanjiMincho24);
    r.fontName = cp932("ZEL文字フォント07");
    r.decoration = "W";
    r.decorationParams = "0202";
    r.rotation = "11";
    r.zeroSuppress = "Z";
    r.zeroSuppressDigits = "04";
    const SymbolPreview p = previewCharacterFont(r, {305, "<漢&A>", std::nullopt});
    ASSERT_EQ(p.error, "");
    const std::string svg = fontPreviewSvg(p, 305);
    // Turned: 24 + 4 dots wide; one full-width and four half-width cells
    // down the label, 24 + 4 × 12 + 4 high.
    EXPECT_NEAR(attribute(svg, "width"), 28 * 25.4 / 305, 1e-4);
    EXPECT_NEAR(attribute(svg, "height"), 76 * 25.4 / 305, 1e-4);
    EXPECT_EQ(count(svg, "<text "), 5u);
    EXPECT_EQ(count(svg, "fill=\"#fff\""), 5u);
    EXPECT_EQ(count(svg, "<rect "), 1u);
    EXPECT_EQ(count(svg, "font-size=\"24\""), 5u);
    EXPECT_EQ(count(svg, "textLength=\"12\""), 4u);  // the half-width ones
    EXPECT_EQ(count(svg, "transform=\"rotate(90 "), 5u);
    EXPECT_NE(svg.find("font-family=\"'IPA明朝', 'IPAMincho', 'ＭＳ 明朝', 'MS Mincho'"),
              std::string::npos);
    EXPECT_NE(svg.find(">&lt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&amp;</text>"), std::string::npos);
    // The title names the font and what the printer does to the data.
    std::smatch title;
    ASSERT_TRUE(std::regex_search(svg, title, std::regex("<title>(.*)</title>")));
    EXPECT_EQ(title[1].str().rfind("ZEL文字フォント07：漢字明朝体(24×24ドット)", 0), 0u);
    EXPECT_NE(title[1].str().find("ゼロサプレス（4 桁）"), std::string::npos);
}

// A control character from the file (here in the font's name) would make
// the SVG ill-formed: it is drawn as U+FFFD instead.
TEST(CharacterSvg, AControlCharacterFromTheFileKeepsTheSvgWellFormed) {
    CharacterFontRecord r = test::characterFontOfType(test::kKanjiMincho24);
    r.fontName = cp932("ZEL文字フォント07") + "\x1b";
    const std::string svg = fontPreviewSvg(previewCharacterFont(r, {305, "A", std::nullopt}), 305);
    EXPECT_EQ(svg.find('\x1b'), std::string::npos);
    EXPECT_NE(svg.find("<title>ZEL文字フォント07\xEF\xBF\xBD"), std::string::npos) << svg;
}

TEST(CharacterSvg, SymbolsHaveNoTitleAndNoText) {
    const SymbolPreview p = previewCode2D(test::code2DOfType(test::kQrCode), {});
    const std::string svg = fontPreviewSvg(p, 305);
    EXPECT_EQ(count(svg, "<title>"), 0u);
    EXPECT_EQ(count(svg, "<text"), 0u);
}

TEST(LabelFromDeviceMode, PaperFieldsGiveTheLabelOutline) {
    struct Case {
        DevicePaper paper;
        std::optional<LabelSize> expected;
    };
    const std::uint32_t custom = kDeviceModePaperWidth | kDeviceModePaperLength;
    const Case cases[] = {
        {{custom, 1, 0, 400, 250}, LabelSize{25.0, 40.0}},  // 25 mm by 40 mm label
        {{custom | kDeviceModeOrientation, 2, 0, 400, 250}, LabelSize{40.0, 25.0}},  // landscape
        {{kDeviceModePaperSize, 1, 9, 0, 0}, LabelSize{210.0, 297.0}},               // A4
        {{kDeviceModePaperSize | kDeviceModePaperWidth, 1, 9, 0, 1000}, LabelSize{100.0, 297.0}},
        {{0, 1, 9, 400, 250}, std::nullopt},                   // fields not marked valid
        {{custom, 1, 0, 0, 250}, std::nullopt},                // no length
        {{kDeviceModePaperSize, 1, 999, 0, 0}, std::nullopt},  // unknown paper
    };
    for (const Case& c : cases) {
        const std::optional<LabelSize> label = labelFromDevicePaper(c.paper);
        ASSERT_EQ(label.has_value(), c.expected.has_value()) << c.paper.fields;
        if (!label) continue;
        EXPECT_DOUBLE_EQ(label->widthMm, c.expected->widthMm);
        EXPECT_DOUBLE_EQ(label->heightMm, c.expected->heightMm);
    }
}

}  // namespace
}  // namespace vx
