// ファイル → 設定一覧を保存 step by step: what is asked, what is written,
// what is said, and what is never overwritten.
#include "app/sheet_command.h"

#include <gtest/gtest.h>

#include <deque>

#include "settings/driver_font_file.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class Messages : public MessageBoxes {
public:
    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
    MessageAnswer show(std::string_view text, MessageButtons, MessageIcon) override {
        shown.emplace_back(text);
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class Ports : public SheetPorts {
public:
    std::optional<std::filesystem::path> answer;
    std::vector<std::string> suggested;
    std::vector<std::filesystem::path> opened;
    SheetForm form = SheetForm::Full;
    bool opens = true;
    std::optional<SheetChoice> chooseSheetFile(const std::string& name) override {
        suggested.push_back(name);
        if (!answer) return std::nullopt;
        return SheetChoice{*answer, form};
    }
    bool openInBrowser(const std::filesystem::path& file) override {
        opened.push_back(file);
        return opens;
    }
};

class SheetCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = dir.path() / "ALTOD.DVF";
        test::writeBytes(file, "[DVF]\r\nVersion=2.000\r\n");
        loadDriverFontFile(IniDocument(test::readBytes(file)), shown);
        ports.answer = dir.path() / "sheet.html";
    }
    void run() {
        saveSettingsSheet({file, "病棟 3F", "ZEL Vextora WB", 203, &shown}, ports, messages);
    }

    test::ScratchDir dir;
    std::filesystem::path file;
    SettingsStore shown;
    Ports ports;
    Messages messages;
};

TEST_F(SheetCommandTest, SavesTheSheetAndOpensItWhenTheUserWishes) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        ports.opened.clear();
        messages.shown.clear();
        messages.answers = {answer};
        run();
        const std::string html = test::readBytes(*ports.answer);
        EXPECT_NE(html.find("<td>病棟 3F</td>"), std::string::npos);
        EXPECT_NE(html.find("<td>203 dpi</td>"), std::string::npos);
        EXPECT_EQ(html.find("class=\"notice\""), std::string::npos) << "nothing unsaved";
        EXPECT_EQ(messages.shown, (std::vector<std::string>{std::string(sheet_text::kSavedOpen)}));
        EXPECT_EQ(ports.opened.size(), answer == MessageAnswer::Yes ? 1u : 0u);
    }
    EXPECT_EQ(ports.suggested.front(), "設定一覧_病棟 3F.html");
}

// The file type chosen in the dialog picks the sheet: the summary has the
// one table of fonts and no font's block.
TEST_F(SheetCommandTest, TheSummaryChosenInTheDialogIsTheOneTableOfFonts) {
    for (const SheetForm form : {SheetForm::Full, SheetForm::Summary}) {
        ports.form = form;
        run();
        const std::string html = test::readBytes(*ports.answer);
        const bool summary = form == SheetForm::Summary;
        EXPECT_EQ(html.find("<h2>フォント一覧</h2>") != std::string::npos, summary);
        EXPECT_EQ(html.find("id=\"font-60\"") != std::string::npos, !summary);
        EXPECT_NE(html.find("ZEL2次元コード10"), std::string::npos);
    }
}

TEST_F(SheetCommandTest, EveryWayItStopsSaysWhyAndLeavesTheFilesAlone) {
    const std::string bytes = test::readBytes(file);
    // Cancelled: nothing said, nothing written.
    ports.answer.reset();
    run();
    EXPECT_TRUE(messages.shown.empty());
    // The driver font file itself is never overwritten.
    ports.answer = file;
    run();
    EXPECT_EQ(messages.shown.back(), sheet_text::kNotOverDriverFontFile);
    EXPECT_EQ(test::readBytes(file), bytes);
    // A folder that does not exist.
    ports.answer = dir.path() / "missing" / "sheet.html";
    run();
    EXPECT_EQ(messages.shown.back(), std::string(sheet_text::kSaveFailed) + utf8Of(*ports.answer));
    // The browser does not open it.
    ports.answer = dir.path() / "sheet.html";
    ports.opens = false;
    messages.answers = {MessageAnswer::Yes};
    run();
    EXPECT_EQ(messages.shown.back(), std::string(sheet_text::kNotOpened) + utf8Of(*ports.answer));
    // No file bound, or the file gone: the dialog is not even offered.
    ports.suggested.clear();
    std::filesystem::remove(file);
    run();
    EXPECT_EQ(messages.shown.back(), sheet_text::kFileUnreadable);
    file.clear();
    run();
    EXPECT_EQ(messages.shown.back(), sheet_text::kNoFile);
    EXPECT_TRUE(ports.suggested.empty());
}

TEST(SheetName, WhatAFileNameMayNotHoldBecomesAnUnderscore) {
    EXPECT_EQ(suggestedSheetName(""), "設定一覧.html");
    EXPECT_EQ(suggestedSheetName("\\\\server\\ラベル:1F*"), "設定一覧___server_ラベル_1F_.html");
}

}  // namespace
}  // namespace vx
