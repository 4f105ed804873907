// Sizes of previewed symbols against facts of the symbologies, worked out
// by hand from their definitions.
#include "preview/symbol_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "preview_records.h"

namespace vx {
namespace {

using test::barcodeOfType;
using test::code2DOfType;

double mm(double dots, double dpi) { return dots * 25.4 / dpi; }

// A version 1 QR code is 21 modules square, whatever the error correction.
TEST(SymbolPreviewSize, QrCodeVersion1Is21ModulesSquareAtTheModuleWidth) {
    struct Case {
        const char* moduleWidth;
        int module;
        double dpi;
        const char* level;
    };
    for (const Case& c : {Case{"01", 1, 203, "L"}, Case{"03", 3, 305, "M"}, Case{"06", 6, 305, "Q"},
                          Case{"10", 10, 609, "H"}}) {
        Code2DRecord r = code2DOfType(test::kQrCode);
        r.qrCode.moduleWidth = c.moduleWidth;
        r.qrCode.errorCorrection = c.level;
        const SymbolPreview p = previewCode2D(r, {c.dpi, "ABC", std::nullopt});
        ASSERT_TRUE(p.error.empty()) << p.error;
        const double side = 21.0 * c.module * 25.4 / c.dpi;
        EXPECT_NEAR(p.widthMm, side, 1e-9) << c.moduleWidth << " at " << c.dpi;
        EXPECT_NEAR(p.heightMm, side, 1e-9);
    }
}

// A type index outside the table is drawn as the page shows it, as Data
// Matrix: ten digits need its 12 × 12 square (10 × 10 holds six), where a
// QR code would be 21 modules a side.
TEST(SymbolPreviewSize, ATypeOutsideTheTableIsDrawnAsThePageShowsIt) {
    Code2DRecord r = code2DOfType(test::kQrCode);
    r.dataMatrix.moduleWidth = "02";
    r.typeIndex = 9;
    const SymbolPreview p = previewCode2D(r, {254, "0123456789", std::nullopt});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_NEAR(p.widthMm, 12 * 2 * 25.4 / 254, 1e-9);
    EXPECT_NEAR(p.heightMm, p.widthMm, 1e-9);
}

// EAN-13: 95 modules from the first guard bar to the last; the guard bars
// reach below the others by the guard bar length.
TEST(SymbolPreviewSize, Ean13BarsSpan95ModulesAndGuardBarsReachBelow) {
    BarcodeRecord r = barcodeOfType(test::kEan13);
    r.moduleWidth = "04";
    r.height = "0150";         // 15 mm
    r.guardBarLength = "020";  // 2 mm
    r.humanReadable = "1";     // the digits stay outside the box
    const SymbolPreview p = previewBarcode(r, {254, std::nullopt, std::nullopt});  // 10 dots a mm
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_NEAR(p.widthMm, mm(95 * 4, 254), 1e-9);
    EXPECT_NEAR(p.heightMm, 17.0, 1e-9);
    EXPECT_FALSE(p.geometry.texts.empty());
    // Three guard patterns: two bars each.
    int guards = 0;
    for (const DotRect& bar : p.geometry.bars) guards += bar.height > p.geometry.height - 1e-9;
    EXPECT_EQ(guards, 6);
}

// EAN-8 in every check-digit mode: 67 modules, its three guard patterns at
// modules 0-2, 32-34 and 64-66 reaching below the others; the same picture
// whether the data carries its check digit (付加なし, チェック) or the
// printer adds it.
TEST(SymbolPreviewSize, Ean8Is67ModulesWithItsOwnGuardsInEveryCheckDigitMode) {
    for (const char* check : {"1", "2", "3", "4"}) {
        BarcodeRecord r = barcodeOfType(11);  // JAN/EAN8
        r.checkDigit = check;
        r.moduleWidth = "02";
        const SymbolPreview p = previewBarcode(r, {254, std::nullopt, std::nullopt});
        ASSERT_TRUE(p.error.empty()) << check << ": " << p.error;
        EXPECT_DOUBLE_EQ(p.geometry.width, 67 * 2) << check;
        std::vector<double> guards;
        for (const DotRect& bar : p.geometry.bars) {
            if (bar.height > p.geometry.height - 1e-9) guards.push_back(bar.x / 2);
        }
        EXPECT_EQ(guards, (std::vector<double>{0, 2, 32, 34, 64, 66})) << check;
    }
}

// MSI/Plessey, which no reader of Debian reads: a start bar, four bars a
// digit and two stop bars, the check digits as the mode gives them (none,
// the sample's own, one added, two added).
TEST(SymbolPreviewSize, MsiHasFourBarsADigitWithTheCheckDigitsOfItsMode) {
    const struct {
        const char* check;
        int digits;
    } cases[] = {{"1", 7}, {"2", 8}, {"3", 8}, {"4", 9}};
    for (const auto& c : cases) {
        BarcodeRecord r = barcodeOfType(test::kMsi);
        r.checkDigit = c.check;
        const SymbolPreview p = previewBarcode(r, {305, std::nullopt, std::nullopt});
        ASSERT_TRUE(p.error.empty()) << c.check << ": " << p.error;
        EXPECT_EQ(p.geometry.bars.size(), static_cast<std::size_t>(1 + 4 * c.digits + 2)) << c.check;
    }
}

// The customer barcode, which no reader of Debian reads: always 67 bars
// (start and stop 2 each, 20 characters of 3 bars, the check character of 3).
TEST(SymbolPreviewSize, CustomerBarcodeHas67Bars) {
    const SymbolPreview p = previewBarcode(barcodeOfType(22), {305, std::nullopt, std::nullopt});
    ASSERT_TRUE(p.error.empty()) << p.error;
    // Each bar of four states is drawn in up to three parts, one above another.
    std::set<double> columns;
    for (const DotRect& bar : p.geometry.bars) columns.insert(bar.x);
    EXPECT_EQ(columns.size(), 67u);
}

// Code 39: every character has five bars (two wide) and four spaces (one
// wide), the start and stop "*" included, with a gap between characters.
TEST(SymbolPreviewSize, Code39WidthIsItsNarrowAndWideElementsPlusGaps) {
    BarcodeRecord r = barcodeOfType(test::kCode39);
    r.narrowBar = "02", r.wideBar = "05", r.narrowSpace = "03", r.wideSpace = "07",
    r.charGap = "04";
    const std::string data = "ZEL-0123";
    const SymbolPreview p = previewBarcode(r, {305, data, std::nullopt});
    ASSERT_TRUE(p.error.empty()) << p.error;
    const int characters = static_cast<int>(data.size()) + 2;
    const double perCharacter = 3 * 2 + 2 * 5 + 3 * 3 + 1 * 7;
    EXPECT_NEAR(p.geometry.width, characters * perCharacter + (characters - 1) * 4, 1e-9);
    EXPECT_EQ(p.geometry.bars.size(), static_cast<std::size_t>(characters * 5));
}

// Industrial 2 of 5: bars carry the digits (two wide of five), spaces are
// narrow; start is wide, wide, narrow bar, stop wide, narrow, wide bar.
TEST(SymbolPreviewSize, Code2of5WidthFollowsTheRecordsWidths) {
    BarcodeRecord r = barcodeOfType(test::kCode2of5);
    r.narrowBar = "02", r.wideBar = "06", r.narrowSpace = "03", r.wideSpace = "09",
    r.charGap = "05";
    const SymbolPreview p = previewBarcode(r, {305, "1234", std::nullopt});
    ASSERT_TRUE(p.error.empty()) << p.error;
    const double start = 2 * 6 + 2 + 2 * 3, stop = 2 * 6 + 2 + 2 * 3;
    const double digit = 2 * 6 + 3 * 2 + 4 * 3;
    EXPECT_NEAR(p.geometry.width, start + 4 * digit + 5 * 5 + stop, 1e-9);
}

// PDF417 with c data columns is 17·(c + 4) + 1 modules wide.
TEST(SymbolPreviewSize, Pdf417WidthFollowsColumnsAndHeightRows) {
    for (int columns : {1, 5, 12}) {
        Code2DRecord r = code2DOfType(test::kPdf417);
        r.pdf417.columnRowCount = (columns < 10 ? "0" : "") + std::to_string(columns);
        r.pdf417.moduleWidth = "02";
        r.pdf417.rowHeight = "0010";  // 1 mm, 10 dots at 254 dpi
        const SymbolPreview p = previewCode2D(r, {254, std::nullopt, std::nullopt});
        ASSERT_TRUE(p.error.empty()) << p.error;
        EXPECT_NEAR(p.geometry.width, (17 * (columns + 4) + 1) * 2, 1e-9) << columns;
        const double rows = p.heightMm / 1.0;
        EXPECT_NEAR(rows, std::round(rows), 1e-9);
        EXPECT_GE(rows, 3);
    }
}

TEST(SymbolPreviewSize, DataMatrixRectangleHasTheChosenCellCount) {
    Code2DRecord r = code2DOfType(test::kDataMatrix);
    r.dataMatrix.cellSizeMarker = "C", r.dataMatrix.cellColumns = "032",
    r.dataMatrix.cellRows = "008";
    r.dataMatrix.moduleWidth = "05";
    const SymbolPreview p = previewCode2D(r, {305, "1234", std::nullopt});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_NEAR(p.geometry.width, 32 * 5, 1e-9);
    EXPECT_NEAR(p.geometry.height, 8 * 5, 1e-9);
}

// MaxiCode has a fixed size of about 28 mm by 27 mm and a finder of three
// dark rings, whatever the module width.
TEST(SymbolPreviewSize, MaxiCodeHasItsFixedSizeAndFinder) {
    for (const char* mode : {"0", "3", "4"}) {
        Code2DRecord r = code2DOfType(test::kMaxiCode);
        r.maxiCode.mode = mode;
        const SymbolPreview p = previewCode2D(r, {203, std::nullopt, std::nullopt});
        ASSERT_TRUE(p.error.empty()) << mode << ": " << p.error;
        EXPECT_NEAR(p.widthMm, 28.14, 0.01);
        EXPECT_NEAR(p.heightMm, 27.0, 0.3);
        EXPECT_EQ(p.geometry.rings.size(), 3u);
        EXPECT_GT(p.geometry.hexagons.size(), 100u);
    }
}

// A quarter turn swaps width and height; a half turn keeps them.
TEST(SymbolPreviewRotation, QuarterTurnsSwapWidthAndHeight) {
    BarcodeRecord r = barcodeOfType(test::kCode128);
    const SymbolPreview upright = previewBarcode(r, {305, std::nullopt, std::nullopt});
    for (const char* code : {"1", "2", "3"}) {
        r.rotation = code;
        const SymbolPreview p = previewBarcode(r, {305, std::nullopt, std::nullopt});
        const bool quarter = code[0] != '2';
        EXPECT_NEAR(p.widthMm, quarter ? upright.heightMm : upright.widthMm, 1e-9) << code;
        EXPECT_NEAR(p.heightMm, quarter ? upright.widthMm : upright.heightMm, 1e-9) << code;
        EXPECT_FALSE(p.rotationAutomatic);
        for (const DotRect& bar : p.geometry.bars) {
            EXPECT_GE(bar.x, -1e-9);
            EXPECT_LE(bar.x + bar.width, p.geometry.width + 1e-9);
            EXPECT_LE(bar.y + bar.height, p.geometry.height + 1e-9);
        }
    }
}

TEST(SymbolPreviewRotation, AutomaticRotationAndOriginAreDrawnUprightAndSaid) {
    Code2DRecord r = code2DOfType(test::kQrCode);
    r.qrCode.rotation = "default";
    const SymbolPreview automatic = previewCode2D(r, {305, std::nullopt, std::nullopt});
    EXPECT_TRUE(automatic.rotationAutomatic);
    EXPECT_EQ(automatic.quarterTurns, 0);
    EXPECT_FALSE(automatic.originXMm.has_value());
    r.qrCode.originX = "0125", r.qrCode.originY = "00040";
    const SymbolPreview placed = previewCode2D(r, {305, std::nullopt, std::nullopt});
    EXPECT_DOUBLE_EQ(placed.originXMm.value_or(-1), 12.5);
    EXPECT_DOUBLE_EQ(placed.originYMm.value_or(-1), 4.0);
}

// A symbol leaves the label when its far edges, from the origin, pass the
// label's edges.
TEST(SymbolPreviewLabel, WarnsWhenTheSymbolLeavesTheLabel) {
    Code2DRecord r = code2DOfType(test::kQrCode);
    r.qrCode.moduleWidth = "10";  // 21 modules of 10 dots at 254 dpi: 21 mm
    r.qrCode.originX = "0040", r.qrCode.originY = "00000";
    struct Case {
        double width, height;
        bool leaves;
    };
    for (const Case& c :
         {Case{25.0, 30.0, false}, Case{24.9, 30.0, true}, Case{25.0, 20.9, true}}) {
        const SymbolPreview p = previewCode2D(r, {254, "ABC", LabelSize{c.width, c.height}});
        EXPECT_EQ(p.leavesLabel, c.leaves) << c.width << " x " << c.height;
    }
    EXPECT_FALSE(previewCode2D(r, {254, "ABC", std::nullopt}).leavesLabel);
}

// What zint refuses becomes its message; nothing is drawn.
// A JAN/EAN font draws its own EAN whatever its check-digit mode: the
// digits without the check digit (zint adds it) or with it (zint checks
// it); another count of digits, which zint would draw as the other EAN, is
// refused and said.
TEST(SymbolPreviewRefusal, JanFontsTakeTheirOwnCountOfDigitsOnly) {
    const struct {
        int type;
        const char* data;
        double modules;  // 0: refused
        const char* said;
    } cases[] = {
        {11, "4901234", 67, ""},
        {11, "49012347", 67, ""},
        {12, "49012347+12", 67 + 7 + 20, ""},  // the add-on 7 modules apart, 20 wide
        {11, "490123456789", 0, "JAN/EAN8 のデータは 7 桁の数字です（チェックデジットを含めて 8 桁）。"},
        {test::kEan13, "490123456789", 95, ""},
        {test::kEan13, "4901234567894", 95, ""},
        {test::kEan13, "4901234", 0,
         "JAN/EAN13 のデータは 12 桁の数字です（チェックデジットを含めて 13 桁）。"},
        {test::kEan13Plus5, "49012347+12345", 0,
         "JAN/EAN13 のデータは 12 桁の数字です（チェックデジットを含めて 13 桁）。"},
        // UPC digits too few are not padded with zeros into another number.
        {16, "04901234567", 95, ""},
        {16, "049012345679", 95, ""},
        {16, "0490123456", 0, "UPC-A のデータは 11 桁の数字です（チェックデジットを含めて 12 桁）。"},
        {17, "0490123456+12", 0,
         "UPC-A のデータは 11 桁の数字です（チェックデジットを含めて 12 桁）。"},
        {test::kUpcE, "0123456", 51, ""},
        {test::kUpcE, "012345", 0, "UPC-E のデータは 7 桁の数字です（チェックデジットを含めて 8 桁）。"},
    };
    for (const auto& c : cases) {
        for (const char* check : {"1", "2", "3"}) {
            BarcodeRecord r = barcodeOfType(c.type);
            r.checkDigit = check;
            r.moduleWidth = "01";
            const SymbolPreview p = previewBarcode(r, {305, c.data, std::nullopt});
            EXPECT_EQ(p.error, c.said) << c.data << " check " << check;
            EXPECT_DOUBLE_EQ(p.geometry.width, c.modules) << c.data << " check " << check;
        }
    }
}

// A composite's EAN or UPC linear part takes its own count of digits, as a
// JAN/EAN font does: not the other EAN, nor a UPC padded with zeros.
TEST(SymbolPreviewRefusal, CompositeEanUpcLinearPartsTakeTheirOwnCountOfDigitsOnly) {
    const struct {
        const char* linearType;
        const char* data;
        const char* said;
    } cases[] = {
        {"01", "490123456789|[10]AB", ""},
        {"01", "4901234567894|[10]AB", ""},
        {"01", "4901234|[10]AB",
         "EAN-13 with CC-A のリニア部分は 12 桁の数字です（チェックデジットを含めて 13 桁）。"},
        {"02", "49012347|[10]AB", ""},
        {"02", "490123456789|[10]AB",
         "EAN-8 with CC-A のリニア部分は 7 桁の数字です（チェックデジットを含めて 8 桁）。"},
        {"03", "0490123456|[10]AB",
         "UPC-A with CC-A のリニア部分は 11 桁の数字です（チェックデジットを含めて 12 桁）。"},
        {"04", "012345|[10]AB",
         "UPC-E with CC-A のリニア部分は 7 桁の数字です（チェックデジットを含めて 8 桁）。"},
        {"10", "[01]09501101530003|[10]AB", ""},
    };
    for (const auto& c : cases) {
        Code2DRecord r = code2DOfType(test::kComposite);
        r.gs1Composite.linearType = c.linearType;
        const SymbolPreview p = previewCode2D(r, {305, c.data, std::nullopt});
        EXPECT_EQ(p.error, c.said) << c.data;
        EXPECT_EQ(p.geometry.bars.empty(), *c.said != '\0') << c.data;
    }
}

TEST(SymbolPreviewRefusal, RefusedDataGivesZintsMessage) {
    struct Case {
        BarcodeRecord record;
        const char* data;
    };
    BarcodeRecord ean = barcodeOfType(test::kEan13);
    BarcodeRecord wrongCheck = barcodeOfType(test::kEan13);
    BarcodeRecord codabar = barcodeOfType(test::kCodabar);
    codabar.startStop = "N";  // the data must bring its own start and stop
    for (const Case& c : {Case{ean, "49012345678X"}, Case{wrongCheck, "4901234567895"},
                          Case{codabar, "123456"}, Case{barcodeOfType(test::kCode39), "A_B"}}) {
        const SymbolPreview p = previewBarcode(c.record, {305, c.data, std::nullopt});
        EXPECT_FALSE(p.error.empty()) << c.data;
        EXPECT_TRUE(p.geometry.bars.empty()) << c.data;
    }
    Code2DRecord qr = code2DOfType(test::kQrCode);
    EXPECT_FALSE(previewCode2D(qr, {305, std::string(8000, 'A'), std::nullopt}).error.empty());
}

}  // namespace
}  // namespace vx
