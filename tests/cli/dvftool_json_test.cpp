// dvftool's JSON: dump --json in dump's order, set --json taking it back for
// every kind of font, and JSON that is refused without touching the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

using Json = nlohmann::ordered_json;

Json dumpJson(const std::filesystem::path& file) {
    const ToolRun run = dvftool({"dump", "--json", utf8(file)});
    EXPECT_EQ(run.exit, kExitDone) << run.err;
    return Json::parse(run.out);
}

Json& font(Json& fonts, std::string_view name) {
    for (Json& object : fonts) {
        if (object["font"] == name) return object;
    }
    ADD_FAILURE() << "no font " << name;
    return fonts[0];
}

TEST(DvfToolJson, DumpHasTheTextDumpsFieldsInOrder) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const Json fonts = dumpJson(file);
    std::vector<Strings> fromJson;
    for (const Json& object : fonts) {
        auto member = object.begin();
        ASSERT_EQ(member.key(), "font");
        for (++member; member != object.end(); ++member) {
            const std::string value = member.key() == "typeIndex"
                                          ? std::to_string(member.value().get<int>())
                                          : member.value().get<std::string>();
            fromJson.push_back({object["font"], member.key(), value});
        }
    }
    EXPECT_EQ(fonts.size(), 60u);
    EXPECT_EQ(fromJson, tabLines(dvftool({"dump", utf8(file)}).out));
}

TEST(DvfToolJson, SetTakesBackAnEditedDumpForEveryKindOfFont) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    Json fonts = dumpJson(file);
    // A bitmap font becomes an outline font; the type name follows the index.
    font(fonts, "ZEL文字フォント01")["typeIndex"] = 25;
    font(fonts, "ZEL文字フォント01")["originX"] = "0321";
    font(fonts, "ZEL文字フォント05")["rotation"] = "22";
    font(fonts, "ZELバーコード04")["typeIndex"] = 2;
    font(fonts, "ZELバーコード04")["height"] = "0150";
    font(fonts, "ZEL2次元コード05")["QrCodeParams.errorCorrection"] = "H";
    font(fonts, "ZEL2次元コード06")["typeIndex"] = 1;
    font(fonts, "ZEL2次元コード06")["MaxiCodeParams.mode"] = "4";

    const ToolRun run = dvftool({"set", utf8(file), "--json", "-"}, fonts.dump());
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    font(fonts, "ZEL文字フォント01")["typeName"] = "明朝(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)";
    font(fonts, "ZELバーコード04")["typeName"] = "CODE128";
    Json after = dumpJson(file);
    // The outline family has no emphasis and no area fields: only what it holds is compared.
    for (const char* field : {"typeIndex", "typeName", "originX", "originY", "rotation"}) {
        EXPECT_EQ(font(after, "ZEL文字フォント01")[field], font(fonts, "ZEL文字フォント01")[field])
            << field;
    }
    EXPECT_EQ(font(after, "ZEL文字フォント05"), font(fonts, "ZEL文字フォント05"));
    EXPECT_EQ(font(after, "ZELバーコード04")["typeName"], "CODE128");
    EXPECT_EQ(font(after, "ZELバーコード04")["height"], "0150");
    EXPECT_EQ(font(after, "ZEL2次元コード05")["QrCodeParams.errorCorrection"], "H");
    EXPECT_EQ(font(after, "ZEL2次元コード06")["typeIndex"], 1);
    EXPECT_EQ(font(after, "ZEL2次元コード06")["MaxiCodeParams.mode"], "4");
    const IniDocument doc(readBytes(file));
    EXPECT_EQ(doc.read(sj("ZEL文字フォント05"), "PCpi1pi2", ""), "22");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント01"), "FontType", ""), "56");
}

TEST(DvfToolJson, UntouchedDumpChangesNoByteNotEvenUndecodableOnes) {
    for (const char* golden : {"only_dvf_section.dvf", "invalid_shift_jis.dvf"}) {
        ScratchDir dir;
        const auto file = dir.copyOf(golden);
        ASSERT_EQ(dvftool({"save", utf8(file)}).exit, kExitDone);
        const std::string saved = readBytes(file);
        const auto json = dir.withBytes("fonts.json", dumpJson(file).dump());
        EXPECT_EQ(dvftool({"set", utf8(file), "--json", utf8(json)}).exit, kExitDone) << golden;
        EXPECT_EQ(readBytes(file), saved) << golden;
    }
}

TEST(DvfToolJson, RefusedJsonLeavesTheFileUntouched) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", kExitUsage},
        {"{\"font\": \"ZEL文字フォント01\"}", kExitUsage},
        {"[{\"originX\": \"0001\"}]", kExitUsage},
        {"[1]", kExitUsage},
        {"[{\"font\": \"ZEL文字フォント01\", \"typeIndex\": \"2\"}]", kExitUsage},
        {"[{\"font\": \"ZEL文字フォント01\", \"typeIndex\": 27}]", kExitUsage},
        {"[{\"font\": \"ZEL文字フォント01\", \"originX\": 1}]", kExitUsage},
        {"[{\"font\": \"ZEL文字フォント01\", \"bogus\": \"1\"}]", kExitUsage},
        {"[{\"font\": \"ZEL文字フォント99\", \"originX\": \"1\"}]", kExitUsage},
        // The first font is fine; the second is refused, so neither is written.
        {"[{\"font\": \"ZEL文字フォント01\", \"originX\": \"0001\"},"
         " {\"font\": \"ZEL文字フォント02\", \"originX\": \"\xF0\x9F\x98\x80\"}]",
         kExitUsage},
        {"[{\"font\": \"ZEL文字フォント01\", \"originX\": \"\xff\"}]", kExitUsage},
    };
    for (const auto& [json, exit] : cases) {
        ScratchDir dir;
        const auto file = dir.copyOf("all_families.dvf");
        const std::string before = readBytes(file);
        const ToolRun run = dvftool({"set", utf8(file), "--json", "-"}, json);
        EXPECT_EQ(run.exit, exit) << json;
        EXPECT_NE(run.err, "") << json;
        EXPECT_EQ(readBytes(file), before) << json;
    }
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    EXPECT_EQ(dvftool({"set", utf8(file), "--json", utf8(dir.path() / "なし.json")}).exit,
              kExitUnreadable);
}

// "FONT\tFIELD" -> value, from dump's text.
std::map<std::string, std::string> dumpedValues(const std::filesystem::path& file) {
    std::map<std::string, std::string> values;
    for (const Strings& line : tabLines(dvftool({"dump", utf8(file)}).out)) {
        if (line.size() == 3) values[line[0] + "\t" + line[1]] = line[2];
    }
    return values;
}

// The roll-out that the help suggests: one file's dump taken into another.
// A dump lists every field of a font, also those that its type leaves
// unused (a 2D code's other parameter records); no save writes those, so
// they are passed over, and afterwards the two files hold the same
// settings. Every ordered pair of demo files that dvftool accepts.
TEST(DvfToolJson, ADumpTakenIntoAnotherFileMakesTheSameSettings) {
    std::vector<std::filesystem::path> demos;
    for (const auto& entry : std::filesystem::directory_iterator(VX_DEMO_DIR)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension != ".dvf") continue;
        if (dvftool({"check", utf8(entry.path())}).exit == kExitDone) demos.push_back(entry.path());
    }
    std::sort(demos.begin(), demos.end());
    ASSERT_GE(demos.size(), 6u);
    int unusedDiffer = 0;
    for (const auto& a : demos) {
        const ToolRun dump = dvftool({"dump", "--json", utf8(a)});
        ASSERT_EQ(dump.exit, kExitDone) << dump.err;
        const auto aValues = dumpedValues(a);
        for (const auto& b : demos) {
            if (a == b) continue;
            const std::string pair = a.filename().string() + " -> " + b.filename().string();
            // The pairs that name, with another value, a field that the
            // font's type does not use, as `fields` lists the used ones.
            std::set<std::string> used;
            for (const Strings& line : tabLines(dvftool({"fields", utf8(b)}).out)) {
                if (line.size() > 1) used.insert(line[0] + "\t" + line[1]);
            }
            const auto bValues = dumpedValues(b);
            unusedDiffer += std::any_of(aValues.begin(), aValues.end(), [&](const auto& value) {
                return !used.contains(value.first) && bValues.at(value.first) != value.second;
            });
            ScratchDir dir;
            const auto target = dir.withBytes("target.dvf", readBytes(b));
            const ToolRun set = dvftool({"set", utf8(target), "--json", "-"}, dump.out);
            EXPECT_EQ(set.exit, kExitDone) << pair << "\n" << set.err;
            const ToolRun diff = dvftool({"diff", utf8(a), utf8(target)});
            EXPECT_EQ(diff.exit, kExitDone) << pair << "\n" << diff.out;
        }
    }
    EXPECT_GT(unusedDiffer, 0);
}

TEST(DvfToolJson, AnUnusedFieldIsPassedOverAndAUsedOneStillRefusedByName) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const std::string before = readBytes(file);
    // ZEL2次元コード05 is a QR code: its PDF417 fields are not written.
    ToolRun run = dvftool({"set", utf8(file), "--json", "-"},
                          R"([{"font": "ZEL2次元コード05", "Pdf417Params.securityLevel": "99",
                               "QrCodeParams.moduleWidth": "999"}])");
    EXPECT_EQ(run.exit, kExitUsage);
    EXPECT_NE(run.err.find("ZEL2次元コード05 QrCodeParams.moduleWidth=999: "), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Pdf417Params"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(file), before);

    run = dvftool({"set", utf8(file), "--json", "-"},
                  R"([{"font": "ZEL2次元コード05", "Pdf417Params.securityLevel": "99",
                       "QrCodeParams.moduleWidth": "07"}])");
    EXPECT_EQ(run.exit, kExitDone) << run.err;
    const ToolRun dump = dvftool({"dump", utf8(file)});
    EXPECT_NE(dump.out.find("ZEL2次元コード05\tQrCodeParams.moduleWidth\t07\n"), std::string::npos);
    EXPECT_EQ(dump.out.find("Pdf417Params.securityLevel\t99"), std::string::npos);

    // Named on the command line, the same field is refused, as before.
    run = dvftool({"set", utf8(file), "ZEL2次元コード05", "Pdf417Params.securityLevel=1"});
    EXPECT_EQ(run.exit, kExitUsage);
    EXPECT_NE(run.err.find("QRコード では使いません"), std::string::npos) << run.err;
}

TEST(DvfToolJson, DiffNamesBothValues) {
    ScratchDir dir;
    const auto a = dir.copyOf("all_families.dvf");
    const auto b = dir.withBytes("b.dvf", readBytes(a));
    ASSERT_EQ(dvftool({"set", utf8(b), "ZELバーコード02", "typeIndex=2"}).exit, kExitDone);
    const ToolRun run = dvftool({"diff", "--json", utf8(a), utf8(b), "ZELバーコード02"});
    EXPECT_EQ(run.exit, kExitDiffer);
    const Json diff = Json::parse(run.out);
    ASSERT_EQ(diff.size(), 1u);
    EXPECT_EQ(diff[0]["font"], "ZELバーコード02");
    EXPECT_EQ(diff[0]["typeIndex"], Json({{"a", 6}, {"b", 2}}));
    EXPECT_EQ(diff[0]["typeName"], Json({{"a", "GS1 DataBar"}, {"b", "CODE128"}}));
    EXPECT_EQ(Json::parse(dvftool({"diff", "--json", utf8(a), utf8(a)}).out), Json::array());
}

}  // namespace
}  // namespace vx::test
