// dvftool's history: the commands that keep what they replace, the
// listing, restoring exactly (into the file or OUT), refusals that touch
// nothing, planted files listed as unusable and never restored, an
// unwritable history folder, and where versions go.
#include <gtest/gtest.h>

#include <regex>

#include "history/file_history.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

class DvfToolHistory : public testing::Test {
protected:
    ScratchDir dir;
    const std::filesystem::path file = dir.copyOf("all_families.dvf");
    const std::string original = readBytes(file);
    const std::string historyDir = utf8(dir.path() / "history");

    ToolRun run(Strings args) {
        args.insert(args.end(), {"--history", historyDir});
        return dvftool(args);
    }
    // Version N's bytes as restore -o writes them.
    std::string version(int n) {
        const std::filesystem::path out = dir.path() / "version.dvf";
        EXPECT_EQ(run({"restore", utf8(file), std::to_string(n), "-o", utf8(out)}).exit, kExitDone);
        return readBytes(out);
    }
};

// The option names one folder: none, an empty one or a second is a usage
// error, wherever it stands, and nothing is saved.
TEST_F(DvfToolHistory, AHistoryOptionWithoutOneFolderIsRefusedAndNothingSaved) {
    const std::string option = "dvftool: --history: このオプションの後に値が必要です。\n";
    const std::string twice = "dvftool: --history: このオプションは 1 回だけ指定できます。\n";
    const std::pair<Strings, std::string> cases[] = {
        {{"save", utf8(file), "--history"}, option},
        {{"save", utf8(file), "--history", ""}, option},
        {{"--history", "", "save", utf8(file)}, option},
        {{"save", utf8(file), "--history", historyDir, "--history", historyDir}, twice},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun refused = dvftool(args);
        EXPECT_EQ(refused.exit, kExitUsage) << args.back();
        EXPECT_EQ(refused.err.substr(0, message.size()), message);
        EXPECT_EQ(readBytes(file), original);
        EXPECT_FALSE(std::filesystem::exists(historyDir));
    }
}

TEST_F(DvfToolHistory, SetCopyAndSaveKeepWhatTheyReplace) {
    EXPECT_EQ(run({"history", "--json", utf8(file)}).out, "[]\n");
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::string afterSet = readBytes(file);
    ASSERT_EQ(
        run({"copy", utf8(dir.copyOf("unrelated_sections.dvf")), utf8(file), "ZELバーコード01"})
            .exit,
        kExitDone);
    const std::string afterCopy = readBytes(file);
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);  // the same bytes again: no version

    const std::vector<Strings> lines = tabLines(run({"history", utf8(file)}).out);
    ASSERT_EQ(lines.size(), 3u);
    const std::regex time(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    EXPECT_EQ(lines[2][0], "3");
    EXPECT_TRUE(std::regex_match(lines[2][1], time)) << lines[2][1];
    EXPECT_EQ(lines[2][2], std::to_string(original.size()));
    EXPECT_EQ(version(1), afterCopy);
    EXPECT_EQ(version(2), afterSet);
    EXPECT_EQ(version(3), original);
    const std::string json = run({"history", "--json", utf8(file)}).out;
    EXPECT_TRUE(std::regex_search(json, std::regex(R"(\{\s*"number": 1,\s*"time": "[^"]+",)"
                                                   R"(\s*"bytes": \d+,)")))
        << json;
}

TEST_F(DvfToolHistory, RestorePutsTheVersionBackAndKeepsThePresentFile) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::string changed = readBytes(file);
    const std::filesystem::path out = dir.withBytes("out.dvf", "an older file at OUT");
    ASSERT_EQ(run({"restore", utf8(file), "1", "-o", utf8(out)}).exit, kExitDone);
    EXPECT_EQ(readBytes(out), original);
    EXPECT_EQ(readBytes(file), changed) << "-o leaves the file alone";
    const ToolRun restored = run({"restore", utf8(file), "1"});
    ASSERT_EQ(restored.exit, kExitDone) << restored.err;
    EXPECT_EQ(restored.err, "dvftool: " + utf8(file) + ": 保存しました。\n");
    EXPECT_EQ(readBytes(file), original);
    EXPECT_EQ(version(1), changed);
}

// A file that is gone is said to be missing (exit 2); what its saves kept
// is listed all the same, so that it can be restored to another name.
TEST_F(DvfToolHistory, TheHistoryOfAMissingFileSaysSoAndStillLists) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    std::filesystem::remove(file);
    const ToolRun listed = run({"history", utf8(file)});
    EXPECT_EQ(listed.exit, kExitUnreadable);
    EXPECT_EQ(listed.err, "dvftool: " + utf8(file) + ": ファイルが見つかりません。\n");
    ASSERT_EQ(tabLines(listed.out).size(), 1u);
    EXPECT_EQ(version(1), original);
    EXPECT_EQ(run({"history", utf8(dir.path() / "never.dvf")}).exit, kExitUnreadable);
}

TEST_F(DvfToolHistory, RefusedRestoresTouchNothing) {
    FileHistory(dir.path() / "history", [] {
        return LocalTime{};
    }).keep(file, "[DVF]\r\nVersion=1.000\r\n");  // a layout version not accepted
    const std::filesystem::path out = dir.path() / "out.dvf";
    struct Case {
        Strings args;
        int exit;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"restore", utf8(file), "2"}, kExitUnreadable, "以前の設定 2 はありません"},
        {{"restore", utf8(file), "0"}, kExitUnreadable, "以前の設定 0 はありません"},
        // Not numbered, so never restored.
        {{"restore", utf8(file), "1"},
         kExitUnreadable,
         "（残っている以前の設定： 0、使えないもの： 1）。"},
        {{"restore", utf8(file), "1", "-o", utf8(out)}, kExitUnreadable, "使えないもの： 1"},
        {{"restore", utf8(file), "x"},
         kExitUsage,
         "dvftool: x: 以前の設定は history が表示する番号"},
        {{"history", utf8(file), "--no-history"}, kExitUsage, "--no-history"},
    };
    for (const Case& c : cases) {
        const ToolRun result = run(c.args);
        EXPECT_EQ(result.exit, c.exit) << c.args[2];
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
    EXPECT_EQ(readBytes(file), original);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DvfToolHistory, AnUnwritableHistoryFolderWarnsAndTheSaveHappens) {
    writeBytes(dir.path() / "history", "a file where the folder belongs");
    const ToolRun saved = run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"});
    EXPECT_EQ(saved.exit, kExitDone);
    EXPECT_EQ(saved.out, "");
    EXPECT_NE(saved.err.find("dvftool: " + utf8(file) + ": 保存しました。\n"), std::string::npos)
        << saved.err;
    EXPECT_NE(saved.err.find("dvftool: 警告: 保存する前の設定ファイルを"), std::string::npos)
        << saved.err;
    EXPECT_NE(saved.err.find(historyDir), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find("フォルダの場所に同じ名前のファイルがあります"), std::string::npos);
    EXPECT_NE(readBytes(file), original);
}

TEST_F(DvfToolHistory, PlantedFilesAreListedAsUnusableAndNeverRestored) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::filesystem::path folder =
        FileHistory(dir.path() / "history", [] { return LocalTime{}; }).folderOf(file);
    const std::string planted = "[DVF]\r\nVersion=2\r\n[ZEL文字フォント01]\r\nFontType=9\r\n";
    writeBytes(folder / "00000099_2030-01-01_00-00-00.dvf", "[DVF]\r\nVersion=1\r\n");
    writeBytes(folder / "settings.dvf", planted);
    const std::vector<Strings> lines = tabLines(run({"history", utf8(file)}).out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              (Strings{"-", "2030-01-01 00:00:00", "18",
                       "unusable: 受け付けるバージョンのドライバフォントファイルではありません: "
                       "00000099_2030-01-01_00-00-00.dvf"}));
    EXPECT_EQ(lines[1][0], "1");
    EXPECT_EQ(lines[2],
              (Strings{"-", "", std::to_string(planted.size()),
                       "unusable: このツールが残したファイルではありません: settings.dvf"}));
    const std::string json = run({"history", "--json", utf8(file)}).out;
    EXPECT_NE(json.find(R"("number": null,)"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("file": "settings.dvf",)"), std::string::npos) << json;

    const ToolRun missing = run({"restore", utf8(file), "2"});
    EXPECT_EQ(missing.exit, kExitUnreadable);
    EXPECT_NE(missing.err.find("（残っている以前の設定： 1、使えないもの： 2）"), std::string::npos)
        << missing.err;
    ASSERT_EQ(run({"restore", utf8(file), "1"}).exit, kExitDone);
    EXPECT_EQ(readBytes(file), original) << "version 1 is the tool's own, not a planted file";
}

#ifndef _WIN32
// restore -o onto a file that is there already keeps that file's present
// bytes in its own history, as every save does; a link there is refused.
TEST_F(DvfToolHistory, RestoreOntoAnotherFileKeepsThatFilesPresentBytes) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::string changed = readBytes(file);
    const std::filesystem::path out = dir.withBytes("other.dvf", changed);
    const ToolRun restored = run({"restore", utf8(file), "1", "-o", utf8(out)});
    ASSERT_EQ(restored.exit, kExitDone) << restored.err;
    EXPECT_EQ(restored.err, "dvftool: " + utf8(out) + ": 保存しました。\n");
    EXPECT_EQ(readBytes(out), original);
    EXPECT_EQ(readBytes(file), changed);
    // What other.dvf held before is its version 1, and comes back from there.
    ASSERT_EQ(run({"restore", utf8(out), "1"}).exit, kExitDone);
    EXPECT_EQ(readBytes(out), changed);
#ifndef _WIN32
    const std::filesystem::path link = dir.path() / "link.dvf";
    std::filesystem::create_symlink(out, link);
    const ToolRun refused = run({"restore", utf8(file), "1", "-o", utf8(link)});
    EXPECT_EQ(refused.exit, kExitSaveFailed);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(out), changed);
#endif
}

// A name in another encoding is listed with U+FFFD in both listings: JSON
// cannot hold its bytes, and the listing must not end for it.
TEST_F(DvfToolHistory, ANameInAnotherEncodingIsListed) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::filesystem::path folder =
        FileHistory(dir.path() / "history", [] { return LocalTime{}; }).folderOf(file);
    writeBytes(folder / std::string("x\xff\xfey.dvf"), "planted");
    const std::string shown = "x\uFFFD\uFFFDy.dvf";
    const ToolRun text = run({"history", utf8(file)});
    EXPECT_EQ(text.exit, kExitDone);
    const std::vector<Strings> lines = tabLines(text.out);
    ASSERT_EQ(lines.size(), 2u) << text.out;
    EXPECT_EQ(lines[1].back(), "unusable: このツールが残したファイルではありません: " + shown);
    const ToolRun json = run({"history", "--json", utf8(file)});
    EXPECT_EQ(json.exit, kExitDone) << json.err;
    EXPECT_NE(json.out.find("\"file\": \"" + shown + "\","), std::string::npos) << json.out;
}
#endif

TEST_F(DvfToolHistory, DriverFolderFilesAreTheMachinesUnlessTheCommandLineNamesAnother) {
    const std::filesystem::path users = dir.path() / "users", machine = dir.path() / "machine";
    const std::filesystem::path drivers = dir.path() / "drivers";
    std::filesystem::create_directories(drivers / "x64" / "3");
    const std::filesystem::path driverFile = drivers / "x64" / "3" / "ALTOD.DVF";
    std::filesystem::copy_file(file, driverFile);
    // The machine's place as a plain folder: who may change it is not asked here.
    const HistoryPlaces places{resolvedPath(drivers), HistoryRoot::named(machine),
                               HistoryRoot::named(users)};
    auto withDefault = [&](const Strings& args) {
        std::istringstream in;
        std::ostringstream out, err;
        return runDvfTool(args, {in, out, err, nullptr, nullptr, places});
    };
    auto keptIn = [](const std::filesystem::path& root, const std::filesystem::path& of) {
        return FileHistory(root, [] { return LocalTime{}; }).versions(of).size();
    };
    ASSERT_EQ(withDefault({"--no-history", "save", utf8(file)}), kExitDone);
    EXPECT_FALSE(std::filesystem::exists(users));
    ASSERT_EQ(withDefault({"save", utf8(file)}), kExitDone);
    ASSERT_EQ(withDefault({"save", utf8(driverFile)}), kExitDone);
    EXPECT_EQ(keptIn(users, file), 1u);
    EXPECT_EQ(keptIn(machine, driverFile), 1u);
    EXPECT_EQ(keptIn(users, driverFile), 0u);
    EXPECT_EQ(keptIn(machine, file), 0u);
    ASSERT_EQ(withDefault({"--history", historyDir, "set", utf8(driverFile), "ZEL文字フォント03",
                           "originX=0120"}),
              kExitDone);
    EXPECT_EQ(tabLines(run({"history", utf8(driverFile)}).out).size(), 1u);
    EXPECT_EQ(keptIn(machine, driverFile), 1u);
    EXPECT_EQ(withDefault({"save", utf8(file), "--history", "h", "--no-history"}), kExitUsage);
}

}  // namespace
}  // namespace vx::test
