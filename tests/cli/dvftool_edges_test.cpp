// dvftool at the edges of saving and restoring, each as it was found to
// fail: a restore onto the file itself, a file that is a link, a pipe at a
// lock file's name, output that does not arrive, a lock file removed while
// held, a folder that does not sync, control characters in what is echoed,
// JSON with a name twice, a stopped save's leftovers, a file that would
// outgrow the limit. None may end in loss, a hang or a false success.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "cli/dvftool_messages.h"
#include "history/history_save.h"
#include "settings/driver_font_file.h"
#include "settings/durable_write.h"
#include "settings/file_io.h"
#include "settings/file_lock.h"
#include "settings/file_messages.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/recording_layer.h"
#include "tests/settings/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace vx::test {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

class DvfToolEdges : public testing::Test {
protected:
    ScratchDir dir;
    const fs::path file = dir.copyOf("all_families.dvf");
    const std::string original = readBytes(file);
    const fs::path historyDir = dir.path() / "history";
    FileHistory history{historyDir, [] { return LocalTime{}; }};

    ToolRun run(Strings args, FileLayer* layer = nullptr, const std::string& input = {}) {
        args.insert(args.end(), {"--history", utf8(historyDir)});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int exit = runDvfTool(args, {in, out, err, nullptr, nullptr, std::nullopt, layer});
        return {exit, out.str(), err.str()};
    }
    ToolRun set(const fs::path& target, const std::string& value, FileLayer* layer = nullptr) {
        return run({"set", utf8(target), "ZEL文字フォント01", "originX=" + value}, layer);
    }
    std::vector<std::string> versions(const fs::path& of) const {
        std::vector<std::string> bytes;
        for (const HistoryVersion& version : history.versions(of))
            bytes.push_back(version.contents);
        return bytes;
    }
};

// restore -o naming the file itself, however spelled, keeps the file's
// present settings as a version, as a restore into the file does.
TEST_F(DvfToolEdges, RestoreOntoTheFileItselfKeepsItsPresentSettings) {
    fs::create_directory(dir.path() / "sub");
    const std::vector<fs::path> spellings = {file, dir.path() / "." / file.filename(),
                                             dir.path() / "sub" / ".." / file.filename()};
    for (const fs::path& output : spellings) {
        SCOPED_TRACE(utf8(output));
        fs::remove_all(historyDir);
        writeBytes(file, original);
        ASSERT_EQ(set(file, "0001").exit, kExitDone);
        const std::string first = readBytes(file);
        ASSERT_EQ(set(file, "0002").exit, kExitDone);
        const std::string latest = readBytes(file);
        const ToolRun restored = run({"restore", utf8(file), "2", "-o", utf8(output)});
        EXPECT_EQ(restored.exit, kExitDone) << restored.err;
        EXPECT_EQ(readBytes(file), original);
        EXPECT_EQ(versions(file), (std::vector<std::string>{latest, first, original}));
    }
}

#ifndef _WIN32
// A FILE that is a symbolic link is refused by every command that saves:
// the link stays a link, the file it names keeps its bytes, no history or
// lock is made, and the window's save says the same.
TEST_F(DvfToolEdges, ASaveThroughALinkIsRefusedAndTouchesNothing) {
    const fs::path link = dir.path() / "link.dvf";
    fs::create_symlink(file, link);
    const std::vector<Strings> commands = {
        {"set", utf8(link), "ZEL文字フォント01", "originX=0001"},
        {"save", utf8(link)},
        {"copy", utf8(dir.copyOf("unrelated_sections.dvf")), utf8(link), "ZELバーコード01"},
        {"restore", utf8(link), "1"},
    };
    ASSERT_EQ(set(file, "0003").exit, kExitDone);  // a version to restore
    const std::string before = readBytes(file);
    for (const Strings& command : commands) {
        const ToolRun refused = run(command);
        EXPECT_EQ(refused.exit, kExitSaveFailed) << command[0];
        EXPECT_EQ(refused.err,
                  "dvftool: " + utf8(link) + ": " + std::string(kLinkRefusedText) + "\n")
            << command[0];
        EXPECT_TRUE(fs::is_symlink(link)) << command[0];
        EXPECT_EQ(readBytes(file), before) << command[0];
        EXPECT_FALSE(fs::exists(lockFileOf(link))) << command[0];
    }
    EXPECT_EQ(history.list(link).entries.size(), 1u) << "only the version of the first set";
    // Reading through the link is harmless and goes on.
    EXPECT_EQ(run({"check", utf8(link)}).exit, kExitDone);
    SettingsStore store;
    loadDriverFontFile(IniDocument(before), store);
    const HistorySave save = saveKeepingHistory(store, link, &history);
    EXPECT_EQ(save.outcome, HistorySaveOutcome::Refused);
    EXPECT_EQ(save.refusal, SaveRefusal::Link);
}

// A named pipe at FILE.lock (or OUT.lock) ends the save at once.
TEST_F(DvfToolEdges, APipeAtTheLockFilesNameEndsTheSaveAtOnce) {
    const fs::path out = dir.path() / "out.dvf";
    ASSERT_EQ(set(file, "0003").exit, kExitDone);
    const std::string before = readBytes(file);
    struct Case {
        Strings args;
        fs::path locked;
    };
    const std::vector<Case> cases = {
        {{"set", utf8(file), "ZEL文字フォント01", "originX=0004"}, file},
        {{"restore", utf8(file), "1", "-o", utf8(out)}, out},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(::mkfifo(lockFileOf(c.locked).c_str(), 0600), 0);
        const ToolRun refused = run(c.args);
        EXPECT_EQ(refused.exit, kExitSaveFailed) << c.args[0];
        EXPECT_TRUE(contains(refused.err, "名前付きパイプ")) << refused.err;
        EXPECT_TRUE(contains(refused.err, utf8(lockFileOf(c.locked)))) << refused.err;
        EXPECT_EQ(readBytes(file), before);
        EXPECT_FALSE(fs::exists(out));
        fs::remove(lockFileOf(c.locked));
    }
}

// Output that does not arrive (a full disk) is no result: exit 4 and why.
TEST_F(DvfToolEdges, OutputThatCannotBeWrittenEndsInFailure) {
    const std::string program = VX_DVFTOOL_PROGRAM;
    ASSERT_EQ(set(file, "0001").exit, kExitDone);  // a version for history to list
    const std::vector<std::string> commands = {"dump", "dump --json", "check", "history"};
    for (const std::string& command : commands) {
        const std::string line = "'" + program + "' " + command + " '" + utf8(file) +
                                 "' --history '" + utf8(historyDir) + "' >/dev/full 2>'" +
                                 utf8(dir.path() / "err.txt") + "'";
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), kExitSaveFailed) << command;
        EXPECT_EQ(readBytes(dir.path() / "err.txt"),
                  "dvftool: " + std::string(dvftool_text::kOutputFailed) + "\n")
            << command;
    }
    // Nothing to write is no failure.
    const int status = std::system(("'" + program + "' history '" + utf8(file) + "' --history '" +
                                    utf8(dir.path() / "none") + "' >/dev/full 2>/dev/null")
                                       .c_str());
    EXPECT_EQ(WEXITSTATUS(status), kExitDone);
}
#endif

// The lock file removed while a save holds it, and a second writer in: the
// first does not replace the file, and says why. On Windows a held lock file
// cannot be removed at all, and the save goes on.
TEST_F(DvfToolEdges, ALockFileRemovedWhileHeldStopsTheSaveBeforeItReplaces) {
    RecordingLayer layer;
    FileLock second;
    std::error_code removal;
    bool tried = false;
    layer.fails = [&](const LayerStep& step) {
        if (step.what == "rename" && !tried) {
            tried = true;
            fs::remove(lockFileOf(file), removal);
            second = FileLock::acquire(file, std::chrono::milliseconds(0));
        }
        return false;
    };
    const ToolRun stopped = set(file, "0001", &layer);
#ifdef _WIN32
    EXPECT_TRUE(removal);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(stopped.exit, kExitDone) << stopped.err;
    EXPECT_NE(readBytes(file), original);
#else
    EXPECT_FALSE(removal);
    EXPECT_TRUE(second.held());
    EXPECT_EQ(stopped.exit, kExitSaveFailed);
    EXPECT_EQ(stopped.err, "dvftool: " + utf8(file) + ": " + std::string(kLockLostText) + "\n");
    EXPECT_EQ(readBytes(file), original);
    EXPECT_TRUE(fs::exists(lockFileOf(file))) << "the second writer's lock file stays";
#endif
}

// Only the folder's sync after the replacement fails: the file holds the
// new settings, and the message and status say so (not 保存できませんでした).
TEST_F(DvfToolEdges, AFolderThatDoesNotSyncAfterTheReplacementIsToldApart) {
    ASSERT_EQ(set(file, "0001").exit, kExitDone);
    const std::string saved = readBytes(file);
    RecordingLayer layer;
    const fs::path out = dir.path() / "out.dvf";
    layer.fails = [&](const LayerStep& step) {
        return step.what == "sync" && (step.path == dir.path());
    };
    struct Case {
        Strings args;
        fs::path written;
    };
    const std::vector<Case> cases = {
        {{"set", utf8(file), "ZEL文字フォント01", "originX=0002"}, file},
        {{"restore", utf8(file), "2", "-o", utf8(out)}, out},
    };
    for (const Case& c : cases) {
        const ToolRun unconfirmed = run(c.args, &layer);
        EXPECT_EQ(unconfirmed.exit, kExitNotConfirmed) << c.args[0];
        EXPECT_TRUE(contains(unconfirmed.err, kNotConfirmedText)) << unconfirmed.err;
        EXPECT_FALSE(contains(unconfirmed.err, "保存できませんでした")) << unconfirmed.err;
        EXPECT_NE(readBytes(c.written), saved) << c.args[0];
    }
    EXPECT_EQ(readBytes(out), original);
    EXPECT_EQ(versions(file).front(), saved) << "what the set replaced is kept";
    // The window tells it apart too.
    SettingsStore store;
    loadDriverFontFile(IniDocument(original), store);
    EXPECT_EQ(saveKeepingHistory(store, file, &history, std::nullopt, layer).outcome,
              HistorySaveOutcome::NotConfirmed);
}

// What a refusal or a listing echoes cannot break lines or reach the
// terminal as a control character.
TEST_F(DvfToolEdges, ControlCharactersAreShownEscaped) {
    struct Case {
        const char* what;
        std::function<ToolRun()> command;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"a line break in a value", [&] { return set(file, "1\n2"); }, "originX=1\\n2"},
        {"an escape sequence in a value", [&] { return set(file, "1\x1b[2J"); },
         "originX=1\\x1b[2J"},
        {"NUL in a JSON value",
         [&] {
             return run({"set", "--json", "-", utf8(file)}, nullptr,
                        R"([{"font":"ZEL文字フォント01","originX":"1\u0000"}])");
         },
         "originX=1\\x00"},
        {"a C1 control character",
         [&] {
             return set(file,
                        "1\xc2\x9b"
                        "2J");
         },
         "originX=1\\u009b2J"},
    };
    for (const Case& c : cases) {
        const ToolRun refused = c.command();
        EXPECT_EQ(refused.exit, kExitUsage) << c.what;
        EXPECT_TRUE(contains(refused.err, c.shown)) << c.what << ": " << refused.err;
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << c.what;
        for (const char control : {'\x1b', '\0', '\r'}) {
            EXPECT_EQ(refused.err.find(control), std::string::npos) << c.what;
        }
        EXPECT_EQ(readBytes(file), original) << c.what;
    }
#ifndef _WIN32
    // A planted name with a line break fakes no line of the listing.
    ASSERT_EQ(set(file, "0001").exit, kExitDone);
    writeBytes(history.folderOf(file) / "x\n1\t2099-01-01 00:00:00\t1.dvf", "planted");
    const ToolRun listed = run({"history", utf8(file)});
    const std::vector<Strings> lines = tabLines(listed.out);
    ASSERT_EQ(lines.size(), 2u) << listed.out;
    EXPECT_EQ(lines[0][0], "1");
    EXPECT_EQ(lines[1].back(), "unusable: " + std::string(unusableReason(Unusable::NotAVersion)) +
                                   ": x\\n1\\t2099-01-01 00:00:00\\t1.dvf");
#endif
}

// JSON that names one member twice is refused whole, whichever member.
TEST_F(DvfToolEdges, JsonWithAMemberTwiceIsRefused) {
    struct Case {
        const char* json;
        const char* member;
    };
    const std::vector<Case> cases = {
        {R"([{"font":"ZEL文字フォント01","originX":"abc","originX":"0030"}])", "originX"},
        {R"([{"font":"ZEL文字フォント01","originX":"0030","font":"ZEL文字フォント02"}])", "font"},
        {R"([{"font":"ZEL文字フォント01","originY":"0030"},)"
         R"({"font":"ZEL文字フォント02","originY":"0031","originY":"0032"}])",
         "originY"},
    };
    for (const Case& c : cases) {
        const ToolRun refused = run({"set", "--json", "-", utf8(file)}, nullptr, c.json);
        EXPECT_EQ(refused.exit, kExitUsage) << c.json;
        EXPECT_TRUE(contains(refused.err, "\"" + std::string(c.member) + "\" が二度あります"))
            << refused.err;
        EXPECT_EQ(readBytes(file), original) << c.json;
    }
    // One font in two objects is refused likewise, even when they agree.
    for (const char* json : {R"([{"font":"ZEL文字フォント01","originX":"0040"},)"
                             R"({"font":"ZEL文字フォント01","originX":"0041"}])",
                             R"([{"font":"ZEL文字フォント01"},{"font":"ZEL文字フォント02"},)"
                             R"({"font":"ZEL文字フォント01"}])"}) {
        const ToolRun refused = run({"set", "--json", "-", utf8(file)}, nullptr, json);
        EXPECT_EQ(refused.exit, kExitUsage) << json;
        EXPECT_TRUE(contains(refused.err, "\"ZEL文字フォント01\" のオブジェクトが二つあります"))
            << refused.err;
        EXPECT_EQ(readBytes(file), original) << json;
    }
    // The same member in two objects is no repetition.
    EXPECT_EQ(run({"set", "--json", "-", utf8(file)}, nullptr,
                  R"([{"font":"ZEL文字フォント01","originY":"0030"},)"
                  R"({"font":"ZEL文字フォント02","originY":"0031"}])")
                  .exit,
              kExitDone);
}

// JSON on standard input is held to a file's limit: an endless stream ends
// as a file too large would, with nothing written.
TEST_F(DvfToolEdges, JsonOnStandardInputLargerThanAFileIsRefused) {
    const std::string json = R"([{"font":"ZEL文字フォント01","originX":"0030"}])";
    const std::string padded = json + std::string(kMaxFileBytes + 1 - json.size(), ' ');
    const ToolRun refused = run({"set", "--json", "-", utf8(file)}, nullptr, padded);
    EXPECT_EQ(refused.exit, kExitUnreadable);
    EXPECT_TRUE(contains(refused.err, "dvftool: -: JSON ファイルを読み込めません。"))
        << refused.err;
    EXPECT_EQ(readBytes(file), original);
    // At the limit it is read, and taken.
    EXPECT_EQ(
        run({"set", "--json", "-", utf8(file)}, nullptr, padded.substr(0, kMaxFileBytes)).exit,
        kExitDone);
    EXPECT_NE(readBytes(file), original);
}

// A save stopped halfway leaves temporary files beside the file; a later
// save, holding the lock, removes the tool's own and nothing else.
TEST_F(DvfToolEdges, ALaterSaveRemovesItsOwnLeftoverTemporaryFiles) {
    const fs::path own = temporaryNameBeside(file);
    writeBytes(own, "half a save");
    // The pattern of earlier versions on Windows.
    const fs::path earlier = dir.withBytes(utf8(file.filename()) + ".1234.1.tmp", "half");
    const std::vector<fs::path> others = {
        dir.withBytes(utf8(file.filename()) + ".backup", "the user's"),
        temporaryNameBeside(dir.path() / "other.dvf"),
        dir.withBytes(utf8(file.filename()) + ".tmp", "the user's"),
    };
    writeBytes(others[1], "another file's");
    const fs::path ownFolder = temporaryNameBeside(file);
    fs::create_directory(ownFolder);
    ASSERT_EQ(set(file, "0001").exit, kExitDone);
    EXPECT_FALSE(fs::exists(own));
    EXPECT_FALSE(fs::exists(earlier));
    for (const fs::path& other : others) EXPECT_TRUE(fs::exists(other)) << utf8(other);
    EXPECT_TRUE(fs::is_directory(ownFolder)) << "a folder is never removed";
}

// A save that would make the file larger than the tool reads is refused;
// the tool would refuse its own file after it.
TEST_F(DvfToolEdges, ASaveThatWouldOutgrowTheLimitIsRefused) {
    const std::string small = readBytes(dataFile("only_dvf_section.dvf"));
    std::string padded = small + ";" + std::string(kMaxFileBytes - small.size() - 3, 'x') + "\r\n";
    ASSERT_EQ(padded.size(), kMaxFileBytes);
    writeBytes(file, padded);
    const ToolRun refused = set(file, "0001");
    EXPECT_EQ(refused.exit, kExitSaveFailed);
    EXPECT_EQ(refused.err,
              "dvftool: " + utf8(file) + ": " + std::string(kTooLargeToSaveText) + "\n");
    EXPECT_TRUE(readBytes(file) == padded);
    EXPECT_TRUE(history.list(file).entries.empty());
}

TEST_F(DvfToolEdges, AFolderNamedAsTheFileIsNoFileAndGetsNoLock) {
    const fs::path folder = dir.path() / "folder.dvf";
    fs::create_directory(folder);
    for (const Strings& command : std::vector<Strings>{{"check", utf8(folder)},
                                                       {"dump", utf8(folder)},
                                                       {"save", utf8(folder)},
                                                       {"set", utf8(folder), "ZEL文字フォント01",
                                                        "originX=0003"}}) {
        const ToolRun refused = run(command);
        EXPECT_EQ(refused.exit, kExitUnreadable) << command[0];
        EXPECT_EQ(refused.err, "dvftool: " + utf8(folder) +
                                   ": ファイルではありません（フォルダなど）。\n")
            << command[0];
        EXPECT_FALSE(fs::exists(lockFileOf(folder))) << command[0];
        EXPECT_TRUE(fs::is_directory(folder)) << command[0];
    }
}

}  // namespace
}  // namespace vx::test
