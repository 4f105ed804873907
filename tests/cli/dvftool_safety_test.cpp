// dvftool against what can go wrong around a save: files that are no driver
// font files, another program saving the same file, exhausted memory. A
// refused or stopped command says why on standard error and leaves the
// file as it was.
#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

#include "settings/file_lock.h"
#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/recording_layer.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

ToolRun dvftoolThrough(FileLayer& layer, const Strings& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int exit = runDvfTool(args, {in, out, err, nullptr, nullptr, std::nullopt, &layer});
    return {exit, out.str(), err.str()};
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// A driver font file as an editor saves it in UTF-8 (the default of
// Windows' Notepad): the same text, the Japanese names in UTF-8.
std::string asUtf8(const std::string& cp932Bytes) { return utf8FromCp932(cp932Bytes); }

TEST(DvfToolRefusals, FilesThatAreNoDriverFontFilesChangeNothing) {
    const std::string valid = readBytes(test::dataFile("all_families.dvf"));
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"a shopping list", "milk\r\neggs\r\n2 apples\r\n",
         "ドライバフォントファイルではありません"},
        {"a section DVF without Version", "[DVF]\r\nVersio=2\r\n", "[DVF] に Version がありません"},
        {"Version outside DVF", "[Other]\r\nVersion=2\r\n",
         "ドライバフォントファイルではありません"},
        {"re-saved as UTF-8", asUtf8(valid), "Shift-JIS で保存し直してください"},
        {"one font section in UTF-8 beside the others",
         valid + "[ZELバーコード20]\r\nFontType=101\r\n", "フォント名が UTF-8 で"},
        {"larger than 16 MiB", valid + ";" + std::string(kMaxFileBytes, 'x') + "\r\n",
         "16 MiB より大きいファイル"},
    };
    const std::vector<Strings> commands = {
        {"check"}, {"dump", "--json"}, {"save"}, {"set", "ZEL文字フォント01", "originX=0001"}};
    for (const Case& c : cases) {
        for (const Strings& command : commands) {
            ScratchDir dir;
            const auto file = dir.withBytes("font.dvf", c.bytes);
            Strings args = {command[0], utf8(file)};
            args.insert(args.end(), command.begin() + 1, command.end());
            const ToolRun run = dvftool(args);
            EXPECT_EQ(run.exit, kExitUnreadable) << c.what << ": " << command[0];
            EXPECT_EQ(run.out, "") << c.what << ": " << command[0];
            EXPECT_TRUE(contains(run.err, c.message)) << c.what << ": " << run.err;
            EXPECT_TRUE(contains(run.err, utf8(file))) << run.err;
            EXPECT_TRUE(readBytes(file) == c.bytes) << c.what << ": " << command[0];
            EXPECT_EQ(dir.entries(), Strings{"font.dvf"}) << c.what << ": " << command[0];
        }
    }
}

// A refusal is one line: the file as named, then what to do.
TEST(DvfToolRefusals, Utf8FileSaysItMustBeSavedAsShiftJis) {
    ScratchDir dir;
    const auto file =
        dir.withBytes("font.dvf", asUtf8(readBytes(test::dataFile("all_families.dvf"))));
    const ToolRun run = dvftool({"dump", utf8(file)});
    EXPECT_EQ(run.err, "dvftool: " + utf8(file) +
                           ": フォント名が UTF-8 で書かれています。設定ファイルを Shift-JIS "
                           "で保存し直してください。\n");
}

TEST(DvfToolLock, AnotherSaveHoldingTheFileMakesASaveWriteNothing) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const auto out = dir.withBytes("out.dvf", "[DVF]\r\nVersion=2\r\n");
    const std::string before = readBytes(file);
    const auto history = dir.path() / "history";
    {
        const FileLock other = FileLock::acquire(file);
        ASSERT_TRUE(other.held());
        const FileLock otherOut = FileLock::acquire(out);
        ASSERT_TRUE(otherOut.held());
        for (const Strings& args :
             {Strings{"set", utf8(file), "ZEL文字フォント01", "originX=0001"},
              Strings{"save", utf8(file)}, Strings{"copy", utf8(out), utf8(file)},
              Strings{"restore", utf8(file), "1", "--history", utf8(history)},
              Strings{"restore", utf8(file), "1", "-o", utf8(out), "--history", utf8(history)}}) {
            const ToolRun run = dvftool(args);
            EXPECT_EQ(run.exit, args[0] == "restore" ? kExitUnreadable : kExitSaveFailed)
                << args[0] << ": " << run.err;
        }
        // Reading needs no lock.
        EXPECT_EQ(dvftool({"check", utf8(file)}).exit, kExitDone);
        const ToolRun refused = dvftool({"set", utf8(file), "ZEL文字フォント01", "originX=0001"});
        EXPECT_TRUE(contains(refused.err, "ほかのプログラムが保存しているため")) << refused.err;
        EXPECT_TRUE(contains(refused.err, utf8(file))) << refused.err;
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(readBytes(file), before);
    }
    // Once the other lets go, the save goes through, and leaves no lock file.
    ASSERT_EQ(dvftool({"set", utf8(file), "ZEL文字フォント01", "originX=0001", "--history",
                       utf8(history)})
                  .exit,
              kExitDone);
    EXPECT_FALSE(std::filesystem::exists(lockFileOf(file)));
    // Now there is a version, and a restore held off by the lock says so.
    const FileLock other = FileLock::acquire(file);
    const ToolRun held = dvftool({"restore", utf8(file), "1", "--history", utf8(history)});
    EXPECT_EQ(held.exit, kExitSaveFailed) << held.err;
    EXPECT_TRUE(contains(held.err, "ほかのプログラムが保存しているため")) << held.err;
}

TEST(DvfToolEscapes, WhatEscapesACommandEndsItWithAMessageAndTheFileUntouched) {
    struct Case {
        const char* what;
        std::function<void()> raise;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"memory exhausted", [] { throw std::bad_alloc(); }, "メモリが足りないため"},
        {"a text too long", [] { throw std::length_error("basic_string::_M_create"); },
         "メモリが足りないため"},
        {"another failure", [] { throw std::runtime_error("the disk fell off"); },
         "コマンドを中止しました（the disk fell off）。"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const auto file = dir.copyOf("all_families.dvf");
        const std::string before = readBytes(file);
        test::RecordingLayer layer;
        layer.fails = [&](const test::LayerStep& step) {
            if (step.what == "replace write") c.raise();
            return false;
        };
        const ToolRun run = dvftoolThrough(
            layer, {"set", utf8(file), "ZEL文字フォント01", "originX=0001", "--no-history"});
        EXPECT_EQ(run.exit, kExitSaveFailed) << c.what;
        EXPECT_TRUE(contains(run.err, c.message)) << c.what << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_EQ(readBytes(file), before) << c.what;
        // No temporary file and no lock is left behind.
        EXPECT_EQ(dir.entries(), Strings{"all_families.dvf"}) << c.what;
        EXPECT_EQ(
            dvftool({"set", utf8(file), "ZEL文字フォント01", "originX=0001", "--no-history"}).exit,
            kExitDone)
            << c.what;
    }
}

}  // namespace
}  // namespace vx::test
