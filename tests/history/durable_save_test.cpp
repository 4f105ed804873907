// How a save's bytes reach the disk, seen through the file layer: the kept
// version is written, flushed, named and its folder synced before the file
// is replaced, and the file's folder is synced after. A replacement that
// fails halfway never leaves the file's name empty while its bytes exist,
// and never loses the version of what the file held.
#include <gtest/gtest.h>

#include "history/history_save.h"
#include "settings/file_io.h"
#include "tests/settings/recording_layer.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using test::LayerStep;

class DurableSaveTest : public testing::Test {
protected:
    test::ScratchDir dir;
    FileHistory history{dir.path() / "history", [] { return LocalTime{2024, 5, 1, 9, 30, 0}; }};
    const std::string present = "[DVF]\r\nVersion=2\r\n; present\r\n";
    const std::string fresh = "[DVF]\r\nVersion=2\r\n; new\r\n";
    fs::path file = dir.withBytes("ALTOD.DVF", present);
    test::RecordingLayer layer;

    HistoryReplace replace() {
        return replaceKeepingHistory(file, present, fresh, &history, layer);
    }
    Strings versions() const {
        Strings bytes;
        for (const HistoryVersion& version : history.versions(file)) {
            bytes.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        return bytes;
    }
    // What is in a folder, temporary files included.
    static Strings entries(const fs::path& folder) {
        Strings names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    Strings whats() const {
        Strings out;
        for (const LayerStep& step : layer.log) out.push_back(step.what);
        return out;
    }
};

TEST_F(DurableSaveTest, TheVersionIsOnTheDiskBeforeTheFileIsReplaced) {
    ASSERT_TRUE(replace().replaced);
    EXPECT_EQ(whats(), (Strings{"create", "write", "flush", "rename", "sync", "replace open",
                                "replace write", "replace flush", "replace commit", "sync"}));
    const std::vector<LayerStep>& log = layer.log;
    // The version is written under another name in its own folder, and
    // takes its name only once flushed; then that folder is synced.
    const fs::path versionFolder = history.folderOf(file);
    EXPECT_EQ(log[0].path.parent_path(), versionFolder);
    EXPECT_EQ(log[1].path, log[0].path);
    EXPECT_EQ(log[2].path, log[0].path);
    EXPECT_NE(log[3].path, log[0].path);
    EXPECT_EQ(log[3].path, history.versions(file).at(0).file);
    EXPECT_EQ(log[4].path, versionFolder);
    // The driver font file's folder is synced after its replacement.
    EXPECT_EQ(log[8].path, file);
    EXPECT_EQ(log[9].path, file.parent_path());
    EXPECT_EQ(test::readBytes(file), fresh);
    EXPECT_EQ(versions(), Strings{present});
    EXPECT_EQ(entries(versionFolder).size(), 1u);
}

// A version that cannot be made durable is told about; the file is saved
// all the same, and nothing of the version stays under a temporary name.
TEST_F(DurableSaveTest, AVersionStepThatFailsIsToldAndLeavesNoTemporaryFile) {
    struct Case {
        const char* step;
        std::size_t versionsLeft;  // a version whose folder did not sync is there
    };
    for (const Case& c : {Case{"create", 0}, Case{"write", 0}, Case{"flush", 0}, Case{"rename", 0},
                          Case{"sync", 1}}) {
        test::ScratchDir scratch;
        FileHistory own(scratch.path() / "history", [] { return LocalTime{2024, 5, 1, 9, 30, 0}; });
        const fs::path target = scratch.withBytes("ALTOD.DVF", present);
        test::RecordingLayer failing;
        bool failed = false;
        failing.fails = [&](const LayerStep& step) {
            if (failed || step.what != c.step) return false;
            return failed = true;
        };
        const HistoryReplace result = replaceKeepingHistory(target, present, fresh, &own, failing);
        EXPECT_TRUE(result.replaced) << c.step;
        EXPECT_TRUE(result.historyProblem.has_value()) << c.step;
        EXPECT_EQ(test::readBytes(target), fresh) << c.step;
        EXPECT_EQ(entries(own.folderOf(target)).size(), c.versionsLeft) << c.step;
    }
}

// The old file moved away and the new one not in its place (what Windows'
// ReplaceFileW reports as ERROR_UNABLE_TO_MOVE_REPLACEMENT): each time the
// commit removes the file and fails.
TEST_F(DurableSaveTest, AReplacementFailedHalfwayNeverLeavesBothLost) {
    struct Case {
        const char* what;
        int failedCreates;  // new files at the file's name that fail after the commit
        bool replaced;
        const char* fileHolds;  // "new", "present" or "nothing"
        Strings versions;
    };
    const std::vector<Case> cases = {
        {"the new bytes go to the name", 0, true, "new", {present}},
        {"else the kept bytes go back", 1, false, "present", {}},
        {"else the version keeps them", 2, false, "nothing", {present}},
    };
    for (const Case& c : cases) {
        test::ScratchDir scratch;
        FileHistory own(scratch.path() / "history", [] { return LocalTime{2024, 5, 1, 9, 30, 0}; });
        const fs::path target = scratch.withBytes("ALTOD.DVF", present);
        test::RecordingLayer failing;
        bool committed = false;
        int creates = 0;
        failing.fails = [&](const LayerStep& step) {
            if (step.what == "replace commit") {
                fs::remove(target);
                committed = true;
                return true;
            }
            return committed && step.what == "create" && creates++ < c.failedCreates;
        };
        EXPECT_EQ(replaceKeepingHistory(target, present, fresh, &own, failing).replaced, c.replaced)
            << c.what;
        const std::string holds = std::string(c.fileHolds);
        if (holds == "nothing") {
            EXPECT_FALSE(fs::exists(target)) << c.what;
        } else {
            EXPECT_EQ(test::readBytes(target), holds == "new" ? fresh : present) << c.what;
        }
        Strings kept;
        for (const HistoryVersion& version : own.versions(target)) {
            kept.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        EXPECT_EQ(kept, c.versions) << c.what;
        // Nothing stays under a temporary name beside the file.
        Strings beside = entries(scratch.path());
        std::erase(beside, "history");
        EXPECT_EQ(beside, holds == "nothing" ? Strings{} : Strings{"ALTOD.DVF"}) << c.what;
    }
}

// A folder that cannot be synced after the rename: the file holds the new
// bytes, but the save is not known to be on the disk. It does not count as
// saved, and the version of the bytes it replaced stays.
TEST_F(DurableSaveTest, AFileFolderThatDoesNotSyncKeepsTheVersion) {
    layer.fails = [&](const LayerStep& step) {
        return step.what == "sync" && step.path == file.parent_path();
    };
    EXPECT_FALSE(replace().replaced);
    EXPECT_EQ(test::readBytes(file), fresh);
    EXPECT_EQ(versions(), Strings{present});
}

}  // namespace
}  // namespace vx
