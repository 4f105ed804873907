// Who replaced a kept version: its record written beside it and read back,
// its name never taken for a version, planted or linked records not
// trusted, and records going with their versions.
#include <gtest/gtest.h>

#include <map>

#include "history/history_save.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string dvf(std::string_view note) {
    return "[DVF]\r\nVersion=2\r\n; " + std::string(note) + "\r\n";
}

const ChangeAuthor kTanaka{"BYOIN\\田中", "NS-3F-PC01", "VXDrvFontTool 4.0.0"};

class VersionRecordTest : public testing::Test {
protected:
    test::ScratchDir dir;
    int minutes = 0;
    FileHistory history{dir.path() / "history",
                        [this] { return LocalTime{2024, 5, 1, 9, minutes++, 30}; }};
    fs::path file = dir.withBytes("ALTOD.DVF", dvf("present"));

    fs::path keptWith(const ChangeAuthor& author, std::string_view note) {
        history.setAuthor(author);
        return history.keep(file, dvf(note)).added.value();
    }
    // The folder's names, each marked as listed or not.
    std::map<std::string, std::optional<Unusable>> listed() const {
        std::map<std::string, std::optional<Unusable>> found;
        for (const HistoryVersion& entry : history.list(file).entries) {
            found[entry.file.filename().string()] = entry.unusable;
        }
        return found;
    }
    std::size_t filesInFolder() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(history.folderOf(file))) {
            ++count;
        }
        return count;
    }
};

TEST(VersionRecordText, WrittenAndReadBack) {
    const VersionRecord record{kTanaka, "2024-05-01 09:00:30"};
    const std::optional<VersionRecord> read = parseVersionRecord(formatVersionRecord(record));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->author.user + "|" + read->author.computer + "|" + read->author.program + "|" +
                  read->time,
              "BYOIN\\田中|NS-3F-PC01|VXDrvFontTool 4.0.0|2024-05-01 09:00:30");
    // Written by hand, as the file holds it.
    EXPECT_EQ(formatVersionRecord({kTanaka, "2024-05-01 09:00:30"}),
              "VXDrvFontTool version record 1\nuser=BYOIN\\田中\ncomputer=NS-3F-PC01\n"
              "program=VXDrvFontTool 4.0.0\ntime=2024-05-01 09:00:30\n");
    // A name with a line break or bytes of another encoding cannot add lines.
    EXPECT_EQ(parseVersionRecord(formatVersionRecord({{"a\nuser=evil", "pc\x82", "p"}, "t"}))
                  ->author.user,
              "a?user=evil");
    EXPECT_EQ(parseVersionRecord(formatVersionRecord({{"a\xc2\x9b"
                                                       "1m\xc2\xa0z",
                                                       "pc", "p"},
                                                      "t"}))
                  ->author.user,
              "a?1m\xc2\xa0z")
        << "C1 controls replaced, a no-break space kept";
}

TEST(VersionRecordText, TextsThatAreNotTheToolsAreNotRead) {
    const std::string good = formatVersionRecord({kTanaka, "2024-05-01 09:00:30"});
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"another first line", "VXDrvFontTool version record 2\nuser=x\n"},
        {"empty", ""},
        {"cut short", good.substr(0, good.size() - 1)},
        {"a line without =", good + "nonsense\n"},
        {"a control character", good + "note=\x1b[31m\n"},
        {"invalid UTF-8", good + "note=\xff\n"},
        {"a C1 control character (CSI)", good + "note=\xc2\x9b"
                                                "31m\n"},
        {"a key given twice", good + "user=someone else\n"},
        {"larger than a record",
         good + "note=" + std::string(kLargestVersionRecordBytes, 'x') + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(parseVersionRecord(c.text));
    }
    // Keys of a later layout are passed over.
    EXPECT_EQ(parseVersionRecord(good + "session=2\n")->author.user, kTanaka.user);
}

TEST(VersionRecordName, BelongsToItsVersionAndIsNoVersion) {
    const std::string version = "00000012_2024-05-01_10-30-00.dvf";
    EXPECT_EQ(versionRecordName(version), version + ".who");
    EXPECT_EQ(versionOfRecordName(version + ".who"), version);
    EXPECT_FALSE(versionSequence(version + ".who"));
    EXPECT_EQ(versionSequence(version), 12);
    for (const std::string& other :
         {version, std::string("notes.who"), "0" + version + ".who", version + ".who.who"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(versionOfRecordName(other));
    }
}

TEST_F(VersionRecordTest, EachVersionKeptRecordsWhoReplacedIt) {
    keptWith(kTanaka, "first");
    keptWith({"BYOIN\\suzuki", "NS-4F-PC02", "dvftool 4.0.0"}, "second");
    const std::vector<HistoryVersion> versions = history.versions(file);
    ASSERT_EQ(versions.size(), 2u);
    ASSERT_TRUE(versions[0].record);
    EXPECT_EQ(versions[0].record->author.user, "BYOIN\\suzuki");
    EXPECT_EQ(versions[0].record->author.computer, "NS-4F-PC02");
    EXPECT_EQ(versions[0].record->author.program, "dvftool 4.0.0");
    EXPECT_EQ(versions[0].record->time, versions[0].time);
    ASSERT_TRUE(versions[1].record);
    EXPECT_EQ(versions[1].record->author.user, "BYOIN\\田中");
    // The records lie beside their versions and are not listed themselves.
    EXPECT_EQ(filesInFolder(), 4u);
    EXPECT_EQ(history.list(file).entries.size(), 2u);
}

TEST_F(VersionRecordTest, AVersionWithoutRecordIsStillOffered) {
    history.keep(file, dvf("before records"));  // no author set
    const fs::path recorded = keptWith(kTanaka, "recorded");
    fs::remove(fs::path(recorded.string() + ".who"));
    const std::vector<HistoryVersion> versions = history.versions(file);
    ASSERT_EQ(versions.size(), 2u);
    for (const HistoryVersion& version : versions) {
        EXPECT_FALSE(version.record);
        EXPECT_TRUE(FileHistory::read(version));
    }
    EXPECT_EQ(shownOrUnknown(""), "不明");
}

TEST_F(VersionRecordTest, PlantedRecordsAreNotTrusted) {
    const std::string big(kLargestVersionRecordBytes + 1, 'x');
    const std::string valid = formatVersionRecord({{"EVIL\\x", "pc", "p"}, "t"});
    for (const std::string& planted : {std::string("user=EVIL\\x\n"), big, valid + "\x01\n"}) {
        SCOPED_TRACE(planted.substr(0, 20));
        fs::remove_all(dir.path() / "history");
        const fs::path version = keptWith(kTanaka, "kept");
        fs::remove(fs::path(version.string() + ".who"));
        test::writeBytes(fs::path(version.string() + ".who"), planted);
        const std::vector<HistoryVersion> versions = history.versions(file);
        ASSERT_EQ(versions.size(), 1u);
        EXPECT_FALSE(versions[0].record);
    }
}

#ifndef _WIN32
TEST_F(VersionRecordTest, ALinkedRecordIsNeitherFollowedNorRemovedThrough) {
    const fs::path version = keptWith(kTanaka, "kept");
    const fs::path record(version.string() + ".who");
    const fs::path elsewhere = dir.withBytes("elsewhere.who", formatVersionRecord({kTanaka, "t"}));
    fs::remove(record);
    fs::create_symlink(elsewhere, record);
    const std::vector<HistoryVersion> versions = history.versions(file);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_FALSE(versions[0].record);
    // The link is listed as what it is, and outlives the pruning.
    EXPECT_EQ(listed()[record.filename().string()], Unusable::Link);
    EXPECT_TRUE(replaceKeepingHistory(file, dvf("present"), dvf("new"), &history).replaced);
    EXPECT_TRUE(fs::is_symlink(record));
    EXPECT_EQ(test::readBytes(elsewhere), formatVersionRecord({kTanaka, "t"}));
}
#endif

TEST_F(VersionRecordTest, RecordsGoWithTheirVersions) {
    history.setAuthor(kTanaka);
    for (std::size_t n = 1; n <= kKeptVersions; ++n) history.keep(file, dvf(std::to_string(n)));
    // A record whose version is gone (a pruning that ended halfway).
    test::writeBytes(history.folderOf(file) / "00000099_2024-05-01_10-30-00.dvf.who",
                     formatVersionRecord({kTanaka, "t"}));
    EXPECT_FALSE(listed().contains("00000099_2024-05-01_10-30-00.dvf.who"));
    EXPECT_TRUE(replaceKeepingHistory(file, dvf("present"), dvf("new"), &history).replaced);
    EXPECT_EQ(history.versions(file).size(), kKeptVersions);
    EXPECT_EQ(filesInFolder(), 2 * kKeptVersions);
    for (const HistoryVersion& version : history.versions(file)) EXPECT_TRUE(version.record);
}

TEST_F(VersionRecordTest, AFailedReplacementTakesItsVersionAndRecordBack) {
    history.setAuthor(kTanaka);
    test::makeReadOnly(file);
    const HistoryReplace replaced =
        replaceKeepingHistory(file, test::readBytes(file), dvf("new"), &history);
    test::makeWritable(file);
    EXPECT_FALSE(replaced.replaced);
    EXPECT_FALSE(replaced.keptVersion);
    EXPECT_EQ(filesInFolder(), 0u);
}

}  // namespace
}  // namespace vx
