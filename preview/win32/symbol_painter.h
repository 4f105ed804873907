// Draws what the preview shows with GDI: the label as an outline and the
// symbol or text at its origin, at a given number of screen pixels per mm.
#pragma once

#include <windows.h>

#include <cmath>

#include "preview/preview_scene.h"
#include "preview/preview_zoom.h"

namespace vx {

// Printer dots placed on the screen: the drawing's top-left corner and the
// screen pixels per dot.
struct DotMapping {
    double left, top, pixelsPerDot;
    int x(double dots) const { return static_cast<int>(std::lround(left + dots * pixelsPerDot)); }
    int y(double dots) const { return static_cast<int>(std::lround(top + dots * pixelsPerDot)); }
};

// Paints into `area` of `dc`, the scene scrolled by `scroll` pixels where it
// is larger than the area; returns where the box of what is printed lies
// (empty when nothing is drawn).
RECT paintPreview(HDC dc, const RECT& area, const PreviewScene& scene, const PreviewScale& scale,
                  ScrollPosition scroll = {});

}  // namespace vx
