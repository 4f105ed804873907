// dvftool run in-process: commands, output format, exit codes, and that a
// refused or failed command leaves the file untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

struct DumpLine {
    std::string font, field, value;
};

std::vector<DumpLine> parseDump(const std::string& text) {
    std::vector<DumpLine> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        EXPECT_NE(tab2, std::string::npos) << line;
        if (tab2 == std::string::npos) continue;
        lines.push_back(
            {line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
    }
    return lines;
}

// The value dump prints for one field of one font; "<none>" when absent.
std::string dumped(const std::vector<DumpLine>& lines, std::string_view font,
                   std::string_view field) {
    for (const DumpLine& line : lines) {
        if (line.font == font && line.field == field) return line.value;
    }
    return "<none>";
}

// clang-format off
const Strings kCharacterFields = {
    "typeIndex", "typeName", "originX", "originY", "sizeX", "sizeY", "spacingAdjust", "spacing",
    "rotation", "decoration", "decorationParams", "reverseAreaX", "reverseAreaY", "frameGapX",
    "frameGapY", "strikeEndLength", "emphasis", "shiftX", "shiftY", "checkDigit", "checkDigitMode",
    "zeroSuppress", "zeroSuppressDigits", "alignment", "alignmentMode", "areaWidth", "lineFeed",
    "areaLines"
};

const Strings kBarcodeFields = {
    "typeIndex", "typeName", "originX", "originY", "narrowSpace", "narrowBar", "moduleWidth",
    "height", "guardBarLength", "charGap", "wideSpace", "wideBar", "zeroSuppress", "checkDigit",
    "rotation", "rssVersion", "autoSwitch", "startStop", "humanReadable"
};

const Strings kCode2DFields = {
    "typeIndex", "DataMatrixParams.typeName", "DataMatrixParams.originX",
    "DataMatrixParams.originY", "DataMatrixParams.moduleWidth", "DataMatrixParams.rotation",
    "DataMatrixParams.cellSizeMarker", "DataMatrixParams.cellColumns", "DataMatrixParams.cellRows",
    "MaxiCodeParams.typeName", "MaxiCodeParams.originX", "MaxiCodeParams.originY",
    "MaxiCodeParams.mode", "MicroPdf417Params.typeName", "MicroPdf417Params.originX",
    "MicroPdf417Params.originY", "MicroPdf417Params.moduleWidth",
    "MicroPdf417Params.columnRowCount", "MicroPdf417Params.rotation", "MicroPdf417Params.rowHeight",
    "Pdf417Params.typeName", "Pdf417Params.originX", "Pdf417Params.originY",
    "Pdf417Params.securityLevel", "Pdf417Params.moduleWidth", "Pdf417Params.columnRowCount",
    "Pdf417Params.rotation", "Pdf417Params.rowHeight", "QrCodeParams.typeName",
    "QrCodeParams.originX", "QrCodeParams.originY", "QrCodeParams.errorCorrection",
    "QrCodeParams.moduleWidth", "QrCodeParams.rotation", "QrCodeParams.model",
    "Gs1CompositeParams.typeName", "Gs1CompositeParams.originX", "Gs1CompositeParams.originY",
    "Gs1CompositeParams.moduleWidth", "Gs1CompositeParams.rotation", "Gs1CompositeParams.rowHeight",
    "Gs1CompositeParams.linearType"
};
// clang-format on

std::string numbered(std::string_view prefix, int n) {
    return std::string(prefix) + (n < 10 ? "0" : "") + std::to_string(n);
}

// --- check -----------------------------------------------------------------------

TEST(DvfToolCheck, AcceptsVersionTwo) {
    ScratchDir dir;
    const ToolRun run = dvftool({"check", utf8(dir.copyOf("only_dvf_section.dvf"))});
    EXPECT_EQ(run.exit, kExitDone);
    EXPECT_EQ(run.out, "ok\n");
    EXPECT_EQ(run.err, "");
}

// A version below 2, and a file without the version (which is no driver
// font file): refused with a message on standard error alone.
TEST(DvfToolCheck, RefusedVersionLeavesTheFileUntouched) {
    const std::vector<Strings> commands = {
        {"check"}, {"dump"}, {"save"}, {"set", "ZEL文字フォント01", "originX=0001"}};
    struct Golden {
        const char* name;
        int exit;
        const char* message;
    };
    for (const Golden& golden :
         {Golden{"version_1_999.dvf", kExitVersion, "バージョンが一致しません。\n"},
          Golden{"version_missing.dvf", kExitUnreadable,
                 "ドライバフォントファイルではありません"}}) {
        for (const Strings& command : commands) {
            ScratchDir dir;
            const auto file = dir.copyOf(golden.name);
            const std::string before = readBytes(file);
            Strings args = {command[0], utf8(file)};
            args.insert(args.end(), command.begin() + 1, command.end());
            const ToolRun run = dvftool(args);
            EXPECT_EQ(run.exit, golden.exit) << command[0] << " " << golden.name;
            EXPECT_EQ(run.out, "") << command[0] << " " << golden.name;
            EXPECT_NE(run.err.find(golden.message), std::string::npos) << run.err;
            EXPECT_EQ(readBytes(file), before) << command[0] << " " << golden.name;
        }
    }
}

// --- dump ------------------------------------------------------------------------

TEST(DvfToolDump, PrintsEveryFieldOfEveryFontInOrder) {
    ScratchDir dir;
    const ToolRun run = dvftool({"dump", utf8(dir.copyOf("only_dvf_section.dvf"))});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const std::vector<DumpLine> lines = parseDump(run.out);
    ASSERT_EQ(lines.size(), 30u * 28 + 20u * 19 + 10u * 42);
    std::size_t at = 0;
    auto expectFont = [&](const std::string& font, const Strings& fields) {
        for (const std::string& field : fields) {
            ASSERT_LT(at, lines.size());
            EXPECT_EQ(lines[at].font, font);
            EXPECT_EQ(lines[at].field, field) << font;
            ++at;
        }
    };
    for (int n = 1; n <= 30; ++n) expectFont(numbered("ZEL文字フォント", n), kCharacterFields);
    for (int n = 1; n <= 20; ++n) expectFont(numbered("ZELバーコード", n), kBarcodeFields);
    for (int n = 1; n <= 10; ++n) expectFont(numbered("ZEL2次元コード", n), kCode2DFields);
}

TEST(DvfToolDump, PrintsValuesAsUtf8) {
    ScratchDir dir;
    const ToolRun run = dvftool({"dump", utf8(dir.copyOf("all_families.dvf"))});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const std::string out = run.out;
    for (const char* line : {
             "ZEL文字フォント01\ttypeIndex\t2\n",
             "ZEL文字フォント01\ttypeName\t明朝 10ポイント(BOLD)\n",
             "ZEL文字フォント01\tlineFeed\t050\n",
             "ZEL文字フォント01\treverseAreaX\t1\n",
             "ZEL文字フォント05\ttypeName\t明朝 14ポイント(BOLD)\n",
             "ZEL文字フォント21\ttypeIndex\t25\n",
             "ZEL文字フォント21\ttypeName\t明朝(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)\n",
             "ZEL文字フォント23\ttypeName\t価格フォント１\n",
             "ZELバーコード01\tstartStop\tT\n",
             "ZELバーコード04\ttypeName\tカスタマーバーコード\n",
             "ZELバーコード05\ttypeName\tCODE39(フルアスキー)\n",
             "ZEL2次元コード02\ttypeIndex\t5\n",
             "ZEL2次元コード02\tGs1CompositeParams.linearType\t11\n",
             "ZEL2次元コード05\tQrCodeParams.typeName\tQRコード\n",
             "ZEL2次元コード05\tQrCodeParams.errorCorrection\tL\n",
         }) {
        EXPECT_NE(out.find(line), std::string::npos) << line;
    }
}

TEST(DvfToolDump, ShowsBytesOutsideShiftJisAsReplacementCharacters) {
    ScratchDir dir;
    const ToolRun run = dvftool({"dump", utf8(dir.copyOf("invalid_shift_jis.dvf"))});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(dumped(parseDump(run.out), "ZEL文字フォント03", "originX"), "\uFFFD\uFFFD");
    EXPECT_EQ(dumped(parseDump(run.out), "ZEL文字フォント03", "typeIndex"), "3");
}

// --- save ------------------------------------------------------------------------

TEST(DvfToolSave, WritesTheWholeStoreAndSettles) {
    ScratchDir dir;
    const auto file = dir.copyOf("fonttype_variants.dvf");
    const ToolRun run = dvftool({"save", utf8(file)});
    EXPECT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "dvftool: " + utf8(file) + ": 保存しました。\n");
    const std::string saved = readBytes(file);
    const IniDocument doc(saved);
    // FontType in other letter case, twice, or not first: one FontType, first.
    for (const char* font : {"ZEL文字フォント01", "ZEL文字フォント02", "ZEL文字フォント04"}) {
        const Strings keys = doc.keyNames(sj(font));
        EXPECT_EQ(keys.front(), "FontType") << font;
        EXPECT_EQ(std::count(keys.begin(), keys.end(), "FontType"), 1) << font;
    }
    EXPECT_EQ(doc.read(sj("ZEL文字フォント04"), "FontType", ""), "12");
    EXPECT_EQ(doc.read(sj("ZEL2次元コード10"), "FontType", ""), "205");
    EXPECT_EQ(dvftool({"save", utf8(file)}).exit, kExitDone);
    EXPECT_EQ(readBytes(file), saved);
}

TEST(DvfToolSave, ReadOnlyFileFailsAndStaysUnchanged) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const std::string before = readBytes(file);
    test::makeReadOnly(file);
    for (const Strings& args : {Strings{"save", utf8(file)},
                                Strings{"set", utf8(file), "ZEL文字フォント01", "originX=0001"}}) {
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitSaveFailed) << args[0];
        EXPECT_EQ(run.out, "") << args[0];
        EXPECT_EQ(run.err, "dvftool: " + utf8(file) + ": 保存できませんでした。\n") << args[0];
        EXPECT_EQ(readBytes(file), before) << args[0];
    }
    EXPECT_EQ(dir.entries(), Strings{"all_families.dvf"});
}

// --- set -------------------------------------------------------------------------

TEST(DvfToolSet, AssignsFieldsInTheOrderGiven) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    // Numbers are stored in their key's width, as the window stores them.
    ToolRun run = dvftool({"set", path, "ZEL文字フォント01", "originX=0001", "originX=2",
                           "typeIndex=21", "rotation=33"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "dvftool: " + path + ": 保存しました。\n");
    const IniDocument doc(readBytes(file));
    const std::string font = sj("ZEL文字フォント01");
    EXPECT_EQ(doc.read(font, "FontType", ""), "52");
    EXPECT_EQ(doc.read(font, "PVpb1pb2pb3pb4", ""), "0002");
    EXPECT_EQ(doc.read(font, "PVpi1pi2", ""), "33");
    EXPECT_FALSE(doc.value(font, "PCpb1pb2pb3pb4").has_value());

    run = dvftool({"dump", path});
    const std::vector<DumpLine> lines = parseDump(run.out);
    EXPECT_EQ(dumped(lines, "ZEL文字フォント01", "typeName"), "ｺﾞｼｯｸ(BOLD)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)");
    EXPECT_EQ(dumped(lines, "ZEL文字フォント01", "rotation"), "33");
}

TEST(DvfToolSet, BarcodeTypeIndexAndNameEachSetTheWholeType) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    // Either sets the whole type, and "FontType" and keys then name one type:
    // CODE128 (103) has the key XBpd, CODE39 (104) the key XBpq instead.
    ASSERT_EQ(dvftool({"set", path, "ZELバーコード01", "typeIndex=2"}).exit, kExitDone);
    ASSERT_EQ(dvftool({"set", path, "ZELバーコード02", "typeName=CODE39"}).exit, kExitDone);
    const IniDocument doc(readBytes(file));
    EXPECT_EQ(doc.read(sj("ZELバーコード01"), "FontType", ""), "103");
    EXPECT_TRUE(doc.value(sj("ZELバーコード01"), "XBpd").has_value());
    EXPECT_FALSE(doc.value(sj("ZELバーコード01"), "XBpq").has_value());
    EXPECT_EQ(doc.read(sj("ZELバーコード02"), "FontType", ""), "104");
    EXPECT_FALSE(doc.value(sj("ZELバーコード02"), "XBpd").has_value());
    EXPECT_TRUE(doc.value(sj("ZELバーコード02"), "XBpq").has_value());
}

TEST(DvfToolSet, Code2DFieldsAreAddressedThroughTheirRecord) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    ASSERT_EQ(dvftool({"set", path, "ZEL2次元コード05", "QrCodeParams.errorCorrection=H"}).exit,
              kExitDone);
    ASSERT_EQ(
        dvftool({"set", path, "ZEL2次元コード06", "typeIndex=1", "MaxiCodeParams.mode=4"}).exit,
        kExitDone);
    const IniDocument doc(readBytes(file));
    EXPECT_EQ(doc.read(sj("ZEL2次元コード05"), "XBpe", ""), "H");
    EXPECT_FALSE(doc.value(sj("ZEL2次元コード05"), "XBpe1pe2").has_value());  // not its type
    EXPECT_EQ(doc.read(sj("ZEL2次元コード06"), "FontType", ""), "202");
    EXPECT_EQ(doc.read(sj("ZEL2次元コード06"), "XBpe", ""), "4");
    const std::vector<DumpLine> lines = parseDump(dvftool({"dump", path}).out);
    EXPECT_EQ(dumped(lines, "ZEL2次元コード05", "QrCodeParams.errorCorrection"), "H");
    EXPECT_EQ(dumped(lines, "ZEL2次元コード06", "typeIndex"), "1");
}

TEST(DvfToolSet, RejectedAssignmentWritesNothing) {
    const std::vector<Strings> cases = {
        {"ZEL文字フォント31", "originX=0001"},
        {"ZEL文字フォント", "originX=0001"},
        {"ZEL文字フォント01", "originX=0001", "bogus=1"},
        {"ZEL文字フォント01", "originX"},
        {"ZEL文字フォント01", "fontName=x"},
        {"ZEL文字フォント01", "typeIndex=27"},
        {"ZEL文字フォント01", "typeIndex=-1"},
        {"ZEL文字フォント01", "typeIndex=abc"},
        {"ZEL文字フォント01", "typeIndex= 3"},
        {"ZEL文字フォント01", "originX=\xF0\x9F\x98\x80"},  // outside code page 932
        {"ZELバーコード01", "sizeX=10"},
        {"ZELバーコード01", "typeIndex=23"},
        {"ZELバーコード01", "typeName=CODE 128"},
        {"ZEL2次元コード01", "errorCorrection=H"},
        {"ZEL2次元コード01", "QrCodeParams.bogus=1"},
        {"ZEL2次元コード01", "QrCodeParams=1"},
        {"ZEL2次元コード01", "Foo.errorCorrection=H"},
        {"ZEL2次元コード01", "typeIndex=6"}};
    for (const Strings& rest : cases) {
        ScratchDir dir;
        const auto file = dir.copyOf("all_families.dvf");
        const std::string before = readBytes(file);
        Strings args = {"set", utf8(file)};
        args.insert(args.end(), rest.begin(), rest.end());
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitUsage) << rest[0] << " " << rest[1];
        EXPECT_NE(run.err, "") << rest[0] << " " << rest[1];
        EXPECT_EQ(readBytes(file), before) << rest[0] << " " << rest[1];
    }
}

// --- usage and missing files -------------------------------------------------------

// The version is the project's (CMake), as "dvftool X.Y.Z", whatever follows.
TEST(DvfToolUsage, VersionIsTheProjectVersion) {
    for (const Strings& args : {Strings{"--version"}, Strings{"--version", "x.dvf"}}) {
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitDone);
        EXPECT_EQ(run.out, std::string("dvftool ") + VX_PROJECT_VERSION + "\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(DvfToolUsage, HelpAndUsageErrors) {
    const ToolRun help = dvftool({"--help"});
    EXPECT_EQ(help.exit, kExitDone);
    for (const char* command :
         {"check FILE", "dump [--json] FILE", "save FILE", "set FILE FONT FIELD=VALUE",
          "set FILE --json JSON", "copy SOURCE TARGET [FONT...]", "diff [--json] A B [FONT...]",
          "printers [--json]", "--printer NAME", "--from-printer NAME", "--version",
          "dvftool copy ", "dvftool diff "}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    // One language: the sentences are Japanese, the names stay as typed.
    for (const char* english : {"Usage:", "Commands:", "Exit status", "Print ", "Messages go"}) {
        EXPECT_EQ(help.out.find(english), std::string::npos) << english;
    }
    EXPECT_NE(help.out.find("終了ステータス: 0 完了"), std::string::npos);
    for (const Strings& args :
         {Strings{}, Strings{"frobnicate", "x.dvf"}, Strings{"check"},
          Strings{"check", "a.dvf", "b.dvf"}, Strings{"set", "a.dvf"},
          Strings{"set", "a.dvf", "ZEL文字フォント01"}, Strings{"check", "--json", "a.dvf"},
          Strings{"dump", "--printer"}, Strings{"save", "--from-printer", "P", "a.dvf"},
          Strings{"dump", "--printer", "P", "--printer", "Q"}, Strings{"dump", "--bogus", "a.dvf"},
          Strings{"set", "a.dvf", "--json", "j.json", "ZEL文字フォント01"},
          Strings{"copy", "a.dvf"}, Strings{"diff", "a.dvf", "b.dvf", "ZEL文字フォント31"},
          Strings{"copy", "a.dvf", "b.dvf", "ZEL文字フォント"}, Strings{"printers", "x"},
          Strings{"printers", "--printer", "P"},
          // No spooler in this build of the commands: printers cannot be named.
          Strings{"printers"}, Strings{"dump", "--printer", "P"}}) {
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitUsage) << testing::PrintToString(args);
        // One line on what is wrong, one pointing to --help.
        EXPECT_TRUE(run.err.starts_with("dvftool: ")) << run.err;
        EXPECT_TRUE(run.err.ends_with("。\n詳しくは dvftool --help を参照してください。\n"))
            << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// A usage error names what it is about, as given.
TEST(DvfToolUsage, UsageErrorsNameTheArgument) {
    const std::pair<Strings, std::string> cases[] = {
        {{"frobnicate", "x.dvf"}, "dvftool: frobnicate: このコマンドはありません。"},
        {{"diff", "a.dvf"}, "dvftool: diff: ファイル B が指定されていません。"},
        {{"copy"}, "dvftool: copy: ファイル SOURCE が指定されていません。"},
        {{"check", "a.dvf", "b.dvf"}, "dvftool: b.dvf: 余分な引数です。"},
        {{"dump", "--bogus", "a.dvf"},
         "dvftool: dump --bogus: このコマンドでは使えないオプションです。"},
        {{"preview", "a.dvf", "ZEL文字フォント01", "--dpi", "abc", "-o", "x.svg"},
         "dvftool: --dpi abc: 解像度は 50〜2400 の整数で指定してください。"},
        {{"set", "a.dvf", "ZEL文字フォント01", "originX"},
         "dvftool: originX: 項目=値 の形で指定してください。"},
        {{"diff", "a.dvf", "b.dvf", "ZEL文字フォント31"},
         "dvftool: ZEL文字フォント31: この名前のドライバフォントはありません。"},
    };
    for (const auto& [args, line] : cases) {
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.err, line + "\n詳しくは dvftool --help を参照してください。\n");
    }
}

TEST(DvfToolUsage, MissingFileIsNamed) {
    ScratchDir dir;
    // Named in UTF-8 (a narrow literal is the ANSI code page's on Windows).
    const std::string missing = utf8(dir.path() / std::filesystem::path(u8"ない.dvf"));
    for (const Strings& args :
         {Strings{"check", missing}, Strings{"dump", missing}, Strings{"save", missing},
          Strings{"set", missing, "ZEL文字フォント01", "originX=1"}}) {
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitUnreadable) << args[0];
        EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    }
    EXPECT_EQ(dvftool({"dump", utf8(dir.path())}).exit, kExitUnreadable);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(DvfToolUsage, EmptyFileArgumentIsUnreadable) {
    for (const char* command : {"check", "dump", "save"}) {
        EXPECT_NO_THROW(EXPECT_EQ(dvftool({command, ""}).exit, kExitUnreadable)) << command;
    }
}

}  // namespace
}  // namespace vx::test
