// The scale the preview draws at, zooming in and out, and the part of a
// scene larger than the canvas that it shows.
#include "preview/preview_zoom.h"

#include <gtest/gtest.h>

#include <optional>

namespace vx {
namespace {

PreviewScene drawnUpTo(double rightMm, double bottomMm, std::optional<LabelSize> label) {
    PreviewScene content;
    content.symbolRightMm = rightMm;
    content.symbolBottomMm = bottomMm;
    content.label = label;
    return content;
}

TEST(PreviewScale, EachZoomGivesItsScaleAndWhatDoesNotFitScrolls) {
    struct Case {
        PreviewScene content;
        PreviewZoom zoom;
        int percent;
        bool scrolls;
        const char* line;
    };
    const LabelSize fourByTwo{101.6, 50.8};  // 384 × 192 pixels at 96 dpi
    const Case cases[] = {
        {drawnUpTo(40, 30, fourByTwo), PreviewZoom::TrueSize, 100, false, "実寸で表示しています。"},
        {drawnUpTo(40, 30, fourByTwo), PreviewZoom::Double, 200, true,
         "実寸の 200% で表示しています。"},
        {drawnUpTo(40, 30, fourByTwo), PreviewZoom::Quadruple, 400, true, "実寸の 400%"},
        // 40 × 30 mm fills 300 pixels when 300 / (30 · 96 / 25.4) = 2.645 times as large.
        {drawnUpTo(40, 30, fourByTwo), PreviewZoom::FitWindow, 264, true,
         "ウィンドウに合わせて実寸の 264%"},
        // A symbol reaching 100 mm down (378 pixels) fits at 79 %.
        {drawnUpTo(20, 100, std::nullopt), PreviewZoom::FitWindow, 79, false, "実寸の 79%"},
        {drawnUpTo(20, 100, std::nullopt), PreviewZoom::TrueSize, 100, true, "スクロール"},
        // A wristband 250 mm long scrolls at true size.
        {drawnUpTo(20, 60, LabelSize{25, 250}), PreviewZoom::TrueSize, 100, true, "スクロール"},
        // Nothing drawn: the label fits.
        {drawnUpTo(0, 0, fourByTwo), PreviewZoom::FitWindow, 130, false, "実寸の 130%"},
    };
    for (const Case& c : cases) {
        const PreviewScale scale = previewScale(c.content, 500, 300, 96, c.zoom);
        EXPECT_EQ(scale.percent, c.percent) << c.line;
        if (c.zoom != PreviewZoom::FitWindow) {
            EXPECT_DOUBLE_EQ(scale.pixelsPerMm, c.percent / 100.0 * 96 / 25.4) << c.line;
        }
        EXPECT_EQ(scale.scrolls, c.scrolls) << c.line;
        EXPECT_NE(scaleLine(scale).find(c.line), std::string::npos) << scaleLine(scale);
    }
    // Fitting: the far corner lands on the canvas's edge.
    const PreviewScale tall =
        previewScale(drawnUpTo(20, 100, std::nullopt), 500, 300, 96, PreviewZoom::FitWindow);
    EXPECT_NEAR(tall.pixelsPerMm * 100, 300, 1e-9);
    EXPECT_EQ(previewScale(drawnUpTo(0, 0, std::nullopt), 500, 300, 144, PreviewZoom::FitWindow)
                  .pixelsPerMm,
              144 / 25.4);
}

TEST(PreviewScale, ZoomingStepsThroughTrueSizeTwiceAndFourTimes) {
    using enum PreviewZoom;
    struct Case {
        PreviewZoom from;
        int fitPercent;
        PreviewZoom in, out;
    };
    const Case cases[] = {
        {TrueSize, 50, Double, FitWindow},  // smaller than true size: fit
        {TrueSize, 300, Double, TrueSize},  // fitting is larger: nothing smaller
        {Double, 300, Quadruple, TrueSize},
        {Quadruple, 300, Quadruple, Double},  // the largest step stays
        {FitWindow, 300, Quadruple, Double},
        {FitWindow, 150, Double, TrueSize},
        {FitWindow, 40, TrueSize, FitWindow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoomedIn(c.from, c.fitPercent), c.in)
            << static_cast<int>(c.from) << " " << c.fitPercent;
        EXPECT_EQ(zoomedOut(c.from, c.fitPercent), c.out)
            << static_cast<int>(c.from) << " " << c.fitPercent;
    }
}

TEST(PreviewScale, ScrollingBringsTheFontIntoView) {
    // A text 60 mm in and 40 mm down, 10 × 5 mm, on a 100 × 200 mm label at
    // 10 pixels a mm in a 300 × 200 canvas: its middle comes to the middle.
    PreviewScene content = drawnUpTo(70, 45, LabelSize{100, 200});
    content.symbol = SymbolPreview{};
    content.symbol->originXMm = 60;
    content.symbol->originYMm = 40;
    PreviewScale scale;
    scale.pixelsPerMm = 10;
    scale.sceneWidth = 1000;
    scale.sceneHeight = 2000;
    ScrollPosition at = scrollToFont(content, scale, 300, 200);
    EXPECT_EQ(at.x, 650 - 150);
    EXPECT_EQ(at.y, 425 - 100);
    // Larger than the canvas: its top-left corner; never beyond the scene.
    scale.pixelsPerMm = 40;
    scale.sceneWidth = 4000;
    scale.sceneHeight = 8000;
    at = scrollToFont(content, scale, 300, 100);
    EXPECT_EQ(at.x, 2400);
    EXPECT_EQ(at.y, 1600);
    content.symbol->originXMm = 99;
    content.symbolRightMm = 109;
    EXPECT_EQ(scrollToFont(content, scale, 300, 100).x, 4000 - 300);
}

}  // namespace
}  // namespace vx
