// dvftool's history: which commands keep the replaced bytes, the history
// listing, restoring exactly (into the file or into OUT), refusals that
// touch nothing, and a history folder that cannot be written.
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

    // dvftool with --history pointing into the scratch folder.
    ToolRun run(Strings args) {
        args.insert(args.end(), {"--history", historyDir});
        return dvftool(args);
    }
    std::vector<Strings> listed() { return tabLines(run({"history", utf8(file)}).out); }
    // Version N's bytes as restore -o writes them.
    std::string version(int n) {
        const std::filesystem::path out = dir.path() / ("v" + std::to_string(n) + ".dvf");
        EXPECT_EQ(run({"restore", utf8(file), std::to_string(n), "-o", utf8(out)}).exit, kExitDone);
        return readBytes(out);
    }
};

TEST_F(DvfToolHistory, SaveSetAndCopyKeepWhatTheyReplace) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::string afterSet = readBytes(file);
    ASSERT_NE(afterSet, original);
    const std::filesystem::path source = dir.copyOf("unrelated_sections.dvf");
    ASSERT_EQ(run({"copy", utf8(source), utf8(file), "ZELバーコード01"}).exit, kExitDone);
    const std::string afterCopy = readBytes(file);
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    // This save replaces what the newest version holds: it adds none.
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);

    const std::vector<Strings> lines = listed();
    ASSERT_EQ(lines.size(), 3u);
    const std::regex time(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 3u);
        EXPECT_EQ(lines[i][0], std::to_string(i + 1));
        EXPECT_TRUE(std::regex_match(lines[i][1], time)) << lines[i][1];
    }
    EXPECT_EQ(version(1), afterCopy);
    EXPECT_EQ(version(2), afterSet);
    EXPECT_EQ(version(3), original);
    EXPECT_EQ(lines[2][2], std::to_string(original.size()));
    // The source of a copy keeps no history.
    EXPECT_EQ(run({"history", utf8(source)}).out, "");
}

TEST_F(DvfToolHistory, ListsNothingBeforeTheFirstSaveAndJsonAfter) {
    ToolRun none = run({"history", utf8(file)});
    EXPECT_EQ(none.exit, kExitDone);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(run({"history", "--json", utf8(file)}).out, "[]\n");
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    const std::string json = run({"history", "--json", utf8(file)}).out;
    const std::regex shape(R"(\[\s*\{\s*"number": 1,\s*"time": "\d{4}-\d\d-\d\d \d\d:\d\d:\d\d",)"
                           R"(\s*"bytes": (\d+)\s*\}\s*\]\s*)");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(json, match, shape)) << json;
    EXPECT_EQ(match[1], std::to_string(original.size()));
}

TEST_F(DvfToolHistory, RestorePutsTheVersionBackAndKeepsThePresentFile) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::string changed = readBytes(file);
    const ToolRun restored = run({"restore", utf8(file), "1"});
    ASSERT_EQ(restored.exit, kExitDone) << restored.err;
    EXPECT_EQ(restored.out, "保存しました\n");
    EXPECT_EQ(readBytes(file), original);
    ASSERT_EQ(listed().size(), 2u);
    EXPECT_EQ(version(1), changed);
    // Back again: the version that was just kept.
    ASSERT_EQ(run({"restore", utf8(file), "1"}).exit, kExitDone);
    EXPECT_EQ(readBytes(file), changed);
}

TEST_F(DvfToolHistory, RestoreIntoOutLeavesTheFileAndItsHistoryAlone) {
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    const std::string saved = readBytes(file);
    const std::filesystem::path out = dir.withBytes("out.dvf", "an older file at OUT");
    const ToolRun run1 = run({"restore", utf8(file), "1", "-o", utf8(out)});
    ASSERT_EQ(run1.exit, kExitDone) << run1.err;
    EXPECT_EQ(readBytes(out), original);
    EXPECT_EQ(readBytes(file), saved);
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(DvfToolHistory, RefusedRestoresTouchNothing) {
    FileHistory history(dir.path() / "history", [] { return LocalTime{2024, 1, 1, 0, 0, 0}; });
    history.keep(file, "[DVF]\r\nVersion=1.000\r\n");  // a layout the tool does not accept
    const std::filesystem::path out = dir.path() / "out.dvf";
    struct Case {
        Strings args;
        int exit;
        std::string out, err;
    };
    const std::vector<Case> cases = {
        {{"restore", utf8(file), "2"}, kExitUnreadable, "", "no version 2 of"},
        {{"restore", utf8(file), "0"}, kExitUnreadable, "", "no version 0 of"},
        {{"restore", utf8(file), "99999999999"}, kExitUnreadable, "", "(1 kept)"},
        {{"restore", utf8(file), "1"},
         kExitVersion,
         "バージョンが一致しません。\n",
         "version not accepted"},
        {{"restore", utf8(file), "1", "-o", utf8(out)},
         kExitVersion,
         "バージョンが一致しません。\n",
         "version not accepted"},
        {{"restore", utf8(file), "x"}, kExitUsage, "", "N is a number"},
        {{"restore", utf8(file)}, kExitUsage, "", "restore needs FILE and N"},
        {{"restore", utf8(file), "1", "--no-history"}, kExitUsage, "", "--no-history"},
        {{"history", utf8(file), "--no-history"}, kExitUsage, "", "--no-history"},
        {{"save", utf8(file), "--no-history"}, kExitUsage, "", "exclude each other"},
    };
    for (const Case& c : cases) {
        const ToolRun result = run(c.args);
        EXPECT_EQ(result.exit, c.exit) << c.args[2];
        EXPECT_EQ(result.out, c.out) << c.args[2];
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
    EXPECT_EQ(readBytes(file), original);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(DvfToolHistory, AnUnwritableHistoryFolderWarnsAndTheSaveHappens) {
    writeBytes(dir.path() / "history", "a file where the folder belongs");
    const ToolRun saved = run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"});
    EXPECT_EQ(saved.exit, kExitDone);
    EXPECT_EQ(saved.out, "保存しました\n");
    EXPECT_NE(saved.err.find("warning"), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find(historyDir), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find("a file stands where the folder belongs"), std::string::npos);
    EXPECT_NE(readBytes(file), original);
}

TEST_F(DvfToolHistory, TheUsersFolderUnlessTheCommandLineSaysOtherwise) {
    const std::filesystem::path users = dir.path() / "users";
    auto withDefault = [&](const Strings& args) {
        std::istringstream in;
        std::ostringstream out, err;
        return runDvfTool(args, {in, out, err, nullptr, nullptr, users});
    };
    ASSERT_EQ(withDefault({"save", utf8(file), "--no-history"}), kExitDone);
    EXPECT_FALSE(std::filesystem::exists(users));
    const std::string saved = readBytes(file);
    ASSERT_EQ(withDefault({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}), kExitDone);
    const FileHistory history(users, [] { return LocalTime{}; });
    ASSERT_EQ(history.versions(file).size(), 1u);
    EXPECT_EQ(FileHistory::read(history.versions(file)[0]), saved);
    EXPECT_TRUE(listed().empty()) << "--history names another folder";
    // The history options may come before the command.
    ASSERT_EQ(withDefault({"--history", historyDir, "save", utf8(file)}), kExitDone);
    EXPECT_EQ(listed().size(), 1u);
    EXPECT_EQ(withDefault({"--no-history", "save", utf8(file)}), kExitDone);
    EXPECT_EQ(withDefault({"--history"}), kExitUsage);
}

}  // namespace
}  // namespace vx::test
