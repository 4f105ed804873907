// Versions kept before a save: their order, times and bytes, dropping
// repeats, pruning, one folder per file, and a folder that cannot be made.
#include <gtest/gtest.h>

#include "history/history_location.h"
#include "tests/history/history_fixture.h"

namespace vx {
namespace {

using test::HistoryFixture;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

using FileHistoryTest = HistoryFixture;

TEST_F(FileHistoryTest, KeepsEachVersionExactlyNewestFirstWithItsTime) {
    const std::string binary("[DVF]\r\n\0\x81\x5C\xFF\r\n", 11);
    EXPECT_TRUE(history.versions(file).empty());
    for (const std::string& bytes : {std::string("first"), binary, std::string("third\n")}) {
        const FileHistory::Kept kept = history.keep(file, bytes);
        EXPECT_TRUE(kept.added.has_value());
        EXPECT_FALSE(kept.problem.has_value());
    }
    const std::vector<HistoryVersion> versions = history.versions(file);
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(versions[0].number, 1);
    EXPECT_EQ(versions[0].time, "2024-05-01 00:02:07");
    EXPECT_EQ(versions[0].bytes, 6u);
    EXPECT_EQ(versions[2].number, 3);
    EXPECT_EQ(versions[2].time, "2024-05-01 00:00:07");
    EXPECT_EQ(keptBytes(), (Strings{"third\n", binary, "first"}));
    // The file itself is never touched.
    EXPECT_EQ(test::readBytes(file), "[DVF]\r\nVersion=2\r\n");
}

TEST_F(FileHistoryTest, BytesLikeTheNewestVersionAddNone) {
    history.keep(file, "a");
    EXPECT_FALSE(history.keep(file, "a").added.has_value());
    history.keep(file, "b");
    // Only the newest counts: an older repeat is a new version.
    EXPECT_TRUE(history.keep(file, "a").added.has_value());
    EXPECT_EQ(keptBytes(), (Strings{"a", "b", "a"}));
}

TEST_F(FileHistoryTest, PruningKeepsTheNewestTwenty) {
    for (int n = 1; n <= 25; ++n) history.keep(file, "version " + std::to_string(n));
    EXPECT_EQ(history.versions(file).size(), 25u);
    history.prune(file);
    const Strings bytes = keptBytes();
    ASSERT_EQ(bytes.size(), 20u);
    EXPECT_EQ(bytes.front(), "version 25");
    EXPECT_EQ(bytes.back(), "version 6");
    // Numbers go on after pruning.
    history.keep(file, "version 26");
    EXPECT_EQ(keptBytes().front(), "version 26");
}

TEST_F(FileHistoryTest, OtherFilesOfTheFolderAreNoVersions) {
    history.keep(file, "kept");
    const fs::path folder = history.folderOf(file);
    for (const char* name : {"notes.txt", "00000009_bad.dvf", "00000009_2024-05-01_10-00-00.txt",
                             "x0000009_2024-05-01_10-00-00.dvf", ".keeping-1"}) {
        test::writeBytes(folder / name, "stray");
    }
    fs::create_directory(folder / "00000010_2024-05-01_10-00-00.dvf");
    EXPECT_EQ(keptBytes(), (Strings{"kept"}));
}

TEST_F(FileHistoryTest, OneFolderPerFileWhicheverWayItsPathIsSpelt) {
    const fs::path folder = history.folderOf(file);
    EXPECT_EQ(folder.parent_path(), dir.path() / "history");
    EXPECT_EQ(folder.filename().string().rfind("ALTOD.DVF-", 0), 0u) << folder;
    EXPECT_EQ(history.folderOf(dir.path() / "sub" / ".." / "ALTOD.DVF"), folder);
    const fs::path current = fs::current_path();
    fs::current_path(dir.path());
    EXPECT_EQ(history.folderOf("ALTOD.DVF"), folder);
    fs::current_path(current);
#ifdef _WIN32
    // Windows names ignore letter case: the other spelling finds the version.
    history.keep(dir.path() / "altod.dvf", "spelt in lower case");
    EXPECT_EQ(keptBytes(), (Strings{"spelt in lower case"}));
    fs::remove_all(folder);
#endif
    fs::create_directory(dir.path() / "other");
    const fs::path sameName = dir.path() / "other" / "ALTOD.DVF";
    EXPECT_NE(history.folderOf(sameName), folder);
    history.keep(file, "one");
    history.keep(sameName, "two");
    EXPECT_EQ(keptBytes(), (Strings{"one"}));
}

TEST_F(FileHistoryTest, AFolderThatCannotBeMadeIsAProblemNotAVersion) {
    // A file where the history folder belongs: the root, then the file's own
    // folder. (Permissions would not stop every user; this stops all.)
    test::writeBytes(dir.path() / "history", "in the way");
    FileHistory::Kept kept = history.keep(file, "bytes");
    ASSERT_TRUE(kept.problem.has_value());
    EXPECT_FALSE(kept.added.has_value());
    EXPECT_EQ(kept.problem->folder, history.folderOf(file));
    EXPECT_FALSE(historyReason(kept.problem->error).empty());
    EXPECT_TRUE(history.versions(file).empty());

    fs::remove(dir.path() / "history");
    fs::create_directories(dir.path() / "history");
    test::writeBytes(history.folderOf(file), "in the way");
    kept = history.keep(file, "bytes");
    ASSERT_TRUE(kept.problem.has_value());
    EXPECT_EQ(historyReason(kept.problem->error), "a file stands where the folder belongs");
    EXPECT_EQ(historyReasonJapanese(kept.problem->error),
              "フォルダの場所に同じ名前のファイルがあります");

    const FileHistory nowhere({}, [] { return LocalTime{}; });
    EXPECT_TRUE(nowhere.keep(file, "bytes").problem.has_value());
    EXPECT_TRUE(nowhere.versions(file).empty());
}

TEST(HistoryLocation, FollowsTheUsersFolders) {
    struct Case {
        std::optional<std::string> xdg, home;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {"/var/state", "/home/u", fs::path("/var/state/vxdrvfonttool/history")},
        {std::nullopt, "/home/u", fs::path("/home/u/.local/state/vxdrvfonttool/history")},
        {"", "/home/u", fs::path("/home/u/.local/state/vxdrvfonttool/history")},
        {"relative/state", "/home/u", fs::path("/home/u/.local/state/vxdrvfonttool/history")},
        {std::nullopt, std::nullopt, fs::path()},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        if (c.xdg && c.xdg->starts_with("/")) continue;  // not absolute on Windows
#endif
        EXPECT_EQ(historyRootInStateHome(c.xdg, c.home), c.expected) << c.xdg.value_or("unset");
    }
    EXPECT_EQ(historyRootInLocalAppData(fs::path("C:") / "Users" / "u" / "AppData" / "Local"),
              fs::path("C:") / "Users" / "u" / "AppData" / "Local" / "VXDrvFontTool" / "history");
    EXPECT_EQ(historyRootInLocalAppData({}), fs::path());
    EXPECT_FALSE(defaultHistoryRoot().empty());
}

TEST(HistoryTime, IsWrittenWithLeadingZeros) {
    EXPECT_EQ(formatLocalTime({2025, 1, 2, 3, 4, 5}), "2025-01-02 03:04:05");
    EXPECT_EQ(formatLocalTime({2024, 12, 31, 23, 59, 58}), "2024-12-31 23:59:58");
}

}  // namespace
}  // namespace vx
