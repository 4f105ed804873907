// What the preview window says about a font: its size on the printer, the
// label it must fit, refused data and the pages it does not preview; the
// scale it is drawn at; and whose data it encodes.
#include "app/preview_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/preview/preview_records.h"

namespace vx {
namespace {

using test::code2DOfType;

bool hasLine(const PreviewContent& content, std::string_view part) {
    return std::any_of(content.lines.begin(), content.lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

// A QR code font whose sample "1" is a version 1 symbol: 21 modules square.
PreviewSubject qrCodeFont(std::string moduleWidth, std::string originX = "default") {
    Code2DRecord record = code2DOfType(test::kQrCode);
    record.qrCode.moduleWidth = std::move(moduleWidth);
    record.qrCode.originY = originX == "default" ? "default" : "0000";
    record.qrCode.originX = std::move(originX);
    return {PageKind::Code2D, 0, record};
}

TEST(PreviewContent, WithoutAPrinterItDrawsAt305DpiWithoutALabelAndSaysSo) {
    const PreviewContent content = previewContent(qrCodeFont("10"), {}, "1");
    ASSERT_TRUE(content.symbol);
    EXPECT_EQ(content.dpi, 305);
    EXPECT_FALSE(content.label);
    EXPECT_TRUE(hasLine(content, "プリンタが選ばれていません：305 dpi、ラベルの枠なし"));
    // 21 modules of 10 dots at 305 dpi: 210 · 25.4 / 305 = 17.49 mm.
    EXPECT_TRUE(hasLine(content, "幅 17.5 mm × 高さ 17.5 mm"));
    EXPECT_TRUE(hasLine(content, "原点は「自動」"));
    EXPECT_TRUE(content.warning.empty());
    EXPECT_NEAR(content.symbolRightMm, 17.49, 0.01);
}

TEST(PreviewContent, OnAWristbandTheLabelIsTheOutlineAndASymbolOffItIsWarned) {
    const PreviewPrinter wristband{"リストバンド", 203, LabelSize{25, 250}};
    // At 203 dpi 21 modules of 10 dots are 26.3 mm: wider than the band.
    PreviewContent wide = previewContent(qrCodeFont("10", "0000"), wristband, "1");
    EXPECT_TRUE(hasLine(wide, "プリンタ：リストバンド（203 dpi）"));
    EXPECT_TRUE(hasLine(wide, "ラベル：幅 25.0 mm × 長さ 250.0 mm"));
    EXPECT_TRUE(hasLine(wide, "幅 26.3 mm"));
    EXPECT_TRUE(hasLine(wide, "原点：X 0.0 mm, Y 0.0 mm"));
    EXPECT_NE(wide.warning.find("はみ出します"), std::string::npos);
    EXPECT_NEAR(wide.symbolRightMm, 26.28, 0.01);
    EXPECT_NEAR(wide.symbolBottomMm, 26.28, 0.01);

    // 8 dots fit (21.0 mm) at the corner, but not 5 mm in.
    EXPECT_TRUE(previewContent(qrCodeFont("08", "0000"), wristband, "1").warning.empty());
    EXPECT_FALSE(previewContent(qrCodeFont("08", "0050"), wristband, "1").warning.empty());
}

TEST(PreviewContent, APrinterWithoutResolutionOrPaperFallsBackAndSaysSo) {
    const PreviewContent content =
        previewContent(qrCodeFont("10"), {"棚ラベル", std::nullopt, {}}, "1");
    EXPECT_EQ(content.dpi, 305);
    EXPECT_FALSE(content.label);
    EXPECT_TRUE(hasLine(content, "解像度が読めないため 305 dpi"));
    EXPECT_TRUE(hasLine(content, "枠なしで表示します"));
}

TEST(PreviewContent, RefusedDataShowsZintsMessageInsteadOfASize) {
    PreviewSubject ean{PageKind::Barcode, 2, test::barcodeOfType(test::kEan13)};
    const PreviewContent content = previewContent(ean, {}, "ABC");
    ASSERT_EQ(content.warning.rfind("このデータはエンコードできません：", 0), 0u)
        << content.warning;
    EXPECT_GT(content.warning.size(), std::string("このデータはエンコードできません：").size());
    EXPECT_FALSE(hasLine(content, "シンボルの大きさ"));
}

TEST(PreviewContent, TheCharacterFontPageSaysWhatThePreviewShows) {
    const PreviewContent content =
        previewContent({PageKind::CharacterFont, 4, {}}, {}, std::nullopt);
    EXPECT_FALSE(content.symbol);
    EXPECT_NE(content.warning.find("内蔵１次元コードと内蔵２次元コード"), std::string::npos);
    EXPECT_EQ(content.title, "ZEL文字フォント05");
}

TEST(PreviewContent, AutomaticRotationIsDrawnUnturnedAndSaid) {
    BarcodeRecord code128 = test::barcodeOfType(test::kCode128);
    code128.rotation = "default";
    const PreviewContent automatic = previewContent({PageKind::Barcode, 0, code128}, {}, "AB12");
    EXPECT_TRUE(hasLine(automatic, "回転は「自動」"));
    code128.rotation = "1";
    const PreviewContent turned = previewContent({PageKind::Barcode, 0, code128}, {}, "AB12");
    EXPECT_FALSE(hasLine(turned, "回転は「自動」"));
    ASSERT_TRUE(automatic.symbol && turned.symbol);
    EXPECT_DOUBLE_EQ(turned.symbol->widthMm, automatic.symbol->heightMm);
    EXPECT_EQ(turned.title, "ZELバーコード01：CODE128");
}

PreviewContent drawnUpTo(double rightMm, double bottomMm, std::optional<LabelSize> label) {
    PreviewContent content;
    content.symbolRightMm = rightMm;
    content.symbolBottomMm = bottomMm;
    content.label = label;
    return content;
}

TEST(PreviewScale, TrueSizeWhileTheSymbolFitsElseTheLargestFittingPercentage) {
    // A 4 x 2 inch label is 384 x 192 pixels at 96 dpi: whole, at true size.
    const PreviewScale label =
        previewScale(drawnUpTo(40, 30, LabelSize{101.6, 50.8}), 500, 300, 96);
    EXPECT_EQ(label.percent, 100);
    EXPECT_DOUBLE_EQ(label.pixelsPerMm, 96 / 25.4);
    EXPECT_FALSE(label.labelCut);
    EXPECT_EQ(scaleLine(label), "実寸で表示しています。");

    // A wristband 250 mm long (945 pixels) is cut, the symbol stays true size.
    const PreviewScale band = previewScale(drawnUpTo(20, 60, LabelSize{25, 250}), 500, 300, 96);
    EXPECT_EQ(band.percent, 100);
    EXPECT_TRUE(band.labelCut);
    EXPECT_NE(scaleLine(band).find("ラベルは左上の部分だけ"), std::string::npos);

    // A symbol reaching 100 mm down (378 pixels) is drawn at 300 / 378 = 79 %.
    const PreviewScale tall = previewScale(drawnUpTo(20, 100, std::nullopt), 500, 300, 96);
    EXPECT_EQ(tall.percent, 79);
    EXPECT_NEAR(tall.pixelsPerMm * 100, 300, 1e-9);
    EXPECT_NE(scaleLine(tall).find("実寸の 79%"), std::string::npos);

    // Nothing to draw (refused data, the character font page): true size.
    EXPECT_EQ(previewScale(drawnUpTo(0, 0, std::nullopt), 500, 300, 144).pixelsPerMm, 144 / 25.4);
}

TEST(PreviewSession, TheUsersDataStaysUntilTheFontOrTheTypeChanges) {
    PreviewSession session;
    bool replaced = false;
    PreviewSubject qr = qrCodeFont("05");
    const PreviewContent first = session.update(qr, {}, replaced);
    EXPECT_TRUE(replaced);
    ASSERT_TRUE(first.symbol && session.data());
    EXPECT_EQ(*session.data(), first.symbol->data);

    session.setData("HELLO");
    std::get<Code2DRecord>(qr.record).qrCode.moduleWidth = "07";  // an edit on the page
    EXPECT_EQ(session.update(qr, {}, replaced).symbol->data, "HELLO");
    EXPECT_FALSE(replaced);

    PreviewSubject otherFont = qr;
    otherFont.font = 1;
    EXPECT_NE(session.update(otherFont, {}, replaced).symbol->data, "HELLO");
    EXPECT_TRUE(replaced);

    session.setData("HELLO");
    std::get<Code2DRecord>(otherFont.record).typeIndex = test::kDataMatrix;
    EXPECT_NE(session.update(otherFont, {}, replaced).symbol->data, "HELLO");
    EXPECT_TRUE(replaced);
}

}  // namespace
}  // namespace vx
