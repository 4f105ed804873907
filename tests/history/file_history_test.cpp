// Versions kept before a save: exact bytes newest first, no repeat of the
// newest, the newest 20 after a replacement, none added by a failed one,
// one folder per file, and a folder that cannot be made. The places of the
// histories are in history_places_test.cpp, links and planted files in
// history_links_test.cpp.
#include <gtest/gtest.h>

#include "history/history_location.h"
#include "history/history_save.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class FileHistoryTest : public testing::Test {
protected:
    test::ScratchDir dir;
    int minutes = 0;  // the clock moves on a minute per version
    FileHistory history{dir.path() / "history",
                        [this] { return LocalTime{2024, 5, 1, minutes / 60, minutes++ % 60, 7}; }};
    fs::path file = dir.withBytes("ALTOD.DVF", "[DVF]\r\nVersion=2\r\n");

    // A driver font file of an accepted version that holds `note`.
    static std::string dvf(std::string_view note) {
        return "[DVF]\r\nVersion=2\r\n; " + std::string(note) + "\r\n";
    }
    Strings kept() const {
        Strings bytes;
        for (const HistoryVersion& version : history.versions(file)) {
            bytes.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        return bytes;
    }
    void keepNumbered(int count) {
        for (int n = 1; n <= count; ++n) history.keep(file, dvf("old " + std::to_string(n)));
    }
};

TEST_F(FileHistoryTest, KeepsExactBytesNewestFirstButNoRepeatOfTheNewest) {
    const std::string binary = dvf(std::string("\0\x81\x5C\r\n", 5));
    for (const std::string& bytes : {dvf("a"), binary, binary, dvf("a")}) {
        history.keep(file, bytes);
    }
    EXPECT_EQ(kept(), (Strings{dvf("a"), binary, dvf("a")}));
    const std::vector<HistoryVersion> versions = history.versions(file);
    EXPECT_EQ(versions[0].number, 1);
    EXPECT_EQ(versions[0].time, "2024-05-01 00:02:07");
    EXPECT_EQ(versions[1].bytes, 27u);
    EXPECT_EQ(versions[2].time, "2024-05-01 00:00:07");
    EXPECT_EQ(test::readBytes(file), "[DVF]\r\nVersion=2\r\n");
}

TEST_F(FileHistoryTest, AReplacementKeepsThePresentBytesAndTheNewestTwenty) {
    keepNumbered(20);
    EXPECT_TRUE(replaceKeepingHistory(file, dvf("present"), "new", &history).replaced);
    EXPECT_EQ(test::readBytes(file), "new");
    const Strings bytes = kept();
    ASSERT_EQ(bytes.size(), kKeptVersions);
    EXPECT_EQ(bytes.front(), dvf("present"));
    EXPECT_EQ(bytes.back(), dvf("old 2"));
}

TEST_F(FileHistoryTest, AFailedReplacementAddsNoVersionAndRemovesNone) {
    keepNumbered(20);
    test::makeReadOnly(file);
    EXPECT_FALSE(replaceKeepingHistory(file, test::readBytes(file), "new", &history).replaced);
    EXPECT_EQ(test::readBytes(file), "[DVF]\r\nVersion=2\r\n");
    const Strings bytes = kept();
    ASSERT_EQ(bytes.size(), 20u);
    EXPECT_EQ(bytes.front(), dvf("old 20"));
}

TEST_F(FileHistoryTest, OneFolderPerFileWhicheverWayItsPathIsSpelt) {
    const fs::path folder = history.folderOf(file);
    EXPECT_EQ(folder.parent_path(), dir.path() / "history");
    EXPECT_EQ(folder.filename().string().rfind("ALTOD.DVF-", 0), 0u) << folder;
    EXPECT_EQ(history.folderOf(dir.path() / "sub" / ".." / "ALTOD.DVF"), folder);
    fs::create_directory(dir.path() / "other");
    EXPECT_NE(history.folderOf(dir.path() / "other" / "ALTOD.DVF"), folder);
#ifdef _WIN32
    // Windows names ignore letter case: another spelling finds the version.
    history.keep(dir.path() / "altod.dvf", dvf("spelt in lower case"));
    EXPECT_EQ(kept(), (Strings{dvf("spelt in lower case")}));
#endif
}

TEST_F(FileHistoryTest, WithoutAFolderTheFileIsReplacedAndTheProblemTold) {
    // A file where the folder belongs stops every user, root too.
    test::writeBytes(dir.path() / "history", "in the way");
    const HistoryReplace replaced = replaceKeepingHistory(file, "present", "new", &history);
    EXPECT_TRUE(replaced.replaced);
    EXPECT_EQ(test::readBytes(file), "new");
    ASSERT_TRUE(replaced.historyProblem.has_value());
    // The folder refused is named, not the file's own folder, which is not there.
    EXPECT_EQ(replaced.historyProblem->folder, dir.path() / "history");
    EXPECT_EQ(historyReasonJapanese(replaced.historyProblem->error),
              "フォルダの場所に同じ名前のファイルがあります");
    EXPECT_TRUE(history.versions(file).empty());
}

TEST(HistoryLocation, FollowsTheUsersFolders) {
    const fs::path home = fs::path("/home/u") / ".local" / "state" / "vxdrvfonttool" / "history";
#ifndef _WIN32
    EXPECT_EQ(historyRootInStateHome("/var/state", "/home/u").folder(),
              fs::path("/var/state/vxdrvfonttool/history"));
#endif
    EXPECT_EQ(historyRootInStateHome(std::nullopt, "/home/u").folder(), home);
    EXPECT_EQ(historyRootInStateHome("relative", "/home/u").folder(), home);  // must be absolute
    EXPECT_TRUE(historyRootInStateHome(std::nullopt, std::nullopt).empty());
    const HistoryRoot local = historyRootInLocalAppData(fs::path("C:") / "Local");
    EXPECT_EQ(local.folder(), fs::path("C:") / "Local" / "VXDrvFontTool" / "history");
    EXPECT_EQ(local.access, HistoryAccess::Private);
    const HistoryRoot machine = historyRootInProgramData(fs::path("C:") / "ProgramData");
    EXPECT_EQ(machine.folder(), fs::path("C:") / "ProgramData" / "VXDrvFontTool" / "history");
    EXPECT_EQ(machine.base, fs::path("C:") / "ProgramData") << "the tool's folders are below it";
    EXPECT_EQ(machine.access, HistoryAccess::MachineWide);
    EXPECT_FALSE(defaultHistoryPlaces().user.empty());
}

}  // namespace
}  // namespace vx
