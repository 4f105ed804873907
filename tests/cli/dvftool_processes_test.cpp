// Two programs saving one driver font file at the same moment, many times
// over: dvftool against dvftool, and the window's save against dvftool.
// Whatever a program reports as saved must be in the file afterwards.
#include <gtest/gtest.h>

#include <string>

#include "history/history_save.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "tests/cli/child_process.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::ChildProcess;
using test::readBytes;
using test::ScratchDir;
using test::utf8;

constexpr int kRounds = 20;

// The program under test, as the build made it.
std::filesystem::path dvftoolProgram() { return std::filesystem::path(VX_DVFTOOL_PROGRAM); }

std::string fourDigits(int n) {
    std::string text = std::to_string(n);
    return std::string(4 - text.size(), '0') + text;
}

SettingsStore storeOf(const std::string& bytes) {
    SettingsStore store;
    loadDriverFontFile(IniDocument(bytes), store);
    return store;
}

// A dvftool that assigns the origin of a character font.
test::Strings setOrigin(const std::filesystem::path& file, int font, int value,
                        const std::filesystem::path& history) {
    return {"set",
            utf8(file),
            "ZEL文字フォント0" + std::to_string(font + 1),
            "originX=" + fourDigits(value),
            "--history",
            utf8(history)};
}

// A dvftool that reports success left its value in the file; any other
// end is a refusal after the wait, never a silent loss.
void expectDvftoolKept(int exit, const SettingsStore& store, int font, int value) {
    if (exit == kExitDone) {
        EXPECT_EQ(store.fonts[static_cast<std::size_t>(font)].originX, fourDigits(value));
    } else {
        EXPECT_EQ(exit, kExitSaveFailed);
    }
}

TEST(TwoProgramsSaving, TwoDvftoolsLoseNoReportedChange) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const auto history = dir.path() / "history";
    int saved = 0;
    for (int round = 1; round <= kRounds; ++round) {
        ChildProcess first(dvftoolProgram(), setOrigin(file, 0, round, history));
        ChildProcess second(dvftoolProgram(), setOrigin(file, 1, 100 + round, history));
        const int firstExit = first.wait();
        const int secondExit = second.wait();
        SCOPED_TRACE(round);
        const SettingsStore store = storeOf(readBytes(file));
        expectDvftoolKept(firstExit, store, 0, round);
        expectDvftoolKept(secondExit, store, 1, 100 + round);
        saved += (firstExit == kExitDone) + (secondExit == kExitDone);
    }
    // The lock waits for the other save: refusals are rare exceptions.
    EXPECT_GT(saved, kRounds);
}

TEST(TwoProgramsSaving, TheWindowsSaveAndDvftoolLoseNoReportedChange) {
    ScratchDir dir;
    const auto file = dir.copyOf("all_families.dvf");
    const auto history = dir.path() / "history";
    int windowSaved = 0;
    for (int round = 1; round <= kRounds; ++round) {
        ChildProcess tool(dvftoolProgram(), setOrigin(file, 0, round, history));
        // The window's save: the file as loaded, one font edited, saved
        // only if nobody else saved in between.
        const std::string loaded = readBytes(file);
        SettingsStore edited = storeOf(loaded);
        edited.fonts[2].originX = fourDigits(200 + round);
        const HistorySave save = saveKeepingHistory(edited, file, nullptr, loaded);
        const int toolExit = tool.wait();
        SCOPED_TRACE(round);
        const SettingsStore store = storeOf(readBytes(file));
        expectDvftoolKept(toolExit, store, 0, round);
        if (save.outcome == HistorySaveOutcome::Saved) {
            EXPECT_EQ(store.fonts[2].originX, fourDigits(200 + round)) << round;
            ++windowSaved;
        } else {
            EXPECT_TRUE(save.outcome == HistorySaveOutcome::ChangedMeanwhile ||
                        save.outcome == HistorySaveOutcome::Busy)
                << static_cast<int>(save.outcome);
        }
    }
    EXPECT_GT(windowSaved, 0);
}

}  // namespace
}  // namespace vx
