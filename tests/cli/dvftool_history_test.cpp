// dvftool's history: the commands that keep what they replace, the
// listing, restoring exactly (into the file or OUT), refusals that touch
// nothing, an unwritable history folder, and where versions go.
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
                                                   R"(\s*"bytes": \d+\s*\})")))
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
    EXPECT_EQ(restored.err, "保存しました\n");
    EXPECT_EQ(readBytes(file), original);
    EXPECT_EQ(version(1), changed);
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
        {{"restore", utf8(file), "2"}, kExitUnreadable, "no version 2 of"},
        {{"restore", utf8(file), "0"}, kExitUnreadable, "no version 0 of"},
        {{"restore", utf8(file), "1"}, kExitVersion, "version not accepted"},
        {{"restore", utf8(file), "1", "-o", utf8(out)}, kExitVersion, "version not accepted"},
        {{"restore", utf8(file), "x"}, kExitUsage, "N is a number"},
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
    EXPECT_NE(saved.err.find("保存しました\n"), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find("warning"), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find(historyDir), std::string::npos) << saved.err;
    EXPECT_NE(saved.err.find("a file stands where the folder belongs"), std::string::npos);
    EXPECT_NE(readBytes(file), original);
}

TEST_F(DvfToolHistory, TheUsersFolderUnlessTheCommandLineNamesAnother) {
    const std::filesystem::path users = dir.path() / "users";
    auto withDefault = [&](const Strings& args) {
        std::istringstream in;
        std::ostringstream out, err;
        return runDvfTool(args, {in, out, err, nullptr, nullptr, users});
    };
    ASSERT_EQ(withDefault({"--no-history", "save", utf8(file)}), kExitDone);
    EXPECT_FALSE(std::filesystem::exists(users));
    ASSERT_EQ(withDefault({"save", utf8(file)}), kExitDone);
    EXPECT_EQ(FileHistory(users, [] { return LocalTime{}; }).versions(file).size(), 1u);
    ASSERT_EQ(withDefault({"--history", historyDir, "set", utf8(file), "ZEL文字フォント03",
                           "originX=0120"}),
              kExitDone);
    EXPECT_EQ(tabLines(run({"history", utf8(file)}).out).size(), 1u);
    EXPECT_EQ(withDefault({"save", utf8(file), "--history", "h", "--no-history"}), kExitUsage);
}

}  // namespace
}  // namespace vx::test
