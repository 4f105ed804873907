// Replacing a whole file in one step: whatever step fails, the original
// stays byte for byte and no temporary file is left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::readBytes;
using test::ScratchDir;
namespace fs = std::filesystem;

enum class Step { OpenTemporary, Write, Flush, Commit };

// Lets the platform's replacement run, but fails at one step: either after
// the real step ran (the temporary file exists, is partly written, or is
// closed) or instead of it.
class FailingReplacement : public FileReplacement {
public:
    FailingReplacement(std::unique_ptr<FileReplacement> inner, Step failAt, bool afterRealStep)
        : inner_(std::move(inner)), failAt_(failAt), afterRealStep_(afterRealStep) {}

    bool openTemporary() override {
        return step(Step::OpenTemporary, [&] { return inner_->openTemporary(); });
    }
    bool write(std::string_view bytes) override {
        if (failAt_ == Step::Write && afterRealStep_) {
            inner_->write(bytes.substr(0, bytes.size() / 2));  // a short write
            return false;
        }
        return step(Step::Write, [&] { return inner_->write(bytes); });
    }
    bool flush() override {
        return step(Step::Flush, [&] { return inner_->flush(); });
    }
    bool commit() override {
        return step(Step::Commit, [&] { return inner_->commit(); });
    }
    void discard() override {
        ++discards;
        inner_->discard();
    }

    int discards = 0;

private:
    template <class Run>
    bool step(Step which, Run run) {
        if (which != failAt_) return run();
        if (afterRealStep_) run();
        return false;
    }

    std::unique_ptr<FileReplacement> inner_;
    Step failAt_;
    bool afterRealStep_;
};

const std::string kOriginal = "[DVF]\r\nVersion=2\r\n; the original\r\n";

TEST(ReplaceFileContents, FailureAtAnyStepLeavesTheOriginal) {
    struct Case {
        const char* what;
        Step step;
        bool afterRealStep;
    };
    const std::vector<Case> cases = {
        {"open fails", Step::OpenTemporary, false},
        {"open fails after creating the temporary file", Step::OpenTemporary, true},
        {"write fails", Step::Write, false},
        {"write fails after a short write", Step::Write, true},
        {"flush fails", Step::Flush, false},
        {"flush fails after closing the file", Step::Flush, true},
        {"replace fails", Step::Commit, false}};
    for (const Case& c : cases) {
        ScratchDir dir;
        const fs::path target = dir.withBytes("font.dvf", kOriginal);
        FailingReplacement replacement(makeFileReplacement(target), c.step, c.afterRealStep);
        EXPECT_FALSE(replaceFileContents(replacement, std::string(100000, 'x'))) << c.what;
        EXPECT_EQ(replacement.discards, 1) << c.what;
        EXPECT_EQ(readBytes(target), kOriginal) << c.what;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"font.dvf"}) << c.what;
        // Nothing stays locked or half done: the next replacement works.
        EXPECT_TRUE(replaceFileContents(target, "new")) << c.what;
        EXPECT_EQ(readBytes(target), "new") << c.what;
    }
}

TEST(ReplaceFileContents, ReplacesTheWholeFile) {
    ScratchDir dir;
    const fs::path target = dir.withBytes("font.dvf", std::string(5000, 'o'));
    const std::string bytes = std::string("\0\r\n\x81\x5C", 5) + std::string(3, 'n');
    ASSERT_TRUE(replaceFileContents(target, bytes));
    EXPECT_EQ(readBytes(target), bytes);
    ASSERT_TRUE(replaceFileContents(target, ""));
    EXPECT_EQ(readBytes(target), "");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"font.dvf"});
}

#ifndef _WIN32
// On Windows the replacement keeps attributes and security by ReplaceFileW;
// here the permission bits show that the original's mode is kept.
TEST(ReplaceFileContents, KeepsThePermissionBits) {
    ScratchDir dir;
    const fs::path target = dir.withBytes("font.dvf", kOriginal);
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);
    ASSERT_TRUE(replaceFileContents(target, "new"));
    EXPECT_EQ(fs::status(target).permissions(), mode);
}
#endif

TEST(ReplaceFileContents, RefusesWhatItCannotReplace) {
    ScratchDir dir;
    const fs::path readOnly = dir.withBytes("read_only.dvf", kOriginal);
    test::makeReadOnly(readOnly);
    EXPECT_FALSE(replaceFileContents(readOnly, "new"));
    EXPECT_EQ(readBytes(readOnly), kOriginal);

    EXPECT_FALSE(replaceFileContents(dir.path() / "missing.dvf", "new"));
    EXPECT_FALSE(replaceFileContents(dir.path() / "no_dir" / "font.dvf", "new"));
    EXPECT_FALSE(fs::exists(dir.path() / "no_dir"));
    fs::create_directory(dir.path() / "a_directory");
    EXPECT_FALSE(replaceFileContents(dir.path() / "a_directory", "new"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "a_directory"));

    std::vector<std::string> entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"a_directory", "read_only.dvf"}));
}

// An empty path is a file that cannot be read or replaced, not an error of
// the program.
TEST(ReplaceFileContents, EmptyPathFailsWithoutThrowing) {
    EXPECT_NO_THROW(EXPECT_FALSE(replaceFileContents(fs::path(), "new")));
    EXPECT_NO_THROW(EXPECT_FALSE(readFileBytes(fs::path()).has_value()));
    EXPECT_NO_THROW(EXPECT_FALSE(isSupportedFileVersion(fs::path())));
    SettingsStore store;
    EXPECT_NO_THROW(loadDriverFontFile(fs::path(), store));
    EXPECT_EQ(store.barcodes[2].typeName, "CODE128");
    EXPECT_NO_THROW(EXPECT_EQ(saveDriverFontFile(store, fs::path()), SaveOutcome::Failed));
}

TEST(ReplaceFileContents, HandlesPathsLongerThan260Characters) {
    ScratchDir dir;
    fs::path deep = dir.path();
    while (deep.native().size() < 300) deep /= std::string(40, 'd');
    std::error_code ec;
    fs::create_directories(deep, ec);
    if (ec) GTEST_SKIP() << "cannot create a long path here: " << ec.message();
    const fs::path target = deep / "font.dvf";
    test::writeBytes(target, kOriginal);
    if (!fs::exists(target)) GTEST_SKIP() << "cannot create a file at a long path here";
    ASSERT_TRUE(replaceFileContents(target, "new"));
    EXPECT_EQ(readFileBytes(target), std::optional<std::string>("new"));
    SettingsStore store;
    loadDriverFontFile(target, store);
    EXPECT_EQ(saveDriverFontFile(store, target), SaveOutcome::Saved);
}

// --- Saving a driver font file ---------------------------------------------------

TEST(SaveDriverFontFileFailure, LeavesTheFileAsItWas) {
    ScratchDir dir;
    SettingsStore store;
    loadDriverFontFile(test::dataFile("all_families.dvf"), store);

    const fs::path readOnly = dir.copyOf("all_families.dvf");
    const std::string original = readBytes(readOnly);
    test::makeReadOnly(readOnly);
    store.fonts[0].originX = "0999";
    EXPECT_EQ(saveDriverFontFile(store, readOnly), SaveOutcome::Failed);
    EXPECT_EQ(readBytes(readOnly), original);

    // A value that cannot be written fails the whole save, not only its key.
    const fs::path writable = dir.copyOf("only_dvf_section.dvf");
    const std::string before = readBytes(writable);
    store.codes2D[9].qrCode.model = "2\r\n[DVF]";
    store.codes2D[9].typeIndex = 4;
    EXPECT_EQ(saveDriverFontFile(store, writable), SaveOutcome::Failed);
    EXPECT_EQ(readBytes(writable), before);

    EXPECT_EQ(saveDriverFontFile(store, dir.path() / "missing.dvf"), SaveOutcome::Failed);
    EXPECT_EQ(saveDriverFontFile(store, fs::path()), SaveOutcome::Failed);

    std::vector<std::string> entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"all_families.dvf", "only_dvf_section.dvf"}));
}

TEST(LoadDriverFontFileFromDisk, MissingFileGivesTheFactoryState) {
    SettingsStore fromMissing;
    loadDriverFontFile(test::dataFile("no_such_file.dvf"), fromMissing);
    SettingsStore factory;
    loadDriverFontFile(test::dataFile("only_dvf_section.dvf"), factory);
    EXPECT_EQ(fromMissing.fonts[20].typeIndex, 20);
    EXPECT_EQ(fromMissing.barcodes[2].typeName, "CODE128");
    EXPECT_EQ(fromMissing.barcodes[2].height, factory.barcodes[2].height);
    EXPECT_EQ(fromMissing.codes2D[4].qrCode.model, "2");
}

}  // namespace
}  // namespace vx
