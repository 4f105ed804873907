// How large the preview draws: true size, two or four times, or as large
// as the canvas allows for the font at its origin; and which part of the
// label the canvas shows when the drawing is larger than the canvas.
#pragma once

#include <string>

#include "preview/preview_scene.h"

namespace vx {

// In the order of the window's list.
enum class PreviewZoom { TrueSize, Double, Quadruple, FitWindow };

struct PreviewScale {
    PreviewZoom zoom = PreviewZoom::TrueSize;
    double pixelsPerMm = 0;
    int percent = 100;  // of true size
    // The label and the font at its origin, in screen pixels at this scale.
    double sceneWidth = 0, sceneHeight = 0;
    // The scene is larger than the canvas: the canvas shows a part of it.
    bool scrolls = false;
};

// The scale for a canvas of `canvasWidth` × `canvasHeight` pixels on a
// screen of `screenDpi`.
PreviewScale previewScale(const PreviewScene& scene, int canvasWidth, int canvasHeight,
                          int screenDpi, PreviewZoom zoom);

// The line that says at which scale the picture is drawn (UTF-8).
std::string scaleLine(const PreviewScale& scale);

// Ctrl+plus and Ctrl+minus: the next larger or smaller of true size, two
// and four times; below true size, the fitting scale when it is smaller.
// `fitPercent` is what FitWindow gives now.
PreviewZoom zoomedIn(PreviewZoom zoom, int fitPercent);
PreviewZoom zoomedOut(PreviewZoom zoom, int fitPercent);

// Where the canvas starts in the scene (pixels) so that the font is in
// view: its box in the middle when it fits the canvas, else its top-left
// corner.
struct ScrollPosition {
    int x = 0, y = 0;
};
ScrollPosition scrollToFont(const PreviewScene& scene, const PreviewScale& scale, int canvasWidth,
                            int canvasHeight);

}  // namespace vx
