// What the settings sheet holds, against expectations written out by hand
// for the fonts of a file without font sections (the factory state).
#include "report/settings_sheet.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "report/sheet_fonts.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"
#include "settings/ini_document.h"

namespace vx {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

SettingsStore factory() {
    SettingsStore store;
    loadDriverFontFile(IniDocument(), store);
    return store;
}

const SheetFont& fontNamed(const std::vector<SheetFont>& fonts, const std::string& name) {
    for (const SheetFont& font : fonts) {
        if (font.name == name) return font;
    }
    ADD_FAILURE() << "no font " << name;
    return fonts.front();
}

Rows rowsOf(const SheetFont& font) {
    Rows rows;
    for (const SheetField& field : font.fields) rows.emplace_back(field.label, field.shown);
    return rows;
}

bool hasLabel(const SheetFont& font, const std::string& label) {
    for (const SheetField& field : font.fields) {
        if (field.label == label) return true;
    }
    return false;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

TEST(SheetFonts, EveryFontInDumpOrderWithItsType) {
    const std::vector<SheetFont> fonts = sheetFonts(factory(), nullptr);
    ASSERT_EQ(fonts.size(), 60u);
    const struct {
        int number;
        const char* name;
        const char* type;
    } expected[] = {
        {1, "ZEL文字フォント01", "明朝 8ポイント"},
        {21, "ZEL文字フォント21", "ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)"},
        {30, "ZEL文字フォント30", nullptr},
        {31, "ZELバーコード01", "Codabar"},
        {39, "ZELバーコード09", "JAN/EAN13"},
        {55, "ZEL2次元コード05", "QRコード"},
        {60, "ZEL2次元コード10", "QRコード"},
    };
    for (const auto& e : expected) {
        const SheetFont& font = fonts[static_cast<std::size_t>(e.number - 1)];
        EXPECT_EQ(font.number, e.number);
        EXPECT_EQ(font.name, e.name);
        if (e.type != nullptr) {
            EXPECT_EQ(font.type, e.type) << e.name;
        }
        EXPECT_FALSE(font.differs);
    }
}

TEST(SheetFonts, OnlyTheFieldsTheTypeUsesAsThePageShowsThem) {
    const std::vector<SheetFont> fonts = sheetFonts(factory(), nullptr);
    // A QR code: its own record's fields, none of PDF417's or DataMatrix's.
    EXPECT_EQ(rowsOf(fontNamed(fonts, "ZEL2次元コード05")),
              (Rows{{"2次元コード種別", "QRコード"},
                    {"基点X座標", "自動"},
                    {"基点Y座標", "自動"},
                    {"誤り訂正レベル", "L：高密度レベル"},
                    {"1モジュール／セル幅", "3 ドット"},
                    {"回転方向", "自動"},
                    {"モデル", "モデル2"}}));
    // JAN/EAN13 has a module width; Codabar bar and space widths instead.
    const SheetFont& jan = fontNamed(fonts, "ZELバーコード09");
    const Rows janRows = rowsOf(jan);
    EXPECT_EQ(Rows(janRows.begin(), janRows.begin() + 8),
              (Rows{{"バーコード種別", "JAN/EAN13"},
                    {"基点X座標", "自動"},
                    {"基点Y座標", "自動"},
                    {"1モジュール幅", "4 ドット"},
                    {"バーコード高さ", "230 x0.1mm"},
                    {"ガードバーの長さ", "0 x0.1mm"},  // "default", shown as the edit shows it
                    {"チェックデジット", "チェックデジット自動付加"},
                    {"回転方向", "自動"}}));
    EXPECT_FALSE(hasLabel(jan, "細バー幅"));
    const SheetFont& codabar = fontNamed(fonts, "ZELバーコード01");
    EXPECT_FALSE(hasLabel(codabar, "1モジュール幅"));
    EXPECT_FALSE(hasLabel(codabar, "ガードバーの長さ"));
    const Rows codabarRows = rowsOf(codabar);
    EXPECT_EQ(Rows(codabarRows.begin() + 3, codabarRows.begin() + 6),
              (Rows{{"細スペース幅", "3 ドット"},
                    {"細バー幅", "3 ドット"},
                    {"バーコード高さ", "100 x0.1mm"}}));
    // A bitmap font has magnifications and emphasis, an outline font a
    // width and height in 0.1 mm and no emphasis.
    const SheetFont& bitmap = fontNamed(fonts, "ZEL文字フォント01");
    EXPECT_TRUE(hasLabel(bitmap, "横倍率"));
    EXPECT_TRUE(hasLabel(bitmap, "強調文字"));
    const SheetFont& outline = fontNamed(fonts, "ZEL文字フォント21");
    EXPECT_FALSE(hasLabel(outline, "横倍率"));
    EXPECT_FALSE(hasLabel(outline, "強調文字"));
    EXPECT_TRUE(hasLabel(outline, "幅"));
    // The check digit and its mode are one list of the page: one row.
    std::size_t checkDigitRows = 0;
    for (const SheetField& field : bitmap.fields)
        checkDigitRows += field.label == "チェックデジット";
    EXPECT_EQ(checkDigitRows, 1u);
    // The type's index is the type: it has no row of its own.
    EXPECT_FALSE(hasLabel(bitmap, "フォント種別の番号"));
}

TEST(SheetFonts, TheContentsFiguresAreTheFontsPositionSizeAndRotation) {
    const std::vector<SheetFont> fonts = sheetFonts(factory(), nullptr);
    const auto labels = [](const std::vector<const SheetField*>& fields) {
        std::vector<std::string> texts;
        for (const SheetField* field : fields) texts.push_back(field->label + "=" + field->shown);
        return texts;
    };
    const SheetFigures qr = sheetFigures(fontNamed(fonts, "ZEL2次元コード05"));
    EXPECT_EQ(labels(qr.position), (std::vector<std::string>{"基点X座標=自動", "基点Y座標=自動"}));
    EXPECT_EQ(labels(qr.size), (std::vector<std::string>{"1モジュール／セル幅=3 ドット"}));
    EXPECT_EQ(labels(qr.rotation), (std::vector<std::string>{"回転方向=自動"}));
    const SheetFigures codabar = sheetFigures(fontNamed(fonts, "ZELバーコード01"));
    EXPECT_EQ(labels(codabar.size),
              (std::vector<std::string>{"細バー幅=3 ドット", "太バー幅=8 ドット",
                                        "バーコード高さ=100 x0.1mm"}));
    const SheetFigures bitmap = sheetFigures(fontNamed(fonts, "ZEL文字フォント01"));
    EXPECT_EQ(labels(bitmap.size), (std::vector<std::string>{"横倍率=1.0 倍", "縦倍率=1.0 倍"}));
    // Only kanji types turn: a plain bitmap font has no rotation.
    EXPECT_TRUE(bitmap.rotation.empty() || bitmap.rotation.front()->shown == "自動");
}

SheetRequest requestFor(const SettingsStore& settings) {
    SheetRequest request;
    request.settings = &settings;
    request.file = {"C:\\drivers\\A&B\\ALTOD.DVF", "2<b>", 18541, "2025-04-01 09:30:00",
                    std::string(64, 'f'), {}};
    request.printer = "<i>病棟\"3F\"</i>";
    request.driver = "ZEL Vextora WB";
    request.madeAt = "2025-04-02 10:00:00";
    return request;
}

TEST(SettingsSheet, OneSelfContainedPageWithABlockPerFont) {
    const SettingsStore settings = factory();
    const std::string html = settingsSheetHtml(requestFor(settings));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_EQ(count(html, "<section class=\"font"), 60u);
    EXPECT_EQ(count(html, "<a href=\"#font-"), 60u);
    for (const int n : {1, 30, 31, 50, 51, 60}) {
        const std::string id = "font-" + std::to_string(n) + "\"";
        EXPECT_EQ(count(html, "id=\"" + id), 1u) << n;
        EXPECT_EQ(count(html, "href=\"#" + id), 1u) << n;
    }
    // Every font drawn, inline.
    EXPECT_EQ(count(html, "<svg "), 60u);
    EXPECT_EQ(html.find("<?xml"), std::string::npos);
    // Nothing runs, nothing is fetched: the only URL is SVG's namespace.
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("src="), std::string::npos);
    EXPECT_EQ(html.find("url("), std::string::npos);
    EXPECT_EQ(count(html, "//"), count(html, "xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_NE(html.find("default-src 'none'"), std::string::npos);
    // Printed: A4, blocks kept whole.
    EXPECT_NE(html.find("size: A4"), std::string::npos);
    EXPECT_NE(html.find("section.font { break-inside: avoid;"), std::string::npos);
    // No notice without unsaved values or a reference.
    EXPECT_EQ(html.find("class=\"notice\""), std::string::npos);
    EXPECT_EQ(html.find("class=\"summary\""), std::string::npos);
}

TEST(SettingsSheet, TextsFromTheFileAndTheSystemAreEscaped) {
    const SettingsStore settings = factory();
    const std::string html = settingsSheetHtml(requestFor(settings));
    EXPECT_EQ(html.find("<i>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(html.find("<td>&lt;i&gt;病棟&quot;3F&quot;&lt;/i&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find("C:\\drivers\\A&amp;B\\ALTOD.DVF"), std::string::npos);
    EXPECT_NE(html.find("<td>2&lt;b&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>18,541 バイト</td>"), std::string::npos);
    // The print header: a CSS string that neither ends itself nor the style.
    EXPECT_NE(html.find("@top-left { content: \"プリンタ： \\3C i>病棟\\22 3F\\22 \\3C /i>\";"),
              std::string::npos)
        << html.substr(html.find("@top-left"), 120);
    EXPECT_NE(html.find("内蔵フォント設定一覧　2025-04-02\""), std::string::npos);
    EXPECT_EQ(count(html, "</style>"), 1u);
}

TEST(SettingsSheet, SaysWhenItHoldsUnsavedValues) {
    const SettingsStore settings = factory();
    SheetRequest request = requestFor(settings);
    request.unsavedFonts = 2;
    const std::string html = settingsSheetHtml(request);
    EXPECT_NE(
        html.find(
            "<p class=\"notice\">この一覧は、まだ保存していない変更（2 フォント）を含みます。"),
        std::string::npos);
}

TEST(SettingsSheet, AgainstAReferenceMarksEachDifferenceWithTheReferencesValue) {
    const SettingsStore reference = factory();
    SettingsStore settings = factory();
    const FieldAssignment changes[] = {{"ZEL文字フォント03", "originX", "120"},
                                       {"ZELバーコード09", "height", "150"},
                                       {"ZEL2次元コード05", "QrCodeParams.moduleWidth", "5"}};
    ASSERT_TRUE(assignFontFields(settings, changes).empty());
    SheetRequest request = requestFor(settings);
    SheetFile referenceFile = request.file;
    referenceFile.path = "/srv/ref<1>/reference.dvf";
    referenceFile.size = 20480;
    referenceFile.modified = "2025-03-01 08:00:00";
    referenceFile.sha256 = std::string(64, 'a');
    request.against = SheetReference{referenceFile, &reference};
    const std::vector<SheetFont> fonts = sheetFonts(settings, &reference);
    std::vector<std::string> differing;
    for (const SheetFont& font : fonts) {
        if (font.differs) differing.push_back(font.name);
    }
    EXPECT_EQ(differing, (std::vector<std::string>{"ZEL文字フォント03", "ZELバーコード09",
                                                   "ZEL2次元コード05"}));
    // Every font that differs shows where.
    for (const SheetFont& font : fonts) {
        bool marked = false;
        for (const SheetField& field : font.fields) marked = marked || field.reference.has_value();
        EXPECT_EQ(marked, font.differs) << font.name;
    }
    const SheetFont& jan = fontNamed(fonts, "ZELバーコード09");
    for (const SheetField& field : jan.fields) {
        if (field.label == "バーコード高さ") {
            EXPECT_EQ(field.shown, "150 x0.1mm");
            EXPECT_EQ(field.reference, "230 x0.1mm");
        } else {
            EXPECT_FALSE(field.reference) << field.label;
        }
    }

    const std::string html = settingsSheetHtml(request);
    EXPECT_NE(html.find("<p class=\"summary\">比較した設定ファイルと違うフォント： 3 / 60"),
              std::string::npos);
    // The reference named as fully as the file, beside it.
    EXPECT_NE(html.find("<tr><th>設定ファイル</th><td class=\"code\">C:\\drivers\\A&amp;B\\ALTOD.DVF"
                        "</td><td class=\"code\">/srv/ref&lt;1&gt;/reference.dvf</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("<tr><th>サイズ</th><td>18,541 バイト</td><td>20,480 バイト</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("<td>2025-04-01 09:30:00</td><td>2025-03-01 08:00:00</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"code\">" + std::string(64, 'f') + "</td><td class=\"code\">" +
                        std::string(64, 'a') + "</td>"),
              std::string::npos);
    // In the contents and in the block.
    const std::string marked =
        "<span class=\"differs\">120 x0.1mm</span> <span class=\"ref\">（自動）</span>";
    EXPECT_EQ(count(html, marked), 2u);
    EXPECT_EQ(
        count(html,
              "<span class=\"differs\">5 ドット</span> <span class=\"ref\">（3 ドット）</span>"),
        2u);
    EXPECT_EQ(count(html, "<tr class=\"differs\">"), 3u + 3u);  // contents rows, field rows
    EXPECT_EQ(count(html, "<td>違いあり</td>"), 3u);
    EXPECT_EQ(count(html, "<td>同じ</td>"), 57u);

    request.against->settings = &settings;
    const std::string same = settingsSheetHtml(request);
    EXPECT_NE(same.find("比較した設定ファイルとの違いはありません。"), std::string::npos);
    EXPECT_EQ(same.find("class=\"differs\""), std::string::npos);
}

}  // namespace
}  // namespace vx
