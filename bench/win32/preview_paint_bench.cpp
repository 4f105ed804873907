// What the preview window does on every edit of a 2D code font, timed under
// Wine: the font encoded and laid out with the window's texts, then painted
// with GDI into a canvas of the window's size at true size on a 4 x 2 inch
// label. For each type at its largest symbol with its sample data, for a QR
// code and a PDF417 with 500 characters, and for a character font with 200
// characters in the face that stands in for its glyphs.
//
//   preview_paint_bench [ROUNDS]
//
// Prints the median milliseconds of each step. Figures only: the preview
// should stay well under 30 ms to follow typing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/preview_content.h"
#include "preview/win32/installed_faces.h"
#include "preview/win32/symbol_painter.h"
#include "tests/preview/preview_records.h"

namespace {

constexpr int kCanvasWidth = 430, kCanvasHeight = 255;  // the window's canvas at 96 dpi

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void measure(const char* name, const vx::PreviewSubject& subject,
             const std::optional<std::string>& data, HDC canvas, int rounds) {
    const vx::FaceLookup faces = vx::installedFaces();
    const vx::PreviewPrinter printer{"Label printer", 305, vx::LabelSize{101.6, 50.8}};
    const RECT area{0, 0, kCanvasWidth, kCanvasHeight};
    std::vector<double> content, paint;
    for (int round = 0; round < rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        const vx::PreviewContent shown = vx::previewContent(subject, printer, data, faces);
        content.push_back(millisecondsSince(start));
        start = std::chrono::steady_clock::now();
        vx::paintPreview(
            canvas, area, shown,
            vx::previewScale(shown, kCanvasWidth, kCanvasHeight, 96, vx::PreviewZoom::TrueSize));
        GdiFlush();
        paint.push_back(millisecondsSince(start));
    }
    const vx::PreviewContent shown = vx::previewContent(subject, printer, data, faces);
    std::printf("%-24s encode+layout+texts %7.2f ms   paint %7.2f ms   total %7.2f ms   %s\n", name,
                median(content), median(paint), median(content) + median(paint),
                shown.warning.empty() ? "" : shown.warning.c_str());
}

}  // namespace

// Every program of the cross build is a Unicode program (-municode).
int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kCanvasWidth, kCanvasHeight);
    HGDIOBJ old = SelectObject(canvas, bitmap);

    const char* names[] = {"Data Matrix", "MaxiCode", "MicroPDF417",
                           "PDF417",      "QR code",  "GS1 Composite"};
    auto code2D = [](int type) {
        return vx::PreviewSubject{vx::PageKind::Code2D, 0, vx::test::largestCode2DOfType(type)};
    };
    for (int type = 0; type < 6; ++type)
        measure(names[type], code2D(type), std::nullopt, canvas, rounds);
    std::string longData;
    while (longData.size() < 500) longData += "ZEL Vextora 0123456789 ";
    longData.resize(500);
    measure("PDF417, 500 characters", code2D(3), longData, canvas, rounds);
    measure("QR code, 500 characters", code2D(4), longData, canvas, rounds);
    const vx::PreviewSubject text{vx::PageKind::CharacterFont, 0,
                                  vx::test::longTextFont()};
    measure("Kanji font, 200 chars", text, vx::test::longText(), canvas, rounds);

    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
    return 0;
}
