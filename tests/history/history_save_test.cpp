// Replacing and saving with the present bytes kept first: pruning after a
// replacement, no stray version after a failed one, a save that still
// happens when no version can be kept, and a file someone else saved.
#include "history/history_save.h"

#include <gtest/gtest.h>

#include "settings/driver_font_file.h"
#include "tests/history/history_fixture.h"

namespace vx {
namespace {

using test::HistoryFixture;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

using HistorySaveTest = HistoryFixture;

TEST_F(HistorySaveTest, AReplacementKeepsThePresentBytesAndPrunes) {
    for (std::size_t n = 1; n <= kKeptVersions; ++n) history.keep(file, "old " + std::to_string(n));
    const HistoryReplace replaced = replaceKeepingHistory(file, "present", "new", &history);
    EXPECT_TRUE(replaced.replaced);
    EXPECT_FALSE(replaced.historyProblem.has_value());
    EXPECT_EQ(test::readBytes(file), "new");
    const Strings kept = keptBytes();
    ASSERT_EQ(kept.size(), kKeptVersions);
    EXPECT_EQ(kept.front(), "present");
    EXPECT_EQ(kept.back(), "old 2");
}

TEST_F(HistorySaveTest, AFailedReplacementLeavesNoNewVersionAndPrunesNothing) {
    for (std::size_t n = 1; n <= kKeptVersions; ++n) history.keep(file, "old " + std::to_string(n));
    const std::string before = test::readBytes(file);
    test::makeReadOnly(file);
    const HistoryReplace replaced = replaceKeepingHistory(file, before, "new", &history);
    EXPECT_FALSE(replaced.replaced);
    EXPECT_EQ(test::readBytes(file), before);
    const Strings kept = keptBytes();
    ASSERT_EQ(kept.size(), kKeptVersions);
    EXPECT_EQ(kept.front(), "old 20");
    EXPECT_EQ(kept.back(), "old 1");
}

TEST_F(HistorySaveTest, WithoutAPlaceForTheVersionTheFileIsReplacedAllTheSame) {
    test::writeBytes(dir.path() / "history", "in the way");
    const HistoryReplace replaced = replaceKeepingHistory(file, "present", "new", &history);
    EXPECT_TRUE(replaced.replaced);
    ASSERT_TRUE(replaced.historyProblem.has_value());
    EXPECT_EQ(replaced.historyProblem->folder, history.folderOf(file));
    EXPECT_EQ(test::readBytes(file), "new");

    // And without any history nothing is kept.
    EXPECT_TRUE(replaceKeepingHistory(file, "new", "newer", nullptr).replaced);
    EXPECT_EQ(test::readBytes(file), "newer");
}

TEST_F(HistorySaveTest, ASaveComparesTheFileWithWhatItExpects) {
    const fs::path dvf = dir.copyOf("all_families.dvf");
    const std::string loaded = test::readBytes(dvf);
    SettingsStore store;
    loadDriverFontFile(IniDocument(loaded), store);
    store.fonts[2].originX = "0120";

    // Someone else saved meanwhile: nothing is written or kept.
    const std::string theirs = loaded + "; saved by someone else\r\n";
    test::writeBytes(dvf, theirs);
    HistorySave save = saveKeepingHistory(store, dvf, &history, loaded);
    EXPECT_EQ(save.outcome, HistorySaveOutcome::ChangedMeanwhile);
    EXPECT_EQ(save.present, theirs);
    EXPECT_EQ(test::readBytes(dvf), theirs);
    EXPECT_TRUE(history.versions(dvf).empty());

    // Expecting their bytes overwrites them and keeps them as a version.
    save = saveKeepingHistory(store, dvf, &history, theirs);
    ASSERT_EQ(save.outcome, HistorySaveOutcome::Saved);
    EXPECT_EQ(test::readBytes(dvf), save.written);
    EXPECT_NE(save.written.find("; saved by someone else"), std::string::npos);
    SettingsStore reread;
    loadDriverFontFile(dvf, reread);
    EXPECT_EQ(reread.fonts[2].originX, "0120");
    ASSERT_EQ(history.versions(dvf).size(), 1u);
    EXPECT_EQ(FileHistory::read(history.versions(dvf)[0]), theirs);

    // A file that cannot be read is no save and no question.
    save = saveKeepingHistory(store, dir.path() / "missing.dvf", &history, loaded);
    EXPECT_EQ(save.outcome, HistorySaveOutcome::Failed);
}

}  // namespace
}  // namespace vx
