// What the preview window says about a font: its size on the printer, the
// label it must fit, refused data and the pages it does not preview; and
// whose data it encodes.
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

// A 24 × 24 dot kanji font 10 mm from the label's corner, at 254 dpi
// (ten dots a millimetre).
PreviewSubject kanjiFont(std::string originX = "0100") {
    CharacterFontRecord record = test::characterFontOfType(test::kKanjiGothic24);
    record.originX = std::move(originX);
    record.originY = "0100";
    return {PageKind::CharacterFont, 4, record};
}

TEST(PreviewContent, ACharacterFontsTextItsCellAndItsStandInFaceAreSaid) {
    const PreviewPrinter label{"棚ラベル", 254, LabelSize{50, 30}};
    // Four kanji of 24 dots: 9.6 mm by 2.4 mm.
    const PreviewContent content = previewContent(
        kanjiFont(), label, "漢字表示", [](std::string_view f) { return f == "IPAGothic"; });
    EXPECT_EQ(content.title, "ZEL文字フォント05：漢字ゴシック体(24×24ドット)");
    EXPECT_TRUE(hasLine(content, "文字列の大きさ：幅 9.6 mm × 高さ 2.4 mm"));
    EXPECT_TRUE(hasLine(content, "全角 24 × 24 ドット（2.4 × 2.4 mm）、半角 12 × 24 ドット"));
    EXPECT_TRUE(hasLine(content, "書体：IPAGothic で代用"));
    EXPECT_TRUE(hasLine(content, "原点：X 10.0 mm, Y 10.0 mm"));
    EXPECT_EQ(content.face, "IPAGothic");
    EXPECT_TRUE(content.warning.empty());
    EXPECT_NEAR(content.symbolRightMm, 19.6, 1e-9);

    // 45 mm in, 9.6 mm of text leaves the 50 mm label.
    const PreviewContent off = previewContent(kanjiFont("0450"), label, "漢字表示");
    EXPECT_EQ(off.warning, "警告：文字がラベルからはみ出します。");
}

TEST(PreviewContent, ACharacterFontSaysWhatIsRefusedAndWhatThePrinterDoesToTheData) {
    CharacterFontRecord ocr = test::characterFontOfType(test::kOcrB12);
    const PreviewContent refused = previewContent({PageKind::CharacterFont, 0, ocr}, {}, "ZEL漢字");
    EXPECT_EQ(refused.warning.rfind("このデータは印字できません：「漢」", 0), 0u)
        << refused.warning;
    EXPECT_FALSE(hasLine(refused, "文字列の大きさ"));

    ocr.checkDigit = "M";
    ocr.checkDigitMode = "1";
    ocr.rotation = "default";
    // No OCR face on this screen: a monospaced one stands in, and is named.
    const PreviewContent shown =
        previewContent({PageKind::CharacterFont, 0, ocr}, {}, "0123",
                       [](std::string_view f) { return f == "Courier New" || f == "OCR-A"; });
    EXPECT_TRUE(hasLine(shown, "チェックデジット（モジュラス43）はプリンタがデータに付けます"));
    EXPECT_TRUE(hasLine(shown, "OCR の書体がないため、等幅の書体 Courier New で代用"));
    EXPECT_TRUE(hasLine(shown, "文字回転 0°、文字列回転 0° で表示します"));
    const PreviewContent noFace = previewContent({PageKind::CharacterFont, 0, ocr}, {}, "0123",
                                                 [](std::string_view) { return false; });
    EXPECT_TRUE(hasLine(noFace, "代わりの書体が見つからない"));
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
