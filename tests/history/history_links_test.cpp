// What a history folder may hold besides the tool's versions: a link where a
// folder belongs is neither written through nor pruned through; planted
// files are listed as unusable and never offered; pruning removes only the
// tool's own regular files; version numbers have one width; the machine's
// history is not used when others may change it, and the save goes on.
#include <gtest/gtest.h>

#include <map>

#include "history/history_save.h"
#include "tests/settings/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string dvf(std::string_view note) {
    return "[DVF]\r\nVersion=2\r\n; " + std::string(note) + "\r\n";
}

// A version's file name as the tool writes it.
std::string versionName(int sequence, int day = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%08d_2024-05-%02d_10-00-00.dvf", sequence, day);
    return text;
}

class HistoryLinks : public testing::Test {
protected:
    test::ScratchDir dir;
    FileHistory history{dir.path() / "history", [] { return LocalTime{2024, 6, 1, 9, 0, 0}; }};
    fs::path file = dir.withBytes("ALTOD.DVF", dvf("present"));

    std::map<std::string, std::optional<Unusable>> listed() const {
        std::map<std::string, std::optional<Unusable>> found;
        for (const HistoryVersion& entry : history.list(file).entries) {
            found[entry.file.filename().string()] = entry.unusable;
        }
        return found;
    }
    // A folder elsewhere holding versions of its own.
    fs::path elsewhereWith(int versions) const {
        const fs::path folder = dir.path() / "elsewhere";
        fs::create_directories(folder);
        for (int n = 1; n <= versions; ++n) test::writeBytes(folder / versionName(n), dvf("mine"));
        return folder;
    }
};

TEST_F(HistoryLinks, PlantedEntriesAreListedAsUnusableAndNeverOffered) {
    ASSERT_TRUE(history.keep(file, dvf("kept")).added);
    const fs::path folder = history.folderOf(file);
    test::writeBytes(folder / versionName(8), "[DVF]\r\nVersion=1.000\r\n");
    test::writeBytes(folder / versionName(7), "not a driver font file");
    test::writeBytes(folder / ("0" + versionName(10)), dvf("nine digits"));
    test::writeBytes(folder / versionName(5).substr(1), dvf("seven digits"));
    test::writeBytes(folder / "notes.dvf", dvf("another name"));
    fs::create_directory(folder / versionName(6));
    EXPECT_EQ(listed(), (std::map<std::string, std::optional<Unusable>>{
                            {"00000001_2024-06-01_09-00-00.dvf", std::nullopt},
                            {versionName(8), Unusable::NotAccepted},
                            {versionName(7), Unusable::NotAccepted},
                            {versionName(6), Unusable::NotAVersion},
                            {"0" + versionName(10), Unusable::NotAVersion},
                            {versionName(5).substr(1), Unusable::NotAVersion},
                            {"notes.dvf", Unusable::NotAVersion},
                        }));
    const std::vector<HistoryVersion> usable = history.versions(file);
    ASSERT_EQ(usable.size(), 1u);
    EXPECT_EQ(usable[0].number, 1);
    EXPECT_EQ(FileHistory::read(usable[0]), dvf("kept"));
    // The newest usable version is what a save compares with; the next
    // number follows it: planted names use no numbers up.
    EXPECT_FALSE(history.keep(file, dvf("kept")).added);
    const FileHistory::Kept next = history.keep(file, dvf("next"));
    ASSERT_TRUE(next.added);
    EXPECT_EQ(next.added->filename().string().substr(0, 9), "00000002_");
    EXPECT_EQ(history.versions(file).size(), 2u);
}

TEST_F(HistoryLinks, NoNumberBeyondTheWidthThatIsRead) {
    fs::create_directories(history.folderOf(file));
    test::writeBytes(history.folderOf(file) / "99999999_2024-05-01_10-00-00.dvf", dvf("last"));
    const HistoryReplace replaced = replaceKeepingHistory(file, dvf("present"), "new", &history);
    EXPECT_TRUE(replaced.replaced);
    ASSERT_TRUE(replaced.historyProblem);
    EXPECT_EQ(replaced.historyProblem->error, HistoryError::NumbersUsedUp);
    EXPECT_EQ(historyReasonJapanese(replaced.historyProblem->error),
              "以前の設定の番号を使い切りました");
    EXPECT_EQ(history.list(file).entries.size(), 1u);
}

#ifndef _WIN32
std::size_t entriesIn(const fs::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

TEST_F(HistoryLinks, ALinkWhereAFolderBelongsIsNeitherWrittenNorPrunedThrough) {
    // The history folder itself, then the file's own folder in it.
    for (const bool fileFolder : {false, true}) {
        SCOPED_TRACE(fileFolder ? "the file's folder" : "the history folder");
        fs::remove_all(dir.path() / "history");
        fs::remove_all(dir.path() / "elsewhere");
        const fs::path elsewhere = elsewhereWith(kKeptVersions + 5);
        if (fileFolder) fs::create_directory(dir.path() / "history");
        fs::create_directory_symlink(elsewhere,
                                     fileFolder ? history.folderOf(file) : dir.path() / "history");
        const HistoryReplace replaced =
            replaceKeepingHistory(file, dvf("present"), dvf("saved"), &history);
        EXPECT_TRUE(replaced.replaced);
        EXPECT_EQ(test::readBytes(file), dvf("saved"));
        ASSERT_TRUE(replaced.historyProblem);
        EXPECT_EQ(replaced.historyProblem->error, HistoryError::Link);
        // The link is named: the folder that was refused.
        const fs::path refused = fileFolder ? history.folderOf(file) : dir.path() / "history";
        EXPECT_EQ(replaced.historyProblem->folder, refused);
        history.prune(file);
        EXPECT_EQ(entriesIn(elsewhere), kKeptVersions + 5) << "nothing written or removed there";
        const HistoryListing listing = history.list(file);
        EXPECT_TRUE(listing.entries.empty());
        ASSERT_TRUE(listing.problem);
        EXPECT_EQ(listing.problem->error, HistoryError::Link);
        EXPECT_EQ(listing.problem->folder, refused);
    }
}

TEST_F(HistoryLinks, AVersionThatIsALinkIsUnusableAndPruningRemovesOnlyRegularVersions) {
    for (int n = 1; n <= static_cast<int>(kKeptVersions) + 2; ++n) {
        history.keep(file, dvf("version " + std::to_string(n)));
    }
    const fs::path folder = history.folderOf(file);
    const fs::path target = dir.withBytes("target.dvf", dvf("a file elsewhere"));
    fs::create_symlink(target, folder / "00000000_2024-01-01_00-00-00.dvf");
    fs::create_directory(folder / "00000000_2024-01-01_00-00-01.dvf");
    test::writeBytes(folder / "mine.txt", "the user's own file");
    ASSERT_EQ(::mkfifo((folder / "00000000_2024-01-01_00-00-02.dvf").c_str(), 0600), 0);
    EXPECT_EQ(listed().at("00000000_2024-01-01_00-00-00.dvf"), Unusable::Link);
    EXPECT_EQ(listed().at("00000000_2024-01-01_00-00-02.dvf"), Unusable::NotAVersion);

    history.prune(file);
    const std::vector<HistoryVersion> kept = history.versions(file);
    ASSERT_EQ(kept.size(), kKeptVersions);
    EXPECT_EQ(FileHistory::read(kept.back()), dvf("version 3"));
    EXPECT_EQ(listed().size(), kKeptVersions + 4)
        << "the link, the folder, the pipe and mine.txt stay";
    EXPECT_EQ(test::readBytes(target), dvf("a file elsewhere"));
}

// Whichever folder on the way is refused is the one named, when a version
// is kept and when the versions are listed: the tool's folder, the history
// in it, or the file's own folder.
TEST_F(HistoryLinks, TheFolderNamedIsTheOneThatWasRefused) {
    const fs::path tool = dir.path() / "VXDrvFontTool";
    const FileHistory nested(
        HistoryPlaces{
            {}, {}, {dir.path(), fs::path("VXDrvFontTool") / "history", HistoryAccess::Private}},
        [] { return LocalTime{2024, 6, 1, 9, 0, 0}; });
    const fs::path elsewhere = elsewhereWith(1);
    for (const fs::path& refused : {tool, tool / "history", nested.folderOf(file)}) {
        SCOPED_TRACE(refused.string());
        fs::remove_all(tool);
        fs::create_directories(refused.parent_path());
        fs::create_directory_symlink(elsewhere, refused);
        const FileHistory::Kept kept = nested.keep(file, dvf("present"));
        EXPECT_FALSE(kept.added);
        ASSERT_TRUE(kept.problem);
        EXPECT_EQ(kept.problem->error, HistoryError::Link);
        EXPECT_EQ(kept.problem->folder, refused);
        const HistoryListing listing = nested.list(file);
        ASSERT_TRUE(listing.problem);
        EXPECT_EQ(listing.problem->folder, refused);
    }
    EXPECT_EQ(entriesIn(elsewhere), 1u);
}

// The machine's history on POSIX systems: root's alone.
TEST_F(HistoryLinks, AMachineFolderThatOthersMayWriteIsNotUsedAndTheSaveGoesOn) {
    const fs::path drivers = dir.path() / "drivers";
    fs::create_directory(drivers);
    const fs::path driverFile = drivers / "ALTOD.DVF";
    test::writeBytes(driverFile, dvf("present"));
    const FileHistory machine(HistoryPlaces{resolvedPath(drivers),
                                            {dir.path(), "machine", HistoryAccess::MachineWide},
                                            HistoryRoot::named(dir.path() / "user")},
                              [] { return LocalTime{2024, 6, 1, 9, 0, 0}; });
    fs::create_directory(dir.path() / "machine");
    fs::permissions(dir.path() / "machine", fs::perms::all);
    const HistoryReplace replaced =
        replaceKeepingHistory(driverFile, dvf("present"), dvf("saved"), &machine);
    EXPECT_TRUE(replaced.replaced);
    ASSERT_TRUE(replaced.historyProblem);
    EXPECT_EQ(replaced.historyProblem->error, HistoryError::OthersMayChange);
    EXPECT_EQ(replaced.historyProblem->folder, dir.path() / "machine");
    EXPECT_FALSE(fs::exists(dir.path() / "user"));

    fs::permissions(dir.path() / "machine", fs::perms::others_write | fs::perms::group_write,
                    fs::perm_options::remove);
    const FileHistory::Kept kept = machine.keep(driverFile, dvf("saved"));
    if (::geteuid() != 0) {
        ASSERT_TRUE(kept.problem);
        EXPECT_EQ(kept.problem->error, HistoryError::ForeignOwner);
        EXPECT_EQ(kept.problem->folder, dir.path() / "machine");
        return;
    }
    ASSERT_TRUE(kept.added) << kept.problem->error.message();
    EXPECT_EQ(fs::status(kept.added->parent_path()).permissions() & fs::perms::others_write,
              fs::perms::none);
    // A version that others may change is not offered.
    fs::permissions(*kept.added, fs::perms::others_write, fs::perm_options::add);
    const HistoryListing listing = machine.list(driverFile);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].unusable, Unusable::OthersMayChange);
}
#endif

}  // namespace
}  // namespace vx
