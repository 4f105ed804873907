// dvftool report: a sheet for an accepted file, none for a refused one, the
// output replaced in one step and never a driver font file.
#include <gtest/gtest.h>

#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::dvftool;
using test::readBytes;
using test::ScratchDir;
using test::utf8;

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

TEST(DvfToolReport, WritesTheSheetOfTheFileAndReplacesAnExistingOne) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const auto out = dir.path() / "sheet.html";
    test::writeBytes(out, "old");
    const test::ToolRun run = dvftool({"report", file, "--dpi", "203", "-o", utf8(out)});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string html = readBytes(out);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_EQ(count(html, "<section class=\"font"), 60u);
    EXPECT_NE(html.find("<td>203 dpi</td>"), std::string::npos);
    EXPECT_NE(html.find("only_dvf_section.dvf</td>"), std::string::npos);
    EXPECT_EQ(html.find("class=\"summary\""), std::string::npos);
    // Nothing left beside it.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
}

TEST(DvfToolReport, AgainstAReferenceCountsTheFontsThatDiffer) {
    ScratchDir dir;
    const std::string reference = utf8(dir.copyOf("only_dvf_section.dvf"));
    const auto changed = dir.path() / "changed.dvf";
    std::filesystem::copy_file(reference, changed);
    ASSERT_EQ(dvftool({"set", utf8(changed), "ZELバーコード09", "height=150", "--no-history"}).exit,
              kExitDone);
    const auto out = dir.path() / "audit.html";
    const test::ToolRun run =
        dvftool({"report", utf8(changed), "--against", reference, "-o", utf8(out)});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const std::string html = readBytes(out);
    EXPECT_NE(html.find("比較した設定ファイルと違うフォント： 1 / 60"), std::string::npos);
    EXPECT_EQ(count(html, "<span class=\"ref\">（230 x0.1mm）</span>"), 2u);
}

// The summary with the user's note, against a reference named by its full
// path and digest.
TEST(DvfToolReport, TheSummaryIsOneTableWithTheNoteAndTheReferencesFacts) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string reference = utf8(dir.copyOf("unrelated_sections.dvf"));
    const auto out = dir.path() / "summary.html";
    // The reference named with a "..": its full path shows without it.
    std::filesystem::create_directory(dir.path() / "sub");
    const std::string roundabout = utf8(dir.path() / "sub" / ".." / "unrelated_sections.dvf");
    const test::ToolRun run =
        dvftool({"report", file, "--summary", "--note", "3F <病棟> & SN 7", "--against", roundabout,
                 "-o", utf8(out)});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const std::string html = readBytes(out);
    EXPECT_EQ(count(html, "<td class=\"num\">"), 60u);
    EXPECT_EQ(html.find("<section"), std::string::npos);
    EXPECT_NE(html.find("3F &lt;病棟&gt; &amp; SN 7"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"code\">" + reference + "</td>"), std::string::npos);
    // The golden file's SHA-256, as sha256sum gives it.
    EXPECT_NE(html.find("<td class=\"code\">"
                        "2b15ba3d17e0bf5e3742cc0b7b74fd95e4642bd0a0b65266dcc985ce7da6b0d5</td>"),
              std::string::npos);
}

TEST(DvfToolReport, ARefusedFileOrReferenceWritesNoSheet) {
    ScratchDir dir;
    const std::string good = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string old = utf8(dir.copyOf("version_1_999.dvf"));
    const std::string notDvf = utf8(dir.copyOf("version_missing.dvf"));
    const std::string missing = utf8(dir.path() / "missing.dvf");
    const struct {
        test::Strings args;
        int exit;
    } cases[] = {
        {{"report", old}, kExitVersion},
        {{"report", notDvf}, kExitUnreadable},
        {{"report", missing}, kExitUnreadable},
        {{"report", good, "--against", old}, kExitVersion},
        {{"report", good, "--against", missing}, kExitUnreadable},
    };
    for (const auto& c : cases) {
        const auto out = dir.path() / "sheet.html";
        test::Strings args = c.args;
        args.insert(args.end(), {"-o", utf8(out)});
        const test::ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, c.exit) << c.args.back() << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.args.back();
    }
}

TEST(DvfToolReport, UsageErrorsWriteNothingAndTheSheetNeverReplacesADriverFontFile) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string reference = utf8(dir.copyOf("unrelated_sections.dvf"));
    const std::string before = readBytes(file), referenceBefore = readBytes(reference);
    const std::string out = utf8(dir.path() / "sheet.html");
    const test::Strings cases[] = {
        {"report", file},                              // no -o
        {"report", "-o", out},                         // no file
        {"report", file, reference, "-o", out},        // two files
        {"report", file, "--dpi", "49", "-o", out},    // resolution too low
        {"report", file, "--dpi", "300x", "-o", out},  // not a number
        {"report", file, "--json", "-o", out},         // not an option of report
        {"report", file, "-o", out, "--note"},         // a note without its text
        {"dump", file, "--summary"},                   // an option of report only
        {"report", file, "-o", file},                  // the file itself
        {"report", file, "--against", reference, "-o", reference},
    };
    for (const test::Strings& args : cases) {
        const test::ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitUsage) << args.back() << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << args.back();
        EXPECT_NE(run.err.find("dvftool: "), std::string::npos);
    }
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(readBytes(reference), referenceBefore);
    EXPECT_EQ(dvftool({"report", file, "-o", file}).err,
              "dvftool: " + file +
                  ": 設定ファイルと同じファイルには設定一覧を書き込めません。\n詳しくは dvftool "
                  "--help を参照してください。\n");
}

TEST(DvfToolReport, AnOutputThatCannotBeWrittenIsSaidAndExitsFour) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string out = utf8(dir.path() / "no such folder" / "sheet.html");
    const test::ToolRun run = dvftool({"report", file, "-o", out});
    EXPECT_EQ(run.exit, kExitSaveFailed);
    EXPECT_EQ(run.err, "dvftool: " + out + ": 設定一覧を書き込めませんでした。\n");
}

}  // namespace
}  // namespace vx
