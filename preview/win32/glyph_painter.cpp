#include "preview/win32/glyph_painter.h"

#include "ui/win32/dialog.h"

namespace vx {

namespace {

// The font is made once at this em in logical units; the world transform
// brings each glyph to its cell, so one font serves every size and zoom.
constexpr int kEm = 256;

HFONT createFace(const GlyphFace& style, const std::string& face) {
    const std::wstring name = widen(face);
    LOGFONTW font{};
    font.lfHeight = -kEm;
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily =
        static_cast<BYTE>(style.generic == "serif"       ? FF_ROMAN
                          : style.generic == "monospace" ? FF_MODERN | FIXED_PITCH
                                                         : FF_SWISS);
    name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

void paintGlyphs(HDC dc, const SymbolGeometry& geometry, const std::string& face,
                 const DotMapping& at) {
    if (geometry.glyphs.empty()) return;
    const int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    HFONT font = createFace(geometry.face, face);
    SelectObject(dc, font);
    for (const DotGlyph& glyph : geometry.glyphs) {
        const std::wstring text = widen(glyph.text);
        SIZE advance{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &advance);
        if (advance.cx <= 0) continue;  // a blank
        const bool across = glyph.quarterTurns % 2 == 1;
        const double width = (across ? glyph.box.height : glyph.box.width) * at.pixelsPerDot;
        const double height = (across ? glyph.box.width : glyph.box.height) * at.pixelsPerDot;
        // The advance stretched to the cell's width, the em to its height,
        // turned clockwise about the cell's centre.
        const double sx = width / advance.cx, sy = height / kEm;
        const int turns = glyph.quarterTurns % 4;
        const double cosine = turns == 0 ? 1 : turns == 2 ? -1 : 0;
        const double sine = turns == 1 ? 1 : turns == 3 ? -1 : 0;
        XFORM place{};
        place.eM11 = static_cast<FLOAT>(sx * cosine);
        place.eM12 = static_cast<FLOAT>(sx * sine);
        place.eM21 = static_cast<FLOAT>(-sy * sine);
        place.eM22 = static_cast<FLOAT>(sy * cosine);
        place.eDx =
            static_cast<FLOAT>(at.left + (glyph.box.x + glyph.box.width / 2) * at.pixelsPerDot);
        place.eDy =
            static_cast<FLOAT>(at.top + (glyph.box.y + glyph.box.height / 2) * at.pixelsPerDot);
        SetWorldTransform(dc, &place);
        SetTextColor(dc, glyph.white ? RGB(255, 255, 255) : RGB(0, 0, 0));
        const int baseline = static_cast<int>((kGlyphBaseline - 0.5) * kEm);
        TextOutW(dc, 0, baseline, text.c_str(), static_cast<int>(text.size()));
    }
    RestoreDC(dc, saved);
    DeleteObject(font);
}

void paintGuides(HDC dc, const SymbolGeometry& geometry, const DotMapping& at) {
    if (geometry.guides.empty()) return;
    HPEN pen = CreatePen(PS_DOT, 1, RGB(0, 102, 204));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    for (const DotRect& r : geometry.guides) {
        Rectangle(dc, at.x(r.x), at.y(r.y), at.x(r.x + r.width) + 1, at.y(r.y + r.height) + 1);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

}  // namespace vx
