// Reading the settings store from a driver font file and writing it back.
#include "settings/driver_font_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "settings/font_names.h"
#include "settings/leading_integer.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::dataFile;
using test::readBytes;
using test::sj;
using Names = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, std::string>>;

std::string withVersion(std::string_view body) {
    return "[DVF]\r\nVersion=2\r\n" + std::string(body);
}

// "[name]" and its lines, CRLF, the name given in UTF-8.
std::string section(std::string_view nameUtf8, std::initializer_list<std::string_view> lines) {
    std::string text = "[" + sj(nameUtf8) + "]\r\n";
    for (std::string_view line : lines) text += std::string(line) + "\r\n";
    return text;
}

SettingsStore load(const std::string& bytes) {
    SettingsStore store;
    loadDriverFontFile(IniDocument(bytes), store);
    return store;
}

SettingsStore factoryStore() { return load(withVersion("")); }

// Keys of a section with the values a read gives them, in file order.
Entries entries(const IniDocument& doc, std::string_view nameUtf8) {
    Entries out;
    for (const std::string& key : doc.keyNames(sj(nameUtf8))) {
        out.emplace_back(key, doc.read(sj(nameUtf8), key, "<missing>"));
    }
    return out;
}

// Every field of the store as text, for comparing stores. Of a 2D code font
// only the record of its own type, unless all six are asked for.
std::string describe(const SettingsStore& store, bool all2DRecords = true) {
    std::string out;
    auto add = [&](const std::string& font, std::string_view field, const std::string& value) {
        out += font + "\t" + std::string(field) + "\t" + value + "\n";
    };
    for (const CharacterFontRecord& font : store.fonts) {
        add(font.fontName, "typeIndex", std::to_string(font.typeIndex));
        for (const auto& field : characterFontRecordFields())
            add(font.fontName, field.name, font.*field.member);
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        add(barcode.fontName, "typeIndex", std::to_string(barcode.typeIndex));
        for (const auto& field : barcodeRecordFields()) {
            add(barcode.fontName, field.name, barcode.*field.member);
        }
    }
    for (const Code2DRecord& code : store.codes2D) {
        add(code.fontName, "typeIndex", std::to_string(code.typeIndex));
        forEachCode2DParams(
            code, [&](std::string_view record, const auto& params, auto fields, Code2DType type) {
                if (!all2DRecords && typeIndexOf(type) != code.typeIndex) return;
                for (const auto& field : fields) {
                    add(code.fontName, std::string(record) + "." + std::string(field.name),
                        params.*field.member);
                }
            });
    }
    return out;
}

// --- Version -----------------------------------------------------------------

TEST(FileVersion, AcceptsTwoAndAbove) {
    // clang-format off
    const std::vector<std::pair<std::string, bool>> cases = {
        {"[DVF]\r\nVersion=2\r\n", true}, {"[DVF]\r\nVersion=2.000\r\n", true},
        {"[DVF]\r\nVersion=3.5\r\n", true}, {"[DVF]\r\nVersion= 2\r\n", true},
        {"[dvf]\r\nVERSION=2\r\n", true}, {"[DVF]\r\nVersion=99999999999999\r\n", true},
        {"[DVF]\r\nVersion=1.999\r\n", false}, {"[DVF]\r\nVersion=1.000\r\n", false},
        {"[DVF]\r\nVersion=abc\r\n", false}, {"[DVF]\r\nVersion=\r\n", false},
        {"[DVF]\r\nVersion=-3\r\n", false}, {"[DVF]\r\nOther=2\r\n", false},
        {"[Other]\r\nVersion=2\r\n", false}, {"Version=2\r\n[DVF]\r\n", false}, {"", false}
    };
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(isSupportedFileVersion(IniDocument(text)), expected)
            << testing::PrintToString(text);
    }
}

TEST(FileVersion, ChecksFilesOnDisk) {
    EXPECT_TRUE(isSupportedFileVersion(dataFile("version_blank_2.dvf")));
    EXPECT_TRUE(isSupportedFileVersion(dataFile("bom.dvf")));
    EXPECT_FALSE(isSupportedFileVersion(dataFile("version_1_999.dvf")));
    EXPECT_FALSE(isSupportedFileVersion(dataFile("no_such_file.dvf")));
}

// --- Reading -------------------------------------------------------------------

TEST(LoadDriverFontFile, FileWithOnlyTheVersionGivesTheFactoryState) {
    const SettingsStore store = load(readBytes(dataFile("only_dvf_section.dvf")));
    for (int n = 0; n < kCharacterFontCount; ++n) {
        const CharacterFontRecord& font = store.fonts[n];
        EXPECT_EQ(font.fontName, characterFontName(n));
        EXPECT_EQ(font.typeIndex, n < 27 ? n : n - 27) << n;
        EXPECT_EQ(font.typeName, characterTypeName(font.typeIndex));
        for (const std::string* working : {&font.reverseAreaX, &font.reverseAreaY, &font.frameGapX,
                                           &font.frameGapY, &font.strikeEndLength}) {
            EXPECT_EQ(*working, "1");
        }
    }
    for (int n = 0; n < kBarcodeFontCount; ++n) {
        EXPECT_EQ(store.barcodes[n].fontName, barcodeFontName(n));
        EXPECT_EQ(store.barcodes[n].typeIndex, n);
    }
    for (int n = 0; n < kCode2DFontCount; ++n) {
        EXPECT_EQ(store.codes2D[n].fontName, code2DFontName(n));
        EXPECT_EQ(store.codes2D[n].typeIndex, n % 5);
    }

    const CharacterFontRecord& font05 = store.fonts[4];
    EXPECT_EQ(font05.typeName, sj("明朝 14ポイント(BOLD)"));
    EXPECT_EQ(font05.sizeX, "1");
    EXPECT_EQ(font05.sizeY, "1");
    EXPECT_EQ(font05.decoration, "B");
    EXPECT_EQ(font05.originX, "default");
    const CharacterFontRecord& font21 = store.fonts[20];
    EXPECT_EQ(font21.typeName, sj("ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)"));
    EXPECT_EQ(font21.sizeX, "default");
    EXPECT_EQ(font21.decoration, "B");
    EXPECT_EQ(font21.emphasis, "default");
    EXPECT_EQ(font21.lineFeed, "default");
    EXPECT_EQ(store.fonts[27].typeName, sj("明朝 8ポイント"));
    EXPECT_EQ(store.fonts[29].typeName, sj("明朝 10ポイント(BOLD)"));

    const BarcodeRecord& barcode03 = store.barcodes[2];
    EXPECT_EQ(barcode03.typeName, "CODE128");
    EXPECT_EQ(barcode03.autoSwitch, "9");
    EXPECT_EQ(barcode03.moduleWidth, "03");
    EXPECT_EQ(barcode03.height, "0100");

    const Code2DRecord& code05 = store.codes2D[4];
    EXPECT_EQ(code05.qrCode.typeName, sj("QRコード"));
    EXPECT_EQ(code05.qrCode.errorCorrection, "L");
    EXPECT_EQ(code05.qrCode.model, "2");
}

TEST(LoadDriverFontFile, OverwritesEveryFieldOfEveryRecord) {
    SettingsStore store;
    auto spoil = [](auto& record, auto fields) {
        for (const auto& field : fields) record.*field.member = "junk";
    };
    for (CharacterFontRecord& font : store.fonts) {
        font.typeIndex = 99;
        font.fontName = "junk";
        spoil(font, characterFontRecordFields());
    }
    for (BarcodeRecord& barcode : store.barcodes) {
        barcode.typeIndex = 99;
        barcode.fontName = "junk";
        spoil(barcode, barcodeRecordFields());
    }
    for (Code2DRecord& code : store.codes2D) {
        code.typeIndex = 99;
        code.fontName = "junk";
        forEachCode2DParams(code, [&](std::string_view, auto& params, auto fields, auto) {
            spoil(params, fields);
        });
    }
    const std::string file = readBytes(dataFile("all_families.dvf"));
    loadDriverFontFile(IniDocument(file), store);
    EXPECT_EQ(describe(store), describe(load(file)));
    EXPECT_EQ(describe(store).find("junk"), std::string::npos);
}

struct TypeCase {
    const char* fontType;
    int expectedIndex;
};

TEST(LoadDriverFontFile, CharacterFontTypeOutsideTheTableGivesTheFactoryType) {
    // "ZEL文字フォント25" has the factory FontType 55, type index 24.
    // clang-format off
    const std::vector<TypeCase> cases = {
        {"1", 0}, {"20", 19}, {"21", 20}, {"27", 26}, {"51", 20}, {"52", 21}, {"57", 26}, {"+3", 2},
        {"7x", 6}, {"28", 24}, {"50", 24}, {"58", 24}, {"0", 24}, {"-1", 24}, {"", 24}, {"abc", 24},
        {"99999999999999999999", 24}, {"-99999999999999999999", 24}, {"2147483647", 24},
        {"-2147483648", 24}
    };
    // clang-format on
    for (const TypeCase& c : cases) {
        const SettingsStore store = load(
            withVersion(section("ZEL文字フォント25", {std::string("FontType=") + c.fontType})));
        EXPECT_EQ(store.fonts[24].typeIndex, c.expectedIndex) << c.fontType;
        EXPECT_EQ(store.fonts[24].typeName, characterTypeName(c.expectedIndex)) << c.fontType;
    }
}

TEST(LoadDriverFontFile, CharacterFontTypeChoosesTheKeyFamily) {
    const std::string keys[] = {"PCpb1pb2pb3pb4=0008", "PVpb1pb2pb3pb4=0007", "PCJ=J",
                                "PCpu1pu2pu3=050",     "PVpd1pd2pd3pd4=0030", "PCpd1pd2=20"};
    for (const char* fontType : {"52", "21"}) {
        const SettingsStore store = load(withVersion(
            section("ZEL文字フォント01", {std::string("FontType=") + fontType, keys[0], keys[1],
                                          keys[2], keys[3], keys[4], keys[5]})));
        const CharacterFontRecord& font = store.fonts[0];
        EXPECT_EQ(font.typeIndex, std::string(fontType) == "52" ? 21 : 20);
        EXPECT_EQ(font.originX, "0007") << fontType;
        EXPECT_EQ(font.sizeX, "0030") << fontType;
        EXPECT_EQ(font.emphasis, "default") << fontType;
        EXPECT_EQ(font.lineFeed, "default") << fontType;
    }
    EXPECT_EQ(load(withVersion(section("ZEL文字フォント01", {"FontType=52"}))).fonts[0].typeName,
              sj("ｺﾞｼｯｸ(BOLD)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)"));
    const CharacterFontRecord bitmap =
        load(withVersion(section("ZEL文字フォント01",
                                 {"FontType=4", keys[0], keys[1], keys[2], keys[3], keys[5]})))
            .fonts[0];
    EXPECT_EQ(bitmap.originX, "0008");
    EXPECT_EQ(bitmap.sizeX, "20");
    EXPECT_EQ(bitmap.emphasis, "J");
    EXPECT_EQ(bitmap.lineFeed, "050");
}

TEST(LoadDriverFontFile, BarcodeFontTypeOutsideTheTableGivesTheFactoryType) {
    // "ZELバーコード05" has the factory FontType 105, type index 4.
    // clang-format off
    const std::vector<TypeCase> cases = {
        {"101", 0}, {"108", 7}, {"123", 22}, {"100", 4}, {"124", 4}, {"0", 4}, {"abc", 4}, {"1", 4},
        {"99999999999999999999", 4}, {"-99999999999999999999", 4}
    };
    // clang-format on
    for (const TypeCase& c : cases) {
        const SettingsStore store =
            load(withVersion(section("ZELバーコード05", {std::string("FontType=") + c.fontType})));
        EXPECT_EQ(store.barcodes[4].typeIndex, c.expectedIndex) << c.fontType;
        EXPECT_EQ(store.barcodes[4].typeName, barcodeTypeName(c.expectedIndex)) << c.fontType;
    }
}

using BarcodeField = std::string BarcodeRecord::*;

struct BarcodeDefaultsCase {
    const char* fontType;
    std::vector<std::pair<BarcodeField, const char*>> fields;
};

TEST(LoadDriverFontFile, BarcodeDefaultsFollowTheType) {
    using B = BarcodeRecord;
    // clang-format off
    const std::vector<BarcodeDefaultsCase> cases = {
        {"101",  // Codabar keeps the presets its keys do not reach
         {{&B::checkDigit, ""}, {&B::zeroSuppress, "0"}, {&B::moduleWidth, "0"},
          {&B::guardBarLength, "0"}, {&B::narrowBar, "03"}, {&B::wideBar, "08"},
          {&B::height, "0100"}, {&B::startStop, "default"}, {&B::rssVersion, ""},
          {&B::autoSwitch, "9"}}},
        {"102",  // Code 2of5
         {{&B::checkDigit, "1"}, {&B::zeroSuppress, "default"}, {&B::startStop, "default"}}},
        {"103",  // CODE128
         {{&B::autoSwitch, "9"}, {&B::moduleWidth, "03"}, {&B::height, "0100"},
          {&B::narrowBar, "3"}, {&B::narrowSpace, "3"}, {&B::wideBar, "8"}, {&B::wideSpace, "8"},
          {&B::charGap, "3"}, {&B::zeroSuppress, "default"}, {&B::checkDigit, ""},
          {&B::guardBarLength, "0"}}},
        {"105",  // CODE39(フルアスキー)
         {{&B::checkDigit, "1"}, {&B::wideBar, "08"}, {&B::zeroSuppress, "default"},
          {&B::moduleWidth, "0"}}},
        {"107",  // GS1 DataBar
         {{&B::rssVersion, "1"}, {&B::moduleWidth, "03"}, {&B::height, "0084"},
          {&B::humanReadable, "default"}, {&B::zeroSuppress, "default"}, {&B::checkDigit, ""}}},
        {"108",  // ITF
         {{&B::checkDigit, "1"}, {&B::zeroSuppress, "default"}, {&B::startStop, "default"},
          {&B::wideSpace, "08"}}},
        {"114",  // JAN/EAN8+5digits reads as JAN/EAN8
         {{&B::checkDigit, "1"}, {&B::moduleWidth, "04"}, {&B::height, "0180"},
          {&B::guardBarLength, "default"}, {&B::zeroSuppress, "default"}, {&B::wideBar, "8"}}},
        {"115",  // MSI/Plessey
         {{&B::wideBar, "06"}, {&B::wideSpace, "06"}, {&B::zeroSuppress, "default"}}},
        {"116",  // UCC/EAN128
         {{&B::moduleWidth, "02"}, {&B::height, "0100"}}},
        {"121",  // UPC-E+2digits
         {{&B::checkDigit, "3"}, {&B::height, "0230"}, {&B::guardBarLength, "default"}}},
        {"123",  // カスタマーバーコード
         {{&B::moduleWidth, "04"}, {&B::height, "0035"}, {&B::humanReadable, "default"},
          {&B::checkDigit, ""}, {&B::zeroSuppress, "0"}, {&B::narrowBar, "3"}}}
    };
    // clang-format on
    for (const BarcodeDefaultsCase& c : cases) {
        const BarcodeRecord barcode =
            load(withVersion(section("ZELバーコード01", {std::string("FontType=") + c.fontType})))
                .barcodes[0];
        for (const auto& [field, expected] : c.fields) {
            EXPECT_EQ(barcode.*field, expected) << "FontType " << c.fontType;
        }
        EXPECT_EQ(barcode.originX, "default");
        EXPECT_EQ(barcode.rotation, "default");
    }
}

struct BarcodeKeyCase {
    const char* fontType;
    const char* key;
    BarcodeField field;
    const char* expected;  // "77" when the key feeds the field
};

TEST(LoadDriverFontFile, BarcodeKeysFeedTheFieldsOfTheirFamily) {
    using B = BarcodeRecord;
    // clang-format off
    const std::vector<BarcodeKeyCase> cases = {
        {"101", "XBpf1pf2", &B::narrowBar, "77"}, {"101", "XBpe", &B::checkDigit, ""},
        {"101", "XBpk", &B::rotation, "77"}, {"101", "XBpl1pl2pl3pl4", &B::height, "77"},
        {"101", "XBpp1pp2", &B::zeroSuppress, "0"}, {"102", "XBpp1pp2", &B::zeroSuppress, "77"},
        {"102", "XBpq", &B::startStop, "default"}, {"104", "XBpq", &B::startStop, "77"},
        {"108", "XBpp1pp2", &B::zeroSuppress, "default"}, {"115", "XBpq", &B::startStop, "77"},
        {"103", "XBpf1pf2", &B::moduleWidth, "77"}, {"103", "XBpd", &B::autoSwitch, "77"},
        {"103", "XBpg", &B::rotation, "77"}, {"103", "XBph1ph2ph3ph4", &B::height, "77"},
        {"103", "XBpl", &B::humanReadable, "77"}, {"103", "XBpm1pm2", &B::zeroSuppress, "77"},
        {"103", "XBpf1pf2", &B::narrowBar, "3"}, {"106", "XBpd", &B::autoSwitch, "9"},
        {"107", "XBpe", &B::rssVersion, "77"}, {"107", "XBpk1pk2", &B::zeroSuppress, "77"},
        {"107", "XBpm1pm2", &B::zeroSuppress, "default"},
        {"107", "XBpl", &B::humanReadable, "default"}, {"109", "XBpe", &B::checkDigit, "77"},
        {"109", "XBpk1pk2pk3", &B::guardBarLength, "77"}, {"117", "XBpl", &B::humanReadable, "77"},
        {"123", "XBpl", &B::humanReadable, "default"}, {"123", "XBpg", &B::rotation, "77"}
    };
    // clang-format on
    for (const BarcodeKeyCase& c : cases) {
        const BarcodeRecord barcode =
            load(withVersion(section("ZELバーコード01", {std::string("FontType=") + c.fontType,
                                                         std::string(c.key) + "=77"})))
                .barcodes[0];
        EXPECT_EQ(barcode.*c.field, c.expected) << "FontType " << c.fontType << ", " << c.key;
    }
}

TEST(LoadDriverFontFile, EveryCode2DRecordReadsTheSameSection) {
    const Code2DRecord code =
        load(withVersion(section("ZEL2次元コード01",
                                 {"FontType=204", "XBpf1pf2=05", "XBpe=Q", "XBpg1pg2=09"})))
            .codes2D[0];
    EXPECT_EQ(code.typeIndex, 3);
    EXPECT_EQ(code.dataMatrix.moduleWidth, "05");
    EXPECT_EQ(code.microPdf417.moduleWidth, "05");
    EXPECT_EQ(code.pdf417.moduleWidth, "05");
    EXPECT_EQ(code.qrCode.moduleWidth, "05");
    EXPECT_EQ(code.gs1Composite.moduleWidth, "05");
    EXPECT_EQ(code.qrCode.errorCorrection, "Q");
    EXPECT_EQ(code.maxiCode.mode, "Q");
    EXPECT_EQ(code.pdf417.columnRowCount, "09");
    EXPECT_EQ(code.microPdf417.columnRowCount, "09");
    EXPECT_EQ(code.pdf417.securityLevel, "00");
    EXPECT_EQ(code.gs1Composite.rowHeight, "100");
    EXPECT_EQ(code.gs1Composite.linearType, "01");
    EXPECT_EQ(code.dataMatrix.typeName, "Data Matrix");
    EXPECT_EQ(code.maxiCode.typeName, "MaxiCode");
    EXPECT_EQ(code.gs1Composite.typeName, "GS1 Composite");
}

TEST(LoadDriverFontFile, Code2DTypeOutsideTheTableStaysAndOnlyFontTypeIsWritten) {
    // clang-format off
    const std::vector<std::pair<const char*, int>> cases = {
        {"207", 6}, {"200", -1}, {"0", -201}, {"abc", -201},
        {"99999999999999999999", INT_MAX - 201}
    };
    // clang-format on
    for (const auto& [fontType, expectedIndex] : cases) {
        IniDocument doc(withVersion(section(
            "ZEL2次元コード03", {"XBpe=H", std::string("FontType=") + fontType, "XBpf1pf2=04"})));
        SettingsStore store;
        loadDriverFontFile(doc, store);
        EXPECT_EQ(store.codes2D[2].typeIndex, expectedIndex) << fontType;
        ASSERT_TRUE(writeDriverFontSections(store, doc));
        const Entries written = entries(doc, "ZEL2次元コード03");
        ASSERT_EQ(written.size(), 1u) << fontType;
        EXPECT_EQ(written[0].first, "FontType");
        // Read back, the number gives the same type index again.
        SettingsStore again;
        loadDriverFontFile(IniDocument(doc.bytes()), again);
        EXPECT_EQ(again.codes2D[2].typeIndex, expectedIndex) << fontType;
    }
}

TEST(LeadingInteger, ReadsLikeTheCLibraryAndSaturates) {
    // clang-format off
    const std::vector<std::pair<const char*, int>> cases = {
        {"", 0}, {"abc", 0}, {"12", 12}, {" \t\n12x", 12}, {"+7", 7}, {"-3", -3}, {"+-3", 0},
        {"2.9", 2}, {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN}, {"99999999999999999999999999999999", INT_MAX},
        {"-99999999999999999999999999999999", INT_MIN}, {"000000000000000000000000000000042", 42}
    };
    // clang-format on
    for (const auto& [text, expected] : cases) EXPECT_EQ(leadingInteger(text), expected) << text;
}

// --- Clearing ------------------------------------------------------------------

TEST(ClearSectionExceptFontType, RemovesEveryOtherKeyWhateverItIsCalled) {
    struct Case {
        const char* what;
        std::string text;
        Names expectedKeys;
        std::string expectedFontType;
    };
    const std::vector<Case> cases = {
        {"empty names", "[S]\r\n=x\r\nFontType=3\r\n \t= y\r\nA=1\r\n", {"FontType"}, "3"},
        {"duplicates", "[S]\r\nFontType=3\r\nA=1\r\nFontType=4\r\nA=2\r\n", {"FontType"}, "3"},
        {"FontType not first", "[S]\r\nA=1\r\nB=2\r\nFontType=5\r\nC=3\r\n", {"FontType"}, "5"},
        {"FontType in other case", "[S]\r\nfonttype=5\r\nA=1\r\n", {}, ""},
        {"both cases", "[S]\r\nFONTTYPE=1\r\nFontType=2\r\nfontType=3\r\n", {"FontType"}, "2"},
        {"no keys", "[S]\r\n;c\r\n", {}, ""}};
    for (const Case& c : cases) {
        IniDocument doc(c.text + "[T]\r\nA=1\r\n");
        EXPECT_TRUE(clearSectionExceptFontType(doc, "s")) << c.what;
        EXPECT_EQ(doc.keyNames("S"), c.expectedKeys) << c.what;
        EXPECT_EQ(doc.read("S", "FontType", ""), c.expectedFontType) << c.what;
        EXPECT_EQ(doc.keyNames("T"), Names{"A"}) << c.what;
    }
    IniDocument missing("[T]\r\nA=1\r\n");
    EXPECT_TRUE(clearSectionExceptFontType(missing, "S"));
    EXPECT_EQ(missing.bytes(), "[T]\r\nA=1\r\n");
}

TEST(ClearSectionExceptFontType, KeepsCommentsAndOtherLines) {
    IniDocument doc(readBytes(dataFile("comments_in_font_section.dvf")));
    ASSERT_TRUE(clearSectionExceptFontType(doc, sj("ZEL文字フォント02")));
    EXPECT_EQ(doc.bytes(),
              withVersion("; comment before the first font section\r\n" +
                          section("ZEL文字フォント02",
                                  {"; comment before FontType", ";FontType=9", "FontType=8",
                                   "; comment between keys", "a line without an equals sign",
                                   "  ; indented comment"})));
}

// --- Writing -------------------------------------------------------------------

// Every text field holds its own name, so that each written value tells
// which field it came from.
template <class Record>
void fillWithFieldNames(Record& record, std::span<const TextField<Record>> fields) {
    for (const auto& field : fields) record.*field.member = std::string(field.name);
}

// clang-format off
const Entries kBitmapKeys = {
    {"FontType", "4"}, {"PCpb1pb2pb3pb4", "originX"}, {"PCpc1pc2pc3pc4pc5", "originY"},
    {"PCpd1pd2", "sizeX"}, {"PCpe1pe2", "sizeY"}, {"PCpg", "spacingAdjust"},
    {"PCph1ph2", "spacing"}, {"PCpi1pi2", "rotation"}, {"PCpj", "decoration"},
    {"PCpk1pk2pl1pl2", "decorationParams"}, {"PCJ", "emphasis"}, {"PCpm1pm2", "shiftX"},
    {"PCpn1pn2", "shiftY"}, {"PCM", "checkDigit"}, {"PCpo", "checkDigitMode"}, {"PCpp", "+"},
    {"PCpq1pq2pq3pq4pq5pq6pq7pq8pq9pq10", "0000000000"}, {"PCZ", "zeroSuppress"},
    {"PCpr1pr2", "zeroSuppressDigits"}, {"PCP", "alignment"}, {"PCps", "5"},
    {"PCpt1pt2pt3pt4", "areaWidth"}, {"PCpu1pu2pu3", "lineFeed"}, {"PCpv1pv2", "areaLines"}
};
// clang-format on

// clang-format off
const Entries kOutlineKeys = {
    {"FontType", "53"}, {"PVpb1pb2pb3pb4", "originX"}, {"PVpc1pc2pc3pc4pc5", "originY"},
    {"PVpd1pd2pd3pd4", "sizeX"}, {"PVpe1pe2pe3pe4", "sizeY"}, {"PVpg", "spacingAdjust"},
    {"PVph1ph2ph3", "spacing"}, {"PVpi1pi2", "rotation"}, {"PVpj", "decoration"},
    {"PVpk1pk2pl1pl2", "decorationParams"}, {"PVM", "checkDigit"}, {"PVpm", "checkDigitMode"},
    {"PVpn", "+"}, {"PVpo1po2po3po4po5po6po7po8po9po10", "0000000000"}, {"PVZ", "zeroSuppress"},
    {"PVpp1pp2", "zeroSuppressDigits"}, {"PVP", "alignment"}, {"PVpq", "4"},
    {"PVpr1pr2pr3pr4", "areaWidth"}
};
// clang-format on

// The origin and the element keys shared by the element-width family.
Entries elementWidthKeys(const char* fontType, bool checkDigit, const char* zeroSuppress,
                         bool startStop) {
    Entries keys = {
        {"FontType", fontType}, {"XBpb1pb2pb3pb4", "originX"}, {"XBpc1pc2pc3pc4pc5", "originY"}};
    if (checkDigit) keys.emplace_back("XBpe", "checkDigit");
    // clang-format off
    keys.insert(keys.end(), {
        {"XBpf1pf2", "narrowBar"}, {"XBpg1pg2", "narrowSpace"}, {"XBph1ph2", "wideBar"},
        {"XBpi1pi2", "wideSpace"}, {"XBpj1pj2", "charGap"}, {"XBpk", "rotation"},
        {"XBpl1pl2pl3pl4", "height"}, {"XBpm", "+"},
        {"XBpn1pn2pn3pn4pn5pn6pn7pn8pn9pn10", "0000000000"}, {"XBpo", "humanReadable"},
        {"XBpp1pp2", zeroSuppress}});
    // clang-format on
    if (startStop) keys.emplace_back("XBpq", "startStop");
    return keys;
}

const Entries kOrigin = {{"XBpb1pb2pb3pb4", "originX"}, {"XBpc1pc2pc3pc4pc5", "originY"}};

Entries operator+(Entries a, const Entries& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(WriteDriverFontSections, WritesFontTypeAndTheKeysOfEachTypeInOrder) {
    SettingsStore store = factoryStore();
    fillWithFieldNames(store.fonts[0], characterFontRecordFields());
    store.fonts[0].typeIndex = 3;
    store.fonts[0].alignmentMode = "5";
    fillWithFieldNames(store.fonts[1], characterFontRecordFields());
    store.fonts[1].typeIndex = 22;
    store.fonts[1].alignmentMode = "4";

    struct BarcodeCase {
        int typeIndex;
        Entries keys;
    };
    const Entries moduleMiddle = {{"XBpf1pf2", "moduleWidth"},
                                  {"XBpg", "rotation"},
                                  {"XBph1ph2ph3ph4", "height"},
                                  {"XBpi", "+"},
                                  {"XBpj1pj2pj3pj4pj5pj6pj7pj8pj9pj10", "0000000000"}};
    // clang-format off
    const Entries moduleTail = {
        {"XBpk1pk2pk3", "000"}, {"XBpl", "humanReadable"}, {"XBpm1pm2", "zeroSuppress"}};
    // clang-format off
    const std::vector<BarcodeCase> barcodes = {
        {0, elementWidthKeys("101", false, "00", true)},            // Codabar
        {1, elementWidthKeys("102", true, "zeroSuppress", false)},  // Code 2of5
        {3, elementWidthKeys("104", true, "zeroSuppress", true)},   // CODE39
        {4, elementWidthKeys("105", true, "zeroSuppress", true)},   // CODE39(フルアスキー)
        {7, elementWidthKeys("108", true, "00", false)},            // ITF
        {14, elementWidthKeys("115", true, "00", true)},            // MSI/Plessey
        // CODE128, UCC/EAN128, GS1 DataBar
        {2, Entries{{"FontType", "103"}} + kOrigin + Entries{{"XBpd", "autoSwitch"}} +
            moduleMiddle + moduleTail},
        {15, Entries{{"FontType", "116"}} + kOrigin + moduleMiddle + moduleTail},
        {6, Entries{{"FontType", "107"}} + kOrigin + Entries{{"XBpe", "rssVersion"}} +
            moduleMiddle + Entries{{"XBpk1pk2", "zeroSuppress"}}},
        // JAN/EAN13+2digits
        {9, Entries{{"FontType", "110"}} + kOrigin + Entries{{"XBpe", "checkDigit"}} +
            moduleMiddle +
            Entries{{"XBpk1pk2pk3", "guardBarLength"}, {"XBpl", "humanReadable"},
                    {"XBpm1pm2", "00"}}},
        // カスタマーバーコード
        {22, Entries{{"FontType", "123"}} + kOrigin +
             Entries{{"XBpf1pf2", "moduleWidth"}, {"XBpg", "rotation"},
                     {"XBph1ph2ph3ph4", "height"}}}
    };
    // clang-format on
    // clang-format on
    for (std::size_t i = 0; i < barcodes.size(); ++i) {
        BarcodeRecord& barcode = store.barcodes[i];
        fillWithFieldNames(barcode, barcodeRecordFields());
        barcode.setType(barcodes[i].typeIndex);
    }

    // clang-format off
    const std::vector<Entries> codes2D = {
        Entries{{"FontType", "201"}} + kOrigin +
            Entries{{"XBpf1pf2", "moduleWidth"}, {"XBph", "rotation"}, {"XBC", "cellSizeMarker"},
                    {"XBpi1pi2pi3", "cellColumns"}, {"XBpj1pj2pj3", "cellRows"}},
        Entries{{"FontType", "202"}} + kOrigin + Entries{{"XBpe", "mode"}},
        Entries{{"FontType", "203"}} + kOrigin +
            Entries{{"XBpf1pf2", "moduleWidth"}, {"XBpg1pg2", "columnRowCount"},
                    {"XBph", "rotation"}, {"XBpi1pi2pi3pi4", "rowHeight"}},
        Entries{{"FontType", "204"}} + kOrigin +
            Entries{{"XBpe1pe2", "securityLevel"}, {"XBpf1pf2", "moduleWidth"},
                    {"XBpg1pg2", "columnRowCount"}, {"XBph", "rotation"},
                    {"XBpi1pi2pi3pi4", "rowHeight"}},
        Entries{{"FontType", "205"}} + kOrigin +
            Entries{{"XBpe", "errorCorrection"}, {"XBpf1pf2", "moduleWidth"}, {"XBpg", "A"},
                    {"XBph", "rotation"}, {"XBpi", "model"}},
        Entries{{"FontType", "206"}} + kOrigin +
            Entries{{"XBpe1pe2", "linearType"}, {"XBpf1pf2", "moduleWidth"}, {"XBpg", "rotation"},
                    {"XBph1ph2ph3ph4", "rowHeight"}}
    };
    // clang-format on
    for (int n = 0; n < kCode2DTypeCount; ++n) {
        Code2DRecord& code = store.codes2D[n];
        code.typeIndex = n;
        forEachCode2DParams(code, [](std::string_view, auto& params, auto fields, auto) {
            fillWithFieldNames(params, fields);
        });
    }

    // Keys of other types and a FontType that is not first must all go.
    std::string file = withVersion("");
    file +=
        section("ZEL文字フォント01", {"PVpb1pb2pb3pb4=stale", "FontType=9", "PCpb1pb2pb3pb4=old"});
    file += section("ZELバーコード03", {"XBpd=9", "XBpq=stale", "FontType=103", "XBpk1pk2pk3=000"});
    file += section("ZEL2次元コード05", {"XBC=C", "FontType=201", "XBpi1pi2pi3=018"});
    IniDocument doc(file);
    ASSERT_TRUE(writeDriverFontSections(store, doc));

    EXPECT_EQ(entries(doc, "ZEL文字フォント01"), kBitmapKeys);
    EXPECT_EQ(entries(doc, "ZEL文字フォント02"), kOutlineKeys);
    for (std::size_t i = 0; i < barcodes.size(); ++i) {
        const std::string name =
            "ZELバーコード" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1);
        EXPECT_EQ(entries(doc, name), barcodes[i].keys) << "barcode type " << barcodes[i].typeIndex;
    }
    for (int n = 0; n < kCode2DTypeCount; ++n) {
        EXPECT_EQ(entries(doc, "ZEL2次元コード0" + std::to_string(n + 1)), codes2D[n]) << n;
    }
}

TEST(WriteDriverFontSections, WritesDefaultWhereTheRulesSaySo) {
    struct Case {
        const char* what;
        int typeIndex;
        const char* spacingAdjust;
        const char* emphasis;
        const char* alignmentMode;
        Entries expected;  // a subset of the section's keys
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"spacing widened", 0, "+", "J", "4",
         {{"PCpg", "+"}, {"PCph1ph2", "spacing"}, {"PCpm1pm2", "shiftX"}, {"PCpn1pn2", "shiftY"},
          {"PCpt1pt2pt3pt4", "areaWidth"}, {"PCpu1pu2pu3", "default"}, {"PCpv1pv2", "default"}}},
        {"no spacing, no emphasis", 0, "default", "default", "5",
         {{"PCph1ph2", "default"}, {"PCpm1pm2", "default"}, {"PCpn1pn2", "default"},
          {"PCpt1pt2pt3pt4", "areaWidth"}, {"PCpu1pu2pu3", "lineFeed"}, {"PCpv1pv2", "areaLines"}}},
        {"left aligned", 0, "-", "J", "1",
         {{"PCph1ph2", "spacing"}, {"PCpt1pt2pt3pt4", "default"}, {"PCpu1pu2pu3", "default"},
          {"PCpv1pv2", "default"}}},
        {"automatic alignment", 0, "-", "J", "default",
         {{"PCpt1pt2pt3pt4", "default"}, {"PCpu1pu2pu3", "default"}}},
        {"outline line break", 25, "default", "J", "5",
         {{"PVph1ph2ph3", "default"}, {"PVpr1pr2pr3pr4", "default"}}},
        {"outline justified", 25, "-", "J", "4",
         {{"PVph1ph2ph3", "spacing"}, {"PVpr1pr2pr3pr4", "areaWidth"}}}
    };
    // clang-format on
    for (const Case& c : cases) {
        SettingsStore store = factoryStore();
        CharacterFontRecord& font = store.fonts[0];
        fillWithFieldNames(font, characterFontRecordFields());
        font.typeIndex = c.typeIndex;
        font.spacingAdjust = c.spacingAdjust;
        font.emphasis = c.emphasis;
        font.alignmentMode = c.alignmentMode;
        IniDocument doc(withVersion(""));
        ASSERT_TRUE(writeDriverFontSections(store, doc));
        for (const auto& [key, value] : c.expected) {
            EXPECT_EQ(doc.read(font.fontName, key, "<missing>"), value) << c.what << ": " << key;
        }
    }
}

TEST(WriteDriverFontSections, WritesTheFontTypeNumbers) {
    SettingsStore store = factoryStore();
    store.fonts[20].typeIndex = 20;
    store.fonts[0].typeIndex = 19;
    store.barcodes[19].setType(typeIndexOf(BarcodeType::Customer));
    store.barcodes[1].setType(typeIndexOf(BarcodeType::Code93));
    store.codes2D[9].typeIndex = typeIndexOf(Code2DType::MicroPdf417);
    store.codes2D[0].typeIndex = 0;
    IniDocument doc(withVersion(""));
    ASSERT_TRUE(writeDriverFontSections(store, doc));
    EXPECT_EQ(doc.read(sj("ZEL文字フォント21"), "FontType", ""), "51");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント01"), "FontType", ""), "20");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント28"), "FontType", ""), "1");
    EXPECT_EQ(doc.read(sj("ZELバーコード20"), "FontType", ""), "123");
    EXPECT_EQ(doc.read(sj("ZELバーコード02"), "FontType", "") + store.barcodes[1].typeName,
              "106" + sj("CODE93"));
    EXPECT_EQ(doc.read(sj("ZEL2次元コード10"), "XBpg1pg2", ""), "02");  // MicroPDF417's columns
    EXPECT_EQ(doc.read(sj("ZEL2次元コード10"), "FontType", ""), "203");
    EXPECT_EQ(doc.read(sj("ZEL2次元コード01"), "FontType", ""), "201");
    // New sections follow the font order, after what the file held.
    std::vector<std::string> expected = {"[DVF]"};
    for (int n = 0; n < kCharacterFontCount; ++n)
        expected.push_back("[" + characterFontName(n) + "]");
    for (int n = 0; n < kBarcodeFontCount; ++n) expected.push_back("[" + barcodeFontName(n) + "]");
    for (int n = 0; n < kCode2DFontCount; ++n) expected.push_back("[" + code2DFontName(n) + "]");
    EXPECT_EQ(test::headers(doc.bytes()), expected);
}

// --- Whole files -----------------------------------------------------------------

TEST(SaveDriverFontFile, LoadSaveLoadKeepsTheStore) {
    test::ScratchDir dir;
    const test::fs::path file = dir.copyOf("all_families.dvf");
    SettingsStore first;
    loadDriverFontFile(file, first);
    EXPECT_EQ(first.fonts[0].emphasis, "J");
    EXPECT_EQ(first.barcodes[2].guardBarLength, "015");
    ASSERT_EQ(saveDriverFontFile(first, file), SaveOutcome::Saved);
    SettingsStore second;
    loadDriverFontFile(file, second);
    EXPECT_EQ(describe(second, false), describe(first, false));
    // The records of the other 2D types settle after one save.
    ASSERT_EQ(saveDriverFontFile(second, file), SaveOutcome::Saved);
    SettingsStore third;
    loadDriverFontFile(file, third);
    EXPECT_EQ(describe(third), describe(second));
}

bool isFontSectionHeader(const std::string& header) {
    auto lower = [](std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    };
    const std::string name =
        lower(header.substr(header.find('[') + 1, header.rfind(']') - header.find('[') - 1));
    for (int n = 0; n < kCharacterFontCount; ++n)
        if (name == lower(characterFontName(n))) return true;
    for (int n = 0; n < kBarcodeFontCount; ++n)
        if (name == lower(barcodeFontName(n))) return true;
    for (int n = 0; n < kCode2DFontCount; ++n)
        if (name == lower(code2DFontName(n))) return true;
    return false;
}

std::vector<std::string> commentLines(const std::string& block) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < block.size();) {
        std::size_t end = std::min(block.find_first_of("\r\n", pos), block.size());
        std::string line = block.substr(pos, end - pos);
        if (line.find_first_not_of(" \t") != std::string::npos &&
            line[line.find_first_not_of(" \t")] == ';') {
            out.push_back(line);
        }
        pos = std::min(block.find_first_not_of("\r\n", end), block.size());
    }
    return out;
}

// Outside the first occurrence of each font section every byte stays; new
// font sections come after everything that was there.
void expectUnrelatedBytesKept(const std::string& before, const std::string& after,
                              const std::string& what) {
    const std::vector<test::Block> old = test::splitBlocks(before);
    const std::vector<test::Block> now = test::splitBlocks(after);
    ASSERT_GE(now.size(), old.size()) << what;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < old.size(); ++i) {
        EXPECT_EQ(now[i].header, old[i].header) << what;
        std::string key = now[i].header;
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const bool rewritten = isFontSectionHeader(old[i].header) &&
                               std::find(seen.begin(), seen.end(), key) == seen.end();
        if (rewritten) {
            seen.push_back(key);
            EXPECT_EQ(commentLines(now[i].bytes), commentLines(old[i].bytes)) << what;
        } else if (i + 1 == old.size() && now.size() > old.size()) {
            // The last line gains a line break when sections are appended.
            EXPECT_EQ(now[i].bytes.substr(0, old[i].bytes.size()), old[i].bytes) << what;
        } else {
            EXPECT_EQ(now[i].bytes, old[i].bytes) << what << ", block " << i;
        }
    }
    for (std::size_t i = old.size(); i < now.size(); ++i) {
        EXPECT_TRUE(isFontSectionHeader(now[i].header)) << what << ": " << now[i].header;
    }
}

TEST(SaveDriverFontFile, KeepsEveryUnrelatedByte) {
    test::ScratchDir dir;
    const test::fs::path file = dir.copyOf("unrelated_sections.dvf");
    const std::string before = readBytes(file);
    SettingsStore store;
    loadDriverFontFile(file, store);
    ASSERT_EQ(saveDriverFontFile(store, file), SaveOutcome::Saved);
    const std::string after = readBytes(file);
    expectUnrelatedBytesKept(before, after, "unrelated_sections.dvf");
    const IniDocument saved(after);
    EXPECT_EQ(saved.keyNames(sj("ZEL文字フォント01")).front(), "FontType");
    EXPECT_EQ(saved.keyNames(sj("ZEL文字フォント01")).size(), kBitmapKeys.size());
    EXPECT_EQ(saved.read(sj("ZEL2次元コード01"), "XBpe", ""), "H");
    EXPECT_EQ(saved.read("Raw", "Bytes", ""), "\x85\x40\xFF\x81");
}

TEST(SaveDriverFontFile, EveryGoldenFileKeepsItsBytesAndSettlesAfterOneSave) {
    for (const test::fs::path& golden : test::goldenFiles()) {
        const std::string name = golden.filename().string();
        test::ScratchDir dir;
        const test::fs::path file = dir.copyOf(name);
        const std::string before = readBytes(file);
        SettingsStore store;
        loadDriverFontFile(file, store);
        ASSERT_EQ(saveDriverFontFile(store, file), SaveOutcome::Saved) << name;
        const std::string once = readBytes(file);
        expectUnrelatedBytesKept(before, once, name);
        loadDriverFontFile(file, store);
        ASSERT_EQ(saveDriverFontFile(store, file), SaveOutcome::Saved) << name;
        EXPECT_EQ(readBytes(file), once) << name;
    }
}

}  // namespace
}  // namespace vx
