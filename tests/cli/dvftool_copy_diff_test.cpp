// dvftool copy and diff: what reaches the target, what stays byte for byte,
// refusals that leave both files alone, and differences both ways.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

// The bytes of a file's blocks (sections with the lines before them), less
// the first block of each named header: the blocks a copy must not change.
Strings blocksExcept(const std::string& bytes, Strings headers) {
    Strings blocks;
    for (const Block& block : splitBlocks(bytes)) {
        auto first = std::find(headers.begin(), headers.end(), block.header);
        if (first != headers.end()) {
            headers.erase(first);
        } else {
            blocks.push_back(block.bytes);
        }
    }
    return blocks;
}

// What dump prints for one font, without the font's name.
std::vector<Strings> dumpOf(const std::filesystem::path& file, std::string_view font) {
    std::vector<Strings> lines;
    for (Strings& line : tabLines(dvftool({"dump", utf8(file)}).out)) {
        if (line[0] == font) lines.push_back({line[1], line[2]});
    }
    return lines;
}

TEST(DvfToolCopy, NamedFontsGetTheSourceSettingsAndNothingElseChanges) {
    ScratchDir dir;
    const auto source = dir.copyOf("all_families.dvf");
    // Against the target, the source's character font 01 changes from a
    // bitmap to an outline font, and its barcode 01 from CODE39 to Codabar.
    ASSERT_EQ(
        dvftool({"set", utf8(source), "ZEL文字フォント01", "typeIndex=21", "originX=0777"}).exit,
        kExitDone);
    const auto target = dir.copyOf("unrelated_sections.dvf");
    const std::string before = readBytes(target);

    const ToolRun run =
        dvftool({"copy", utf8(source), utf8(target), "ZEL文字フォント01", "ZELバーコード01"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "dvftool: " + utf8(target) + ": 保存しました。\n");
    for (const char* font : {"ZEL文字フォント01", "ZELバーコード01"}) {
        EXPECT_EQ(dumpOf(target, font), dumpOf(source, font)) << font;
    }
    const IniDocument doc(readBytes(target));
    const std::string font = sj("ZEL文字フォント01");
    EXPECT_EQ(doc.read(font, "FontType", ""), "52");
    EXPECT_EQ(doc.read(font, "PVpb1pb2pb3pb4", ""), "0777");
    for (const char* stale : {"PCpj", "XBpe", "Unknown"}) {
        EXPECT_FALSE(doc.value(font, stale).has_value()) << stale;
    }
    EXPECT_EQ(doc.read(sj("ZELバーコード01"), "FontType", ""), "101");
    EXPECT_EQ(doc.read(sj("ZELバーコード01"), "XBpq", ""), "T");  // the source's start/stop

    // Every other block keeps its bytes, the later duplicate of a copied
    // section too; the copied ones keep their comments.
    const std::string after = readBytes(target);
    const Strings copied = {sj("[ZEL文字フォント01]"), sj("[ZELバーコード01]")};
    EXPECT_EQ(blocksExcept(after, copied), blocksExcept(before, copied));
    EXPECT_NE(after.find("; keep me\r\nFontType=52"), std::string::npos);
}

TEST(DvfToolCopy, AllFontsLeaveNoDifferenceAndKeepOtherSections) {
    ScratchDir dir;
    const auto source = dir.copyOf("all_families.dvf");
    const auto target = dir.copyOf("unrelated_sections.dvf");
    const std::string before = readBytes(target);
    ASSERT_EQ(dvftool({"diff", utf8(source), utf8(target)}).exit, kExitDiffer);

    ASSERT_EQ(dvftool({"copy", utf8(source), utf8(target)}).exit, kExitDone);
    const ToolRun diff = dvftool({"diff", utf8(source), utf8(target)});
    EXPECT_EQ(diff.exit, kExitDone);
    EXPECT_EQ(diff.out, "");
    auto otherBlocks = [](const std::string& bytes) {
        Strings blocks;
        for (const Block& block : splitBlocks(bytes)) {
            if (block.header.rfind("[ZEL", 0) != 0) blocks.push_back(block.bytes);
        }
        return blocks;
    };
    EXPECT_EQ(otherBlocks(readBytes(target)), otherBlocks(before));
}

TEST(DvfToolCopy, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        const char* source;
        const char* target;
        bool readOnlyTarget;
        Strings fonts;
        int exit;
    };
    const Case cases[] = {
        {"old source", "version_1_999.dvf", "all_families.dvf", false, {}, kExitVersion},
        {"old target", "all_families.dvf", "version_1_999.dvf", false, {}, kExitVersion},
        {"read-only target", "only_dvf_section.dvf", "all_families.dvf", true, {}, kExitSaveFailed},
        {"unknown font",
         "only_dvf_section.dvf",
         "all_families.dvf",
         false,
         {"ZEL文字フォント31"},
         kExitUsage},
        {"missing source", "missing.dvf", "all_families.dvf", false, {}, kExitUnreadable},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const auto source =
            c.exit == kExitUnreadable ? dir.path() / c.source : dir.copyOf(c.source);
        const auto target = dir.copyOf(c.target);
        const std::string before = readBytes(target);
        const Strings entries = dir.entries();
        if (c.readOnlyTarget) makeReadOnly(target);
        Strings args = {"copy", utf8(source), utf8(target)};
        args.insert(args.end(), c.fonts.begin(), c.fonts.end());
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, c.exit) << c.name;
        EXPECT_NE(run.out + run.err, "") << c.name;
        EXPECT_EQ(readBytes(target), before) << c.name;
        EXPECT_EQ(dir.entries(), entries) << c.name;  // no temporary file left behind
    }
}

TEST(DvfToolDiff, PrintsDifferencesBothWaysInDumpOrder) {
    ScratchDir dir;
    const auto a = dir.copyOf("only_dvf_section.dvf");
    const auto b = dir.withBytes("b.dvf", readBytes(a));
    ToolRun same = dvftool({"diff", utf8(a), utf8(b)});
    EXPECT_EQ(same.exit, kExitDone);
    EXPECT_EQ(same.out, "");
    ASSERT_EQ(dvftool({"set", utf8(b), "ZEL文字フォント03", "rotation=33"}).exit, kExitDone);
    ASSERT_EQ(dvftool({"set", utf8(b), "ZEL文字フォント02", "originY=00099", "originX=0088"}).exit,
              kExitDone);

    const std::vector<Strings> expected = {
        {"ZEL文字フォント02", "originX", "default", "0088"},
        {"ZEL文字フォント02", "originY", "default", "00099"},
        {"ZEL文字フォント03", "rotation", "default", "33"},
    };
    const ToolRun ab = dvftool({"diff", utf8(a), utf8(b)});
    EXPECT_EQ(ab.exit, kExitDiffer);
    EXPECT_EQ(tabLines(ab.out), expected);
    const ToolRun ba = dvftool({"diff", utf8(b), utf8(a)});
    EXPECT_EQ(ba.exit, kExitDiffer);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_LT(i, tabLines(ba.out).size());
        EXPECT_EQ(tabLines(ba.out)[i],
                  (Strings{expected[i][0], expected[i][1], expected[i][3], expected[i][2]}));
    }
    // Only the named fonts are compared.
    const ToolRun named = dvftool({"diff", utf8(a), utf8(b), "ZEL文字フォント03"});
    EXPECT_EQ(tabLines(named.out), std::vector<Strings>{expected[2]});
    EXPECT_EQ(dvftool({"diff", utf8(a), utf8(b), "ZELバーコード01"}).exit, kExitDone);
}

TEST(DvfToolDiff, ComparesBytesNotWhatTheyLookLike) {
    // Two different invalid bytes both show as U+FFFD, yet differ.
    ScratchDir dir;
    const auto a = dir.copyOf("invalid_shift_jis.dvf");
    std::string bytes = readBytes(a);
    const std::size_t at = bytes.find("\xfd\xfe");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = '\xfc';
    const auto b = dir.withBytes("b.dvf", bytes);
    const ToolRun run = dvftool({"diff", utf8(a), utf8(b)});
    EXPECT_EQ(run.exit, kExitDiffer);
    EXPECT_EQ(
        tabLines(run.out),
        (std::vector<Strings>{{"ZEL文字フォント03", "originY", "\uFFFD\uFFFD", "\uFFFD\uFFFD"}}));
}

}  // namespace
}  // namespace vx::test
