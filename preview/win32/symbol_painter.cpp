#include "preview/win32/symbol_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "preview/win32/glyph_painter.h"
#include "ui/win32/dialog.h"

namespace vx {

namespace {

constexpr COLORREF kOutside = RGB(160, 160, 160);
constexpr COLORREF kLabel = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

void fill(HDC dc, RECT rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void paintBars(HDC dc, const SymbolGeometry& geometry, const DotMapping& at) {
    for (const DotRect& bar : geometry.bars) {
        RECT rect{at.x(bar.x), at.y(bar.y), at.x(bar.x + bar.width), at.y(bar.y + bar.height)};
        // However small the scale, a bar stays visible.
        rect.right = std::max(rect.right, rect.left + 1);
        rect.bottom = std::max(rect.bottom, rect.top + 1);
        fill(dc, rect, kInk);
    }
}

void paintHexagons(HDC dc, const SymbolGeometry& geometry, const DotMapping& at) {
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetDCBrushColor(dc, kInk);
    for (const DotHexagon& hexagon : geometry.hexagons) {
        // From the distance across the flats to the corners' radius.
        const double radius = hexagon.diameter / std::sqrt(3.0);
        const double first = hexagon.pointsUp ? 90.0 : 0.0;
        POINT corners[6];
        for (int i = 0; i < 6; ++i) {
            const double angle = (first + 60.0 * i) * std::numbers::pi / 180.0;
            corners[i] = {at.x(hexagon.centreX + radius * std::cos(angle)),
                          at.y(hexagon.centreY - radius * std::sin(angle))};
        }
        Polygon(dc, corners, 6);
    }
}

void paintRings(HDC dc, const SymbolGeometry& geometry, const DotMapping& at) {
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const DotRing& ring : geometry.rings) {
        const int width =
            std::max(1, static_cast<int>(std::lround(ring.lineWidth * at.pixelsPerDot)));
        HPEN pen = CreatePen(PS_SOLID, width, kInk);
        HGDIOBJ old = SelectObject(dc, pen);
        Ellipse(dc, at.x(ring.centreX - ring.radius), at.y(ring.centreY - ring.radius),
                at.x(ring.centreX + ring.radius), at.y(ring.centreY + ring.radius));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void paintTexts(HDC dc, const SymbolGeometry& geometry, const DotMapping& at) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    for (const DotText& text : geometry.texts) {
        const int height =
            std::max(6, static_cast<int>(std::lround(text.height * at.pixelsPerDot)));
        // GDI turns text counter-clockwise; the geometry turns clockwise.
        const int escapement = ((4 - text.quarterTurns % 4) % 4) * 900;
        HFONT font = CreateFontW(-height, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
        HGDIOBJ old = SelectObject(dc, font);
        const std::wstring wide = widen(text.text);
        // The baseline a third of the height below the anchor centres the digits.
        const double drop = height / 3.0;
        const double angle = text.quarterTurns * std::numbers::pi / 2;
        const int x = at.x(text.centreX) - static_cast<int>(std::lround(drop * std::sin(angle)));
        const int y = at.y(text.centreY) + static_cast<int>(std::lround(drop * std::cos(angle)));
        TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        SelectObject(dc, old);
        DeleteObject(font);
    }
}

}  // namespace

RECT paintPreview(HDC dc, const RECT& area, const PreviewScene& scene, const PreviewScale& scale,
                  ScrollPosition scroll) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const double ppm = scale.pixelsPerMm;
    // Label and font centred in the area; what is larger is scrolled.
    const double room = area.right - area.left, roomDown = area.bottom - area.top;
    const double left = area.left + (scale.sceneWidth <= room ? (room - scale.sceneWidth) / 2
                                                              : -static_cast<double>(scroll.x));
    const double top =
        area.top + (scale.sceneHeight <= roomDown ? (roomDown - scale.sceneHeight) / 2
                                                  : -static_cast<double>(scroll.y));

    fill(dc, area, scene.label ? kOutside : kLabel);
    if (scene.label) {
        RECT label{static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
                   static_cast<int>(std::lround(left + scene.label->widthMm * ppm)),
                   static_cast<int>(std::lround(top + scene.label->heightMm * ppm))};
        fill(dc, label, kLabel);
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, label.left - 1, label.top - 1, label.right + 1, label.bottom + 1);
    }

    RECT symbolBox{};
    if (scene.symbol && scene.symbol->error.empty()) {
        const SymbolPreview& symbol = *scene.symbol;
        const DotMapping at{left + symbol.originXMm.value_or(0) * ppm,
                            top + symbol.originYMm.value_or(0) * ppm, ppm * 25.4 / scene.dpi};
        paintBars(dc, symbol.geometry, at);
        paintHexagons(dc, symbol.geometry, at);
        paintRings(dc, symbol.geometry, at);
        paintTexts(dc, symbol.geometry, at);
        paintGuides(dc, symbol.geometry, at);
        paintGlyphs(dc, symbol.geometry, scene.face, at);
        symbolBox = {at.x(0), at.y(0), at.x(symbol.geometry.width), at.y(symbol.geometry.height)};
    }
    RestoreDC(dc, saved);
    return symbolBox;
}

}  // namespace vx
