// The history against what someone else puts in its way: files and folders
// planted under versions' names neither push the tool's own versions out nor
// use their numbers up; a version is made in the folder opened, whatever is
// swapped in at its path meanwhile; a path through a linked folder and ".."
// is filed under the file it really names; a save's leftovers go.
#include <gtest/gtest.h>

#include "history/history_save.h"
#include "settings/durable_write.h"
#include "tests/settings/recording_layer.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string dvf(std::string_view note) {
    return "[DVF]\r\nVersion=2\r\n; " + std::string(note) + "\r\n";
}

std::string versionName(long long sequence) {
    char text[64];
    std::snprintf(text, sizeof text, "%08lld_2024-05-01_10-00-00.dvf", sequence);
    return text;
}

class HistoryEdges : public testing::Test {
protected:
    test::ScratchDir dir;
    FileHistory history{dir.path() / "history", [] { return LocalTime{2024, 6, 1, 9, 0, 0}; }};
    fs::path file = dir.withBytes("ALTOD.DVF", dvf("present"));

    std::vector<std::string> usableBytes(const fs::path& of) const {
        std::vector<std::string> bytes;
        for (const HistoryVersion& version : history.versions(of)) bytes.push_back(version.contents);
        return bytes;
    }
};

// Twenty unusable files named like the newest versions, and a folder named
// like the last number: the tool's own versions stay, and saving goes on.
TEST_F(HistoryEdges, PlantedEntriesNeitherPushVersionsOutNorUseNumbersUp) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& folder)> plant;
    };
    const std::vector<Case> cases = {
        {"twenty files that are no driver font files",
         [](const fs::path& folder) {
             for (int n = 0; n < 20; ++n) test::writeBytes(folder / versionName(500 + n), "junk");
         }},
        {"twenty files of a version not accepted",
         [](const fs::path& folder) {
             for (int n = 0; n < 20; ++n) {
                 test::writeBytes(folder / versionName(500 + n), "[DVF]\r\nVersion=1.000\r\n");
             }
         }},
        {"a folder with the last number",
         [](const fs::path& folder) { fs::create_directory(folder / versionName(99999999)); }},
        {"an unusable file with the last number",
         [](const fs::path& folder) { test::writeBytes(folder / versionName(99999999), "junk"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir.path() / "history");
        for (int n = 1; n <= 3; ++n) history.keep(file, dvf("own " + std::to_string(n)));
        c.plant(history.folderOf(file));
        const HistoryReplace replaced =
            replaceKeepingHistory(file, dvf("present"), dvf("saved"), &history);
        EXPECT_TRUE(replaced.replaced);
        EXPECT_FALSE(replaced.historyProblem) << historyReasonJapanese(replaced.historyProblem->error);
        EXPECT_EQ(usableBytes(file), (std::vector<std::string>{dvf("present"), dvf("own 3"),
                                                               dvf("own 2"), dvf("own 1")}));
        test::writeBytes(file, dvf("present"));
    }
}

// Beyond twenty usable versions the oldest go, and what is named as a
// version but older than the twentieth with them; newer planted files stay.
TEST_F(HistoryEdges, PruningCountsOnlyUsableVersions) {
    const fs::path folder = history.folderOf(file);
    fs::create_directories(folder);
    test::writeBytes(folder / versionName(0), "junk older than every version");
    for (int n = 1; n <= static_cast<int>(kKeptVersions) + 2; ++n) {
        history.keep(file, dvf("own " + std::to_string(n)));
    }
    for (int n = 0; n < 5; ++n) test::writeBytes(folder / versionName(900 + n), "junk");
    history.prune(file);
    const std::vector<std::string> kept = usableBytes(file);
    ASSERT_EQ(kept.size(), kKeptVersions);
    EXPECT_EQ(kept.front(), dvf("own 22"));
    EXPECT_EQ(kept.back(), dvf("own 3"));
    EXPECT_FALSE(fs::exists(folder / versionName(0)));
    EXPECT_TRUE(fs::exists(folder / versionName(904)));
}

// A save stopped halfway leaves a version's temporary file; a later save
// removes the tool's own (regular files only) and nothing else.
TEST_F(HistoryEdges, ALaterSaveRemovesTheVersionsLeftoverTemporaryFiles) {
    history.keep(file, dvf("own"));
    const fs::path folder = history.folderOf(file);
    const fs::path leftover = temporaryNameBeside(folder / versionName(7));
    test::writeBytes(leftover, "half a version");
    const fs::path notOurs = folder / ".notes.txt.tmp";
    test::writeBytes(notOurs, "the user's");
    const fs::path leftoverFolder = temporaryNameBeside(folder / versionName(8));
    fs::create_directory(leftoverFolder);
    EXPECT_EQ(history.list(file).entries.size(), 4u);
    ASSERT_TRUE(replaceKeepingHistory(file, dvf("present"), dvf("saved"), &history).replaced);
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(notOurs));
    EXPECT_TRUE(fs::is_directory(leftoverFolder));
    EXPECT_EQ(usableBytes(file), (std::vector<std::string>{dvf("present"), dvf("own")}));
}

#ifndef _WIN32
// The file's history folder is moved away and a link to another folder put
// in its place between its opening and the version's creation: the version
// goes into the folder opened, nothing into the other.
TEST_F(HistoryEdges, AVersionIsMadeInTheFolderOpenedWhateverIsSwappedIn) {
    for (const char* step : {"create", "rename"}) {
        SCOPED_TRACE(step);
        fs::remove_all(dir.path() / "history");
        fs::remove_all(dir.path() / "moved");
        fs::remove_all(dir.path() / "elsewhere");
        history.keep(file, dvf("first"));
        const fs::path folder = history.folderOf(file);
        const fs::path elsewhere = dir.path() / "elsewhere";
        fs::create_directory(elsewhere);
        test::RecordingLayer layer;
        bool swapped = false;
        layer.fails = [&](const test::LayerStep& s) {
            if (!swapped && s.what == step) {
                fs::rename(folder, dir.path() / "moved");
                fs::create_directory_symlink(elsewhere, folder);
                swapped = true;
            }
            return false;
        };
        const HistoryReplace replaced =
            replaceKeepingHistory(file, dvf("present"), dvf("saved"), &history, layer);
        ASSERT_TRUE(swapped);
        EXPECT_TRUE(replaced.replaced);
        EXPECT_TRUE(fs::is_empty(elsewhere));
        std::size_t moved = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir.path() / "moved")) {
            EXPECT_EQ(entry.path().filename().string().front(), '0') << entry.path();
            ++moved;
        }
        EXPECT_EQ(moved, 2u);
        test::writeBytes(file, dvf("present"));
    }
}

// "sub/../x.dvf" with sub a link to a folder elsewhere names the file beside
// the link's target, not "x.dvf" beside sub: its versions are that file's.
TEST_F(HistoryEdges, APathThroughALinkedFolderIsFiledUnderTheFileItNames) {
    fs::create_directories(dir.path() / "real" / "inner");
    const fs::path really = dir.withBytes("real/x.dvf", dvf("really"));
    const fs::path textually = dir.withBytes("x.dvf", dvf("another file"));
    fs::create_directory_symlink(dir.path() / "real" / "inner", dir.path() / "sub");
    const fs::path spelled = dir.path() / "sub" / ".." / "x.dvf";
    ASSERT_EQ(test::readBytes(spelled), dvf("really"));
    history.keep(spelled, dvf("really"));
    EXPECT_EQ(history.folderOf(spelled), history.folderOf(really));
    EXPECT_NE(history.folderOf(spelled), history.folderOf(textually));
    EXPECT_EQ(usableBytes(really), std::vector<std::string>{dvf("really")});
    EXPECT_TRUE(usableBytes(textually).empty());
}
#endif

}  // namespace
}  // namespace vx
