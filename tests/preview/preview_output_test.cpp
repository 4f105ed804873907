// The SVG form of a symbol and the label from a device mode.
#include <gtest/gtest.h>

#include <regex>

#include "preview/label_size.h"
#include "preview/svg_writer.h"
#include "preview_records.h"

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
    const SymbolPreview p = previewCode2D(test::code2DOfType(test::kMaxiCode), {305, std::nullopt, std::nullopt});
    const std::string svg = symbolSvg(p.geometry, 305);
    EXPECT_EQ(count(svg, "<polygon "), p.geometry.hexagons.size());
    EXPECT_EQ(count(svg, "<circle "), 3u);
    EXPECT_NEAR(attribute(svg, "width"), 28.14, 1e-3);
}

TEST(LabelFromDeviceMode, PaperFieldsGiveTheLabelOutline) {
    struct Case {
        DevicePaper paper;
        std::optional<LabelSize> expected;
    };
    const std::uint32_t custom = kDeviceModePaperWidth | kDeviceModePaperLength;
    const Case cases[] = {
        {{custom, 1, 0, 400, 250}, LabelSize{25.0, 40.0}},            // 25 mm by 40 mm label
        {{custom | kDeviceModeOrientation, 2, 0, 400, 250}, LabelSize{40.0, 25.0}},  // landscape
        {{kDeviceModePaperSize, 1, 9, 0, 0}, LabelSize{210.0, 297.0}},  // A4
        {{kDeviceModePaperSize | kDeviceModePaperWidth, 1, 9, 0, 1000}, LabelSize{100.0, 297.0}},
        {{0, 1, 9, 400, 250}, std::nullopt},                 // fields not marked valid
        {{custom, 1, 0, 0, 250}, std::nullopt},              // no length
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
