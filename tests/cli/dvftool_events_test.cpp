// Who changed a file, as dvftool keeps and tells it: the record of each
// version it keeps, the history's listing with and without records, and the
// events of its saves, restores and refused saves (read-only commands and
// files that cannot be read write none).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "settings/file_lock.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

class RecordedEvents : public EventWriter {
public:
    std::vector<ChangeEvent> written;
    void write(const ChangeEvent& event) override { written.push_back(event); }
    std::vector<int> ids() const {
        std::vector<int> found;
        for (const ChangeEvent& event : written) found.push_back(eventMessage(event.kind).id);
        return found;
    }
};

class DvfToolEvents : public testing::Test {
protected:
    ScratchDir dir;
    const std::filesystem::path file = dir.copyOf("all_families.dvf");
    const std::string historyDir = utf8(dir.path() / "history");
    RecordedEvents events;
    const ChangeAuthor author{"BYOIN\\suzuki", "NS-4F-PC02", "dvftool 4.0.0"};

    ToolRun run(Strings args) {
        args.insert(args.end(), {"--history", historyDir});
        std::istringstream in;
        std::ostringstream out, err;
        DvfToolIo io{in, out, err};
        io.events = &events;
        io.author = author;
        const int exit = runDvfTool(args, io);
        return {exit, out.str(), err.str()};
    }
};

TEST_F(DvfToolEvents, ASaveRecordsItsAuthorAndTellsTheEventLog) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    ASSERT_EQ(events.ids(), std::vector<int>{1000});
    const ChangeEvent& event = events.written[0];
    EXPECT_EQ(event.file, file);
    EXPECT_EQ(event.printer, "");
    EXPECT_EQ(event.fonts, std::vector<std::string>{"ZEL文字フォント03"});
    ASSERT_TRUE(event.keptVersion);
    EXPECT_EQ(event.keptVersion->filename().string().substr(0, 9), "00000001_");
    EXPECT_EQ(event.author.user, "BYOIN\\suzuki");

    // A save changes no font; a second one finds the same bytes as the
    // newest version and keeps none.
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    ASSERT_EQ(run({"save", utf8(file)}).exit, kExitDone);
    ASSERT_EQ(events.ids(), (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(events.written[1].fonts, std::vector<std::string>{});
    EXPECT_TRUE(events.written[1].keptVersion);
    EXPECT_FALSE(events.written[2].keptVersion);
    EXPECT_NE(eventText(events.written[2]).find("残した以前の設定の番号： なし\n"),
              std::string::npos);

    const std::vector<Strings> lines = tabLines(run({"history", utf8(file)}).out);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[0].size(), 6u);
    EXPECT_EQ((Strings{lines[0][3], lines[0][4], lines[0][5]}),
              (Strings{"BYOIN\\suzuki", "NS-4F-PC02", "dvftool 4.0.0"}));
    const auto json = nlohmann::json::parse(run({"history", "--json", utf8(file)}).out);
    EXPECT_EQ(json[0]["user"], "BYOIN\\suzuki");
    EXPECT_EQ(json[0]["computer"], "NS-4F-PC02");
    EXPECT_EQ(json[0]["program"], "dvftool 4.0.0");
}

TEST_F(DvfToolEvents, AVersionWithoutRecordListsItsAuthorAsUnknown) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    std::filesystem::path version = *events.written[0].keptVersion;
    std::filesystem::remove(std::filesystem::path(version.string() + ".who"));
    const std::vector<Strings> lines = tabLines(run({"history", utf8(file)}).out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((Strings(lines[0].begin() + 3, lines[0].end())), (Strings{"不明", "不明", "不明"}));
    const auto json = nlohmann::json::parse(run({"history", "--json", utf8(file)}).out);
    EXPECT_TRUE(json[0]["user"].is_null());
    EXPECT_TRUE(json[0]["program"].is_null());
}

TEST_F(DvfToolEvents, ARestoreNamesTheVersionPutBack) {
    const std::string original = readBytes(file);
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    const std::filesystem::path first = *events.written[0].keptVersion;
    ASSERT_EQ(run({"restore", utf8(file), "1"}).exit, kExitDone);
    EXPECT_EQ(readBytes(file), original);
    ASSERT_EQ(events.ids(), (std::vector<int>{1000, 1001}));
    const ChangeEvent& restore = events.written[1];
    EXPECT_EQ(restore.restoredVersion, first);
    EXPECT_EQ(restore.fonts, std::vector<std::string>{"ZEL文字フォント03"});
    ASSERT_TRUE(restore.keptVersion);
    EXPECT_NE(eventText(restore).find("残した以前の設定の番号： 2\n"), std::string::npos);
    // Written to another file, nothing is restored.
    ASSERT_EQ(run({"restore", utf8(file), "1", "-o", utf8(dir.path() / "out.dvf")}).exit,
              kExitDone);
    EXPECT_EQ(events.written.size(), 2u);
}

TEST_F(DvfToolEvents, RefusedSavesWriteTheirEventsAndReadingWritesNone) {
    ASSERT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0120"}).exit, kExitDone);
    events.written.clear();
    {
        const FileLock held = FileLock::acquire(file);
        EXPECT_EQ(run({"save", utf8(file)}).exit, kExitSaveFailed);
        EXPECT_EQ(run({"restore", utf8(file), "1"}).exit, kExitSaveFailed);
    }
    EXPECT_EQ(events.ids(), (std::vector<int>{2000, 2000}));
    EXPECT_EQ(eventInserts(events.written[0])[5], "不明");

    const std::filesystem::path old = dir.withBytes("OLD.DVF", "[DVF]\r\nVersion=1.000\r\n");
    events.written.clear();
    EXPECT_EQ(run({"check", utf8(old)}).exit, kExitVersion);
    EXPECT_EQ(run({"dump", utf8(old)}).exit, kExitVersion);
    EXPECT_EQ(run({"save", utf8(dir.path() / "missing.dvf")}).exit, kExitUnreadable);
    EXPECT_TRUE(events.written.empty());
    EXPECT_EQ(run({"set", utf8(old), "ZEL文字フォント03", "originX=0120"}).exit, kExitVersion);
    EXPECT_EQ(events.ids(), std::vector<int>{2002});
    EXPECT_EQ(events.written[0].file, old);

    events.written.clear();
    makeReadOnly(file);
    EXPECT_EQ(run({"set", utf8(file), "ZEL文字フォント03", "originX=0130"}).exit, kExitSaveFailed);
    makeWritable(file);
    EXPECT_EQ(events.ids(), std::vector<int>{3000});
    EXPECT_EQ(events.written[0].fonts, std::vector<std::string>{"ZEL文字フォント03"});
}

}  // namespace
}  // namespace vx::test
