// dvftool fields: the catalogue for a script (--json with ranges, codes,
// key widths and types), a file's values as the window shows them, and the
// zero suppression that the character page edits as one number.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

using Json = nlohmann::json;

// The catalogue entry of a field named as dvftool names it.
Json entryOf(const Json& catalogue, const std::string& field) {
    for (const Json& entry : catalogue) {
        if (entry.at("field") == field) return entry;
    }
    ADD_FAILURE() << "no entry " << field;
    return Json::object();
}

TEST(DvfToolFields, TheJsonCatalogueGivesRangesCodesKeysAndTypesToAScript) {
    const ToolRun run = dvftool({"fields", "--json"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const Json catalogue = Json::parse(run.out);
    struct Number {
        std::string field;
        int min, max;
        bool allowsDefault;
        int keyWidth;
    };
    // Ranges as the pages check them, written out by hand.
    const Number numbers[] = {
        {"zeroSuppressDigits", 0, 40, true, 2},
        {"originY", 0, 32767, true, 5},
        {"areaWidth", 50, 1060, true, 4},
        {"narrowBar", 1, 99, false, 2},
        {"height", 0, 1000, false, 4},
        {"QrCodeParams.moduleWidth", 0, 52, false, 2},
        {"DataMatrixParams.moduleWidth", 0, 99, false, 2},
        {"MicroPdf417Params.columnRowCount", 0, 38, false, 2},
        {"Pdf417Params.columnRowCount", 1, 30, false, 2},
    };
    for (const Number& n : numbers) {
        const Json entry = entryOf(catalogue, n.field);
        EXPECT_EQ(entry.value("form", ""), "number") << n.field;
        EXPECT_EQ(entry.value("min", -1), n.min) << n.field;
        EXPECT_EQ(entry.value("max", -1), n.max) << n.field;
        EXPECT_EQ(entry.value("default", !n.allowsDefault), n.allowsDefault) << n.field;
        EXPECT_EQ(entry.value("keyWidth", -1), n.keyWidth) << n.field;
    }
    EXPECT_EQ(entryOf(catalogue, "areaWidth").value("defaultShown", ""), "50");
    const Json qr = entryOf(catalogue, "QrCodeParams.moduleWidth");
    EXPECT_EQ(qr.at("types"), Json::parse(R"([{"index": 4, "name": "QRコード"}])"));
    // A list: its codes with their entry texts, the first entry "default".
    const Json rotation = entryOf(catalogue, "rotation");
    EXPECT_EQ(rotation.value("form", ""), "code");
    ASSERT_TRUE(rotation.contains("codes"));
    EXPECT_EQ(rotation.at("codes").at(0), Json::parse(R"({"code": "default", "text": "自動"})"));
    EXPECT_TRUE(rotation.value("default", false));
    // The magnification's unit is the page's.
    const Json magnification = catalogue.at(3);
    EXPECT_EQ(magnification.value("field", ""), "sizeX");
    EXPECT_EQ(magnification.value("unit", ""), "倍");
    EXPECT_EQ(magnification.at("codes").size(), 19u);
    // Every entry names its types by index and name.
    for (const Json& entry : catalogue) {
        ASSERT_TRUE(entry.at("types").is_array()) << entry.at("field");
        for (const Json& type : entry.at("types")) {
            EXPECT_TRUE(type.at("index").is_number_integer()) << entry.at("field");
            EXPECT_TRUE(type.at("name").is_string()) << entry.at("field");
        }
    }
}

// A "default" number shows what the window's edit shows: a number where the
// edit has no "自動" box.
TEST(DvfToolFields, AFilesValuesAreShownAsTheWindowShowsThem) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");  // factory values
    const ToolRun run = dvftool({"fields", utf8(file), "ZEL文字フォント01"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    std::map<std::string, Strings> byField;
    for (const Strings& line : tabLines(run.out)) byField[line.at(1)] = line;
    const struct {
        const char* field;
        const char* stored;
        const char* shown;
    } expected[] = {
        {"originX", "default", "自動"},
        {"zeroSuppressDigits", "default", "0 桁"},
        {"areaWidth", "default", "50 x0.1mm"},
        {"lineFeed", "default", "10 x0.1mm"},
        {"areaLines", "default", "1 行"},
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(byField.contains(e.field)) << e.field << "\n" << run.out;
        EXPECT_EQ(byField[e.field].at(3), e.stored) << e.field;
        EXPECT_EQ(byField[e.field].at(4), e.shown) << e.field;
    }
}

// The decoration's parameters under the words of the fields the decoration
// makes usable.
TEST(DvfToolFields, DecorationParametersAreLabelledAsTheirFieldsOnThePage) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    const struct {
        Strings assignments;
        const char* label;
        const char* shown;
    } cases[] = {
        {{"decoration=W", "decorationParams=0307"}, "白抜き文字外エリア 横・縦", "3・7 ドット"},
        {{"decoration=F", "decorationParams=1201"}, "枠までの幅 横・縦", "12・1 ドット"},
        {{"decoration=C", "decorationParams=05"}, "取り消し線先端の長さ", "5 ドット"},
    };
    for (const auto& c : cases) {
        Strings args = {"set", path, "ZEL文字フォント02"};
        args.insert(args.end(), c.assignments.begin(), c.assignments.end());
        ASSERT_EQ(dvftool(args).exit, kExitDone) << c.label;
        const ToolRun run = dvftool({"fields", path, "ZEL文字フォント02"});
        bool found = false;
        for (const Strings& line : tabLines(run.out)) {
            if (line.at(1) != "decorationParams") continue;
            found = true;
            EXPECT_EQ(line.at(2), c.label);
            EXPECT_EQ(line.at(4), c.shown);
        }
        EXPECT_TRUE(found) << run.out;
    }
}

// The page's "ゼロサプレス" is one edit: 0 stores it off, another number on
// with that many digits; set follows it.
TEST(DvfToolFields, ZeroSuppressionDigitsSetItOnOrOffAsThePageDoes) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    const auto stored = [&](const std::string& field) {
        for (const Strings& line : tabLines(dvftool({"dump", path}).out)) {
            if (line.at(0) == "ZEL文字フォント10" && line.at(1) == field) return line.at(2);
        }
        return std::string("(none)");
    };
    ToolRun run = dvftool({"set", path, "ZEL文字フォント10", "zeroSuppressDigits=7"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(stored("zeroSuppress"), "Z");
    EXPECT_EQ(stored("zeroSuppressDigits"), "07");
    run = dvftool({"set", path, "ZEL文字フォント10", "zeroSuppressDigits=0"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(stored("zeroSuppress"), "default");
    EXPECT_EQ(stored("zeroSuppressDigits"), "default");
    // Both given, and at odds: refused, nothing written.
    const std::string before = readBytes(file);
    run = dvftool({"set", path, "ZEL文字フォント10", "zeroSuppress=Z", "zeroSuppressDigits=0"});
    EXPECT_EQ(run.exit, kExitUsage);
    EXPECT_NE(run.err.find("zeroSuppress=Z には 1〜40"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(dvftool({"set", path, "ZEL文字フォント10", "zeroSuppressDigits=41"}).exit,
              kExitUsage);
}

}  // namespace
}  // namespace vx::test
