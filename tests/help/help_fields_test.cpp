// The help's table of fields as help_fields writes it: rows written out by
// hand from what the pages accept, and a cross-check against the fields
// that dvftool dump names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"
#include "settings/font_names.h"
#include "settings/settings_store.h"

namespace vx {
namespace {

using Cells = std::vector<std::string>;

// The program's output, made once per test program.
const std::string& fragment() {
    static const std::string text = [] {
        const std::filesystem::path out =
            std::filesystem::temp_directory_path() /
            ("help_fields_test_" + std::to_string(std::random_device{}()) + ".html");
        const std::string command = std::string(VX_HELP_FIELDS_PROGRAM) + " '" + out.string() + "'";
        if (std::system(command.c_str()) != 0) return std::string();
        std::ifstream in(out, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::filesystem::remove(out);
        return bytes.str();
    }();
    return text;
}

// A cell's text: line breaks for <br>, other tags dropped.
std::string cellText(std::string html) {
    for (std::size_t at; (at = html.find("<br>")) != std::string::npos;) html.replace(at, 4, "\n");
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<') inTag = true;
        if (!inTag) text += c;
        if (c == '>') inTag = false;
    }
    return text;
}

// The data rows of a section's tables (one per line, header rows left out).
std::vector<Cells> sectionRows(const std::string& id) {
    const std::string& html = fragment();
    const std::size_t start = html.find("<h3 id=\"" + id + "\">");
    if (start == std::string::npos) return {};
    const std::size_t end = html.find("<h3", start + 1);
    std::istringstream lines(html.substr(start, end - start));
    std::vector<Cells> rows;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("<tr><td", 0) != 0) continue;
        Cells cells;
        for (std::size_t at = line.find("<td"); at != std::string::npos;
             at = line.find("<td", at + 1)) {
            const std::size_t open = line.find('>', at) + 1;
            cells.push_back(cellText(line.substr(open, line.find("</td>", open) - open)));
        }
        rows.push_back(cells);
    }
    return rows;
}

bool hasRow(const std::vector<Cells>& rows, const Cells& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

struct ExpectedRow {
    const char* section;
    Cells cells;  // label, dvftool names, unit, accepted values, types
};

TEST(HelpFieldsTest, RowsSayWhatThePagesAccept) {
    const ExpectedRow expected[] = {
        {"fields-barcode", {"バーコード高さ", "height", "x0.1mm", "0〜1000", "すべての種別"}},
        {"fields-barcode",
         {"回転方向", "rotation", "", "default (自動), 0 (0ﾟ), 1 (90ﾟ), 2 (180ﾟ), 3 (270ﾟ)",
          "すべての種別"}},
        {"fields-barcode",
         {"1モジュール幅", "moduleWidth", "ドット", "1〜15",
          "Codabar、Code 2of5、CODE39、CODE39(フルアスキー)、ITF、MSI/Plessey 以外のすべての種別"}},
        {"fields-barcode",
         {"ガードバーの長さ", "guardBarLength", "x0.1mm", "0〜100",
          "JAN/EAN13、JAN/EAN13+2digits、JAN/EAN13+5digits、JAN/EAN8、JAN/EAN8+2digits、"
          "JAN/EAN8+5digits、UPC-A、UPC-A+2digits、UPC-A+5digits、UPC-E、UPC-E+2digits、"
          "UPC-E+5digits"}},
        {"fields-barcode",
         {"チェックデジット", "checkDigit", "",
          "1 (付加なし), 2 (チェックデジットチェック), 3 (チェックデジット自動付加(1)), 4 "
          "(チェックデジット自動付加(2))",
          "MSI/Plessey"}},
        {"fields-barcode",
         {"バーコード種別", "typeName\ntypeIndex", "",
          "typeName: 種別の名前 (下の表)\ntypeIndex: 0〜22 (種別の番号、下の表)\n"
          "どちらか一方で種別が決まり、もう一方も変わります。",
          "すべての種別"}},
        {"fields-font",
         {"基点X座標", "originX", "x0.1mm", "0〜9999、または default (自動)", "すべての種別"}},
        {"fields-font",
         {"幅", "sizeX", "x0.1mm", "20〜850、または default (自動)",
          "アウトラインフォント・価格フォント"}},
        {"fields-font",
         {"文字間スペース", "spacing", "ドット", "0〜99", "ビットマップフォント・漢字フォント"}},
        {"fields-font",
         {"回転方向", "rotation", "",
          "default (自動), 00 (文字回転0ﾟ 文字列回転0ﾟ), 11 (文字回転90ﾟ 文字列回転90ﾟ), 22 "
          "(文字回転180ﾟ 文字列回転180ﾟ), 33 (文字回転270ﾟ 文字列回転270ﾟ)",
          "漢字フォント以外"}},
        {"fields-font",
         {"文字寄せ", "alignment\nalignmentMode", "",
          "default, default (文字寄せなし)\nP, 1 (左寄せ)\nP, 2 (中央寄せ)\nP, 3 (右寄せ)\n"
          "P, 4 (均等割付け)",
          "アウトラインフォント・価格フォント"}},
        {"fields-font",
         {"白抜き文字外エリア／枠までの幅／取り消し線先端の長さ", "decorationParams", "ドット",
          "decoration=B: default (黒文字)\n"
          "decoration=W: 0101〜9999 (ドット): 横 2 桁と縦 2 桁、それぞれ 01〜99\n"
          "decoration=F: 0101〜9999 (ドット): 横 2 桁と縦 2 桁、それぞれ 01〜99\n"
          "decoration=C: 01〜99 (ドット): 取り消し線先端の長さ",
          "すべての種別"}},
        {"fields-font",
         {"白抜き文字外エリア 横", "reverseAreaX", "ドット",
          "変えられません (画面の作業用の値で、ファイルには書かれません)", "－"}},
        {"fields-code2d",
         {"1モジュール／セル幅", "QrCodeParams.moduleWidth", "ドット", "0〜52", "QRコード"}},
        {"fields-code2d",
         {"1モジュール／セル幅", "Pdf417Params.moduleWidth", "ドット", "1〜10", "PDF417"}},
        {"fields-code2d",
         {"列・行数", "MicroPdf417Params.columnRowCount", "", "0〜38", "MicroPDF417"}},
        {"fields-code2d",
         {"セル数指定",
          "DataMatrixParams.cellSizeMarker\nDataMatrixParams.cellColumns\nDataMatrixParams."
          "cellRows",
          "",
          "default, default, default (最小)\nC, 018, 008 (18 × 8)\nC, 032, 008 (32 × 8)\n"
          "C, 026, 012 (26 × 12)\nC, 036, 012 (36 × 12)\nC, 036, 016 (36 × 16)\n"
          "C, 048, 016 (48 × 16)",
          "Data Matrix"}},
        {"fields-code2d",
         {"2次元コード種別", "typeIndex", "",
          "0〜5 (種別の番号、下の表)\nDataMatrixParams.typeName などの typeName "
          "は種別の名前で、変えられません",
          "すべての種別"}},
    };
    for (const ExpectedRow& row : expected) {
        EXPECT_TRUE(hasRow(sectionRows(row.section), row.cells))
            << row.section << ": " << row.cells[1] << " (" << row.cells[4] << ")";
    }
}

TEST(HelpFieldsTest, CodeRowsFollowTheRecordOfTheirType) {
    // A 2D code's record fields, without its fixed type name; MaxiCode has
    // no rotation.
    std::vector<std::string> qrNames, maxiNames;
    for (const Cells& row : sectionRows("fields-code2d")) {
        if (row.size() != 5) continue;
        if (row[4] == "QRコード") qrNames.push_back(row[1]);
        if (row[4] == "MaxiCode") maxiNames.push_back(row[1]);
    }
    EXPECT_EQ(qrNames,
              (std::vector<std::string>{"QrCodeParams.originX", "QrCodeParams.originY",
                                        "QrCodeParams.errorCorrection", "QrCodeParams.moduleWidth",
                                        "QrCodeParams.rotation", "QrCodeParams.model"}));
    EXPECT_EQ(maxiNames,
              (std::vector<std::string>{"MaxiCodeParams.originX", "MaxiCodeParams.originY",
                                        "MaxiCodeParams.mode"}));
}

TEST(HelpFieldsTest, TypeTablesNumberEveryType) {
    const std::vector<Cells> fonts = sectionRows("fields-font");
    EXPECT_TRUE(hasRow(fonts, {"0", "明朝 8ポイント", "ビットマップフォント"}));
    EXPECT_TRUE(hasRow(fonts, {"14", "漢字ゴシック体(16×16ドット)", "漢字フォント"}));
    EXPECT_TRUE(hasRow(fonts, {"22", "価格フォント１", "価格フォント"}));
    EXPECT_TRUE(hasRow(fonts, {"26", "ゴシック(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)", "アウトラインフォント"}));
    EXPECT_FALSE(hasRow(fonts, {"27", "", ""}));
    const std::vector<Cells> barcodes = sectionRows("fields-barcode");
    EXPECT_TRUE(hasRow(barcodes, {"22", "カスタマーバーコード"}));
    EXPECT_TRUE(hasRow(sectionRows("fields-code2d"), {"4", "QRコード"}));
}

// Every field that dvftool dump prints has its row, but for the fixed type
// name of a 2D code's record (the type is chosen by its index): the two
// lists are made apart from each other.
TEST(HelpFieldsTest, EveryFieldThatDumpNamesHasARow) {
    SettingsStore store;
    loadDriverFontFile(IniDocument(), store);
    const std::vector<FontFields> fonts = listFontFields(store);
    const std::pair<const char*, std::string> firstFonts[] = {
        {"fields-font", characterFontName(0)},
        {"fields-barcode", barcodeFontName(0)},
        {"fields-code2d", code2DFontName(0)},
    };
    for (const auto& [section, fontName] : firstFonts) {
        std::vector<std::string> named;
        for (const Cells& row : sectionRows(section)) {
            std::istringstream names(row.size() == 5 ? row[1] : "");
            for (std::string name; std::getline(names, name);) named.push_back(name);
        }
        const auto font = std::find_if(fonts.begin(), fonts.end(),
                                       [&](const FontFields& f) { return f.fontName == fontName; });
        ASSERT_NE(font, fonts.end());
        for (const FieldValue& field : font->fields) {
            const bool fixedName = field.name.ends_with("Params.typeName");
            EXPECT_NE(std::find(named.begin(), named.end(), field.name) != named.end(), fixedName)
                << section << ": " << field.name;
        }
    }
}

// The help file is compiled in code page 932: a text it cannot hold stops
// the help build.
TEST(HelpFieldsTest, TheTableFitsTheHelpsCodePage) {
    ASSERT_FALSE(fragment().empty());
    EXPECT_TRUE(cp932FromUtf8(fragment()).has_value());
}

}  // namespace
}  // namespace vx
