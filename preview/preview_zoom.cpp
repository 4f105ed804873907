#include "preview/preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

constexpr int kFixedPercents[] = {100, 200, 400};
// Fitting a tiny font never draws it larger than this.
constexpr double kLargestFit = 16;

int fixedPercent(PreviewZoom zoom) {
    switch (zoom) {
        case PreviewZoom::Double:
            return 200;
        case PreviewZoom::Quadruple:
            return 400;
        default:
            return 100;
    }
}

PreviewZoom zoomOfPercent(int percent) {
    return percent == 400   ? PreviewZoom::Quadruple
           : percent == 200 ? PreviewZoom::Double
                            : PreviewZoom::TrueSize;
}

int percentOf(PreviewZoom zoom, int fitPercent) {
    return zoom == PreviewZoom::FitWindow ? fitPercent : fixedPercent(zoom);
}

// The factor of true size at which what matters fits the canvas: the font
// at its origin, or the label when nothing is drawn.
double fittingFactor(const PreviewScene& scene, int canvasWidth, int canvasHeight,
                     double pixelsPerMm) {
    double width = scene.symbolRightMm, height = scene.symbolBottomMm;
    if ((width <= 0 || height <= 0) && scene.label) {
        width = scene.label->widthMm;
        height = scene.label->heightMm;
    }
    if (width <= 0 || height <= 0 || canvasWidth <= 0 || canvasHeight <= 0) return 1;
    const double fit =
        std::min(canvasWidth / (width * pixelsPerMm), canvasHeight / (height * pixelsPerMm));
    return std::min(fit, kLargestFit);
}

}  // namespace

PreviewScale previewScale(const PreviewScene& scene, int canvasWidth, int canvasHeight,
                          int screenDpi, PreviewZoom zoom) {
    PreviewScale scale;
    scale.zoom = zoom;
    const double trueSize = screenDpi / 25.4;
    double factor = fixedPercent(zoom) / 100.0;
    if (zoom == PreviewZoom::FitWindow) {
        factor = fittingFactor(scene, canvasWidth, canvasHeight, trueSize);
        // Rounded down, so that the percentage never promises more than is drawn.
        scale.percent = std::max(1, static_cast<int>(std::floor(factor * 100 + 1e-9)));
    } else {
        scale.percent = fixedPercent(zoom);
    }
    scale.pixelsPerMm = trueSize * factor;
    const double labelWidth = scene.label ? scene.label->widthMm : 0;
    const double labelHeight = scene.label ? scene.label->heightMm : 0;
    scale.sceneWidth = std::max(labelWidth, scene.symbolRightMm) * scale.pixelsPerMm;
    scale.sceneHeight = std::max(labelHeight, scene.symbolBottomMm) * scale.pixelsPerMm;
    // A pixel's rounding does not scroll.
    scale.scrolls = scale.sceneWidth > canvasWidth + 1 || scale.sceneHeight > canvasHeight + 1;
    return scale;
}

std::string scaleLine(const PreviewScale& scale) {
    std::string line = scale.zoom == PreviewZoom::FitWindow ? "ウィンドウに合わせて" : "";
    line += scale.percent == 100
                ? std::string("実寸で表示しています。")
                : "実寸の " + std::to_string(scale.percent) + "% で表示しています。";
    if (scale.scrolls) line += "ウィンドウに入らない部分はスクロールして表示できます。";
    return line;
}

PreviewZoom zoomedIn(PreviewZoom zoom, int fitPercent) {
    const int now = percentOf(zoom, fitPercent);
    for (int percent : kFixedPercents) {
        if (percent > now) return zoomOfPercent(percent);
    }
    return zoom;
}

PreviewZoom zoomedOut(PreviewZoom zoom, int fitPercent) {
    const int now = percentOf(zoom, fitPercent);
    for (auto it = std::rbegin(kFixedPercents); it != std::rend(kFixedPercents); ++it) {
        if (*it < now) return zoomOfPercent(*it);
    }
    return fitPercent < now ? PreviewZoom::FitWindow : zoom;
}

ScrollPosition scrollToFont(const PreviewScene& scene, const PreviewScale& scale, int canvasWidth,
                            int canvasHeight) {
    auto along = [&](double startMm, double endMm, double extent, int canvas) {
        const double start = startMm * scale.pixelsPerMm, end = endMm * scale.pixelsPerMm;
        const double wanted = end - start <= canvas ? (start + end - canvas) / 2 : start;
        const double furthest = std::max(0.0, extent - canvas);
        return static_cast<int>(std::lround(std::clamp(wanted, 0.0, furthest)));
    };
    const double left = scene.symbol ? scene.symbol->originXMm.value_or(0) : 0;
    const double top = scene.symbol ? scene.symbol->originYMm.value_or(0) : 0;
    return {along(left, scene.symbolRightMm, scale.sceneWidth, canvasWidth),
            along(top, scene.symbolBottomMm, scale.sceneHeight, canvasHeight)};
}

}  // namespace vx
