// What the sheet tells beyond the values: a font whose section the file
// lacks, a value none of its list's entries stores, a picture shown smaller
// than true size, and the summary with the user's note.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/file_facts.h"
#include "report/settings_sheet.h"
#include "report/sheet_fonts.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/ini_document.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// A file with every font's section, written from the factory values.
std::string everySection(SettingsStore store) {
    IniDocument document("[DVF]\r\nVersion=2.000\r\n");
    EXPECT_TRUE(writeDriverFontSections(store, document));
    return document.bytes();
}

std::string withoutSection(std::string bytes, std::string_view fontUtf8) {
    const std::string header = "[" + test::sj(fontUtf8) + "]";
    const std::size_t from = bytes.find(header);
    const std::size_t to = bytes.find("\r\n[", from + 1);
    EXPECT_NE(from, std::string::npos);
    return bytes.erase(from, to == std::string::npos ? std::string::npos : to + 2 - from);
}

SettingsStore factory() {
    SettingsStore store;
    loadDriverFontFile(IniDocument(), store);
    return store;
}

struct Loaded {
    SettingsStore settings;
    SheetFile file;
};

Loaded load(const test::ScratchDir& dir, const std::string& bytes) {
    Loaded loaded;
    loadDriverFontFile(IniDocument(bytes), loaded.settings);
    loaded.file = describeSheetFile(dir.withBytes("marks.dvf", bytes), bytes);
    return loaded;
}

SheetRequest requestOf(const Loaded& loaded) {
    SheetRequest request;
    request.settings = &loaded.settings;
    request.file = loaded.file;
    request.madeAt = "2025-04-02 10:00:00";
    return request;
}

TEST(SheetMarks, AFontTheFileLacksIsMarkedAsShowingFactoryValues) {
    test::ScratchDir dir;
    const Loaded whole = load(dir, everySection(factory()));
    EXPECT_TRUE(whole.file.fontsWithoutSection.empty());
    EXPECT_EQ(settingsSheetHtml(requestOf(whole)).find("工場出荷時の値"), std::string::npos);

    const Loaded lacking =
        load(dir, withoutSection(everySection(factory()), "ZELバーコード05"));
    EXPECT_EQ(lacking.file.fontsWithoutSection, (std::vector<std::string>{"ZELバーコード05"}));
    for (const SheetForm form : {SheetForm::Full, SheetForm::Summary}) {
        SheetRequest request = requestOf(lacking);
        request.form = form;
        const std::string html = settingsSheetHtml(request);
        EXPECT_NE(html.find("設定ファイルにセクションがないフォント： 1 / 60（工場出荷時の値を表示"
                            "しています）"),
                  std::string::npos);
        // Its row in the table, and its block in the whole sheet.
        const std::string name = form == SheetForm::Full ? "ZELバーコード05</a>" : "ZELバーコード05";
        EXPECT_NE(html.find(name + "<br><span class=\"mark\">工場出荷時の値を表示しています</span>"),
                  std::string::npos);
        EXPECT_EQ(count(html, "<br><span class=\"mark\">工場出荷時の値を表示しています</span>"), 1u);
        EXPECT_EQ(count(html, "設定ファイルにこのフォントのセクションがありません。"),
                  form == SheetForm::Full ? 1u : 0u);
    }
}

TEST(SheetMarks, AFileWithoutAnyFontIsMarkedOnceInTheHead) {
    test::ScratchDir dir;
    const Loaded empty = load(dir, "[DVF]\r\nVersion=2\r\n");
    EXPECT_EQ(empty.file.fontsWithoutSection.size(), 60u);
    SheetRequest request = requestOf(empty);
    request.form = SheetForm::Summary;
    const std::string html = settingsSheetHtml(request);
    EXPECT_NE(html.find("設定ファイルにセクションがないフォント： 60 / 60"), std::string::npos);
    EXPECT_EQ(count(html, "<span class=\"mark\">工場出荷時の値を表示しています</span>"), 0u);
}

std::vector<std::string> unlistedOf(const SettingsStore& settings) {
    std::vector<std::string> marked;
    for (const SheetFont& font : sheetFonts(settings, nullptr)) {
        for (const SheetField& field : font.fields) {
            if (field.unlisted) marked.push_back(font.name + " " + field.name + "=" + field.shown);
        }
    }
    return marked;
}

TEST(SheetMarks, AValueNoneOfItsListsEntriesStoresIsMarked) {
    test::ScratchDir dir;
    SettingsStore changed = factory();
    // The factory's own values are no list's codes (a bitmap magnification
    // "1", a barcode's text "default"), but the page shows them and the
    // printer knows them: not marked.
    const std::vector<std::string> before = unlistedOf(load(dir, everySection(changed)).settings);
    EXPECT_EQ(before, std::vector<std::string>{});

    changed.fonts[0].decoration = "Q";   // 文字飾り: B, W, F, S are its codes
    changed.barcodes[2].rotation = "7";  // 回転方向: 0 to 3 and default
    changed.codes2D[1].typeIndex = 99;     // the six 2D types are 0 to 5
    const Loaded loaded = load(dir, everySection(changed));
    std::vector<std::string> after = unlistedOf(loaded.settings);
    for (const std::string& mark : before) std::erase(after, mark);
    EXPECT_EQ(after, (std::vector<std::string>{"ZEL文字フォント01 decoration=Q",
                                               "ZELバーコード03 rotation=7",
                                               "ZEL2次元コード02 typeIndex=99"}));
    // The page shows that font as Data Matrix, with that type's fields.
    const SheetFont unknownType = sheetFonts(loaded.settings, nullptr)[51];
    EXPECT_EQ(unknownType.type, "Data Matrix");
    EXPECT_TRUE(std::any_of(unknownType.fields.begin(), unknownType.fields.end(),
                            [](const SheetField& f) { return f.name == "DataMatrixParams.moduleWidth"; }));
    const std::string html = settingsSheetHtml(requestOf(loaded));
    // In the block beside the value, and in the table's row of the font.
    EXPECT_NE(html.find("<td>文字飾り</td><td>Q <span class=\"mark\">（選択肢にない値）</span></td>"),
              std::string::npos);
    EXPECT_NE(html.find("ZELバーコード03</a><br><span class=\"mark\">選択肢にない値あり</span>"),
              std::string::npos);

    // A font the file lacks shows factory values, marked as such, and
    // not each again.
    const Loaded lacking = load(dir, withoutSection(everySection(changed), "ZEL文字フォント02"));
    const std::string lackingHtml = settingsSheetHtml(requestOf(lacking));
    EXPECT_EQ(lackingHtml.find("ZEL文字フォント02</a><br><span class=\"mark\">選択肢にない値あり"),
              std::string::npos);
    EXPECT_NE(lackingHtml.find("ZEL文字フォント01</a><br><span class=\"mark\">選択肢にない値あり"),
              std::string::npos);
}

// A picture wider than the page is shown smaller and says so; one that fits
// is at true size and says nothing of a scale.
TEST(SheetMarks, APictureWiderThanThePageSaysTheScaleItIsShownAt) {
    SettingsStore settings = factory();
    settings.barcodes[8].setType(typeIndexOf(BarcodeType::Jan13));
    settings.barcodes[8].moduleWidth = "15";
    SheetRequest request;
    request.settings = &settings;
    request.madeAt = "2025-04-02 10:00:00";
    request.dpi = 100;
    const std::string html = settingsSheetHtml(request);
    // 95 modules of 15 dots at 100 dpi: 361.95 mm (361.9 as printed); 180 mm
    // of room is 49.7 %.
    const std::size_t block = html.find("id=\"font-39\"");
    const std::string font = html.substr(block, html.find("</section>", block) - block);
    EXPECT_NE(font.find("実寸： 幅 361.9 mm"), std::string::npos) << font.substr(0, 300);
    EXPECT_NE(font.find("<p class=\"scaled\">用紙に収まらないため、実寸の 49 % に縮小して表示して"
                        "います（幅 177.4 mm × "),
              std::string::npos);
    EXPECT_NE(font.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"177.4mm\""),
              std::string::npos);

    request.dpi = 305;  // 116.8 mm: true size
    const std::string fits = settingsSheetHtml(request);
    EXPECT_EQ(fits.find("class=\"scaled\""), std::string::npos);
}

TEST(SheetSummary, TheHeadAndOneTableOfEveryFontWithTheNoteEscaped) {
    const SettingsStore settings = factory();
    SheetRequest request;
    request.settings = &settings;
    request.madeAt = "2025-04-02 10:00:00";
    request.form = SheetForm::Summary;
    request.note = "本館 3F <ナース> & SN \"12\"";
    const std::string html = settingsSheetHtml(request);
    EXPECT_NE(html.find("<h1>内蔵フォント設定一覧（要約）</h1>"), std::string::npos);
    EXPECT_NE(html.find("<tr><th>メモ</th><td><span class=\"user-note\">本館 3F &lt;ナース&gt; &amp; "
                        "SN &quot;12&quot;</span></td></tr>"),
              std::string::npos);
    EXPECT_EQ(html.find("<ナース>"), std::string::npos);
    EXPECT_EQ(count(html, "<table class=\"contents\">"), 1u);
    EXPECT_EQ(count(html, "<td class=\"num\">"), 60u);
    EXPECT_EQ(html.find("<section"), std::string::npos);
    EXPECT_EQ(html.find("<svg"), std::string::npos);
    EXPECT_EQ(html.find("href="), std::string::npos);  // no blocks to link to
    // Every printed page numbered with the count.
    EXPECT_NE(html.find("@bottom-center { content: counter(page) \" / \" counter(pages);"),
              std::string::npos);
}

}  // namespace
}  // namespace vx
