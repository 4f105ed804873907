// Draws what the preview shows with GDI: the label as an outline and the
// symbol at its origin, at a given number of screen pixels per mm.
#pragma once

#include <windows.h>

#include "app/preview_content.h"

namespace vx {

// Paints into `area` of `dc`; returns where the symbol's box of bars and
// modules lies (empty when there is no symbol).
RECT paintPreview(HDC dc, const RECT& area, const PreviewContent& content,
                  const PreviewScale& scale);

}  // namespace vx
