// The events of saves and restores: each kind's number and level, the text
// with its insertion strings as Event Viewer shows it, and the message
// table the programs carry, read back as Windows reads it.
#include "events/change_event.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/codepage.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(ChangeEvents, NumbersAndLevelsAsTheHelpGivesThem) {
    const struct {
        ChangeEventKind kind;
        int id;
        EventLevel level;
    } expected[] = {
        {ChangeEventKind::Saved, 1000, EventLevel::Information},
        {ChangeEventKind::Restored, 1001, EventLevel::Information},
        {ChangeEventKind::Busy, 2000, EventLevel::Warning},
        {ChangeEventKind::ChangedMeanwhile, 2001, EventLevel::Warning},
        {ChangeEventKind::NotAccepted, 2002, EventLevel::Warning},
        {ChangeEventKind::Failed, 3000, EventLevel::Error},
    };
    ASSERT_EQ(eventMessages().size(), std::size(expected));
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(eventMessage(e.kind).id, e.id);
        EXPECT_EQ(eventMessage(e.kind).level, e.level);
    }
}

ChangeEvent savedEvent() {
    ChangeEvent event;
    event.printer = "病棟リストバンド 3F";
    event.file = fs::path(u8"C:/Windows/System32/spool/drivers/x64/3/ALTOD.DVF");
    event.author = {"BYOIN\\田中", "NS-3F-PC01", "VXDrvFontTool 4.0.0"};
    event.fonts = {{"ZELバーコード03", "ZEL文字フォント05"}};
    event.keptVersion = fs::path("C:/history/ALTOD.DVF-1/00000012_2024-05-01_10-30-00.dvf");
    return event;
}

TEST(ChangeEvents, ASaveTellsWhoChangedWhichFontsAndTheVersionKept) {
    EXPECT_EQ(eventText(savedEvent()),
              "設定ファイルを保存しました。\n"
              "\n"
              "プリンタ： 病棟リストバンド 3F\n"
              "ファイル： C:/Windows/System32/spool/drivers/x64/3/ALTOD.DVF\n"
              "ユーザー： BYOIN\\田中\n"
              "コンピュータ： NS-3F-PC01\n"
              "プログラム： VXDrvFontTool 4.0.0\n"
              "変更したフォントの数： 2\n"
              "変更したフォント： ZELバーコード03、ZEL文字フォント05\n"
              "残した以前の設定の番号： 12\n"
              "残した以前の設定のファイル： "
              "C:/history/ALTOD.DVF-1/00000012_2024-05-01_10-30-00.dvf");
}

TEST(ChangeEvents, ARestoreNamesTheVersionPutBack) {
    ChangeEvent event = savedEvent();
    event.kind = ChangeEventKind::Restored;
    event.restoredVersion = fs::path("C:/history/ALTOD.DVF-1/00000009_2024-04-01_08-00-00.dvf");
    EXPECT_EQ(eventText(event).rfind("設定ファイルを以前の設定に戻しました。\n"
                                     "戻した以前の設定： "
                                     "C:/history/ALTOD.DVF-1/00000009_2024-04-01_08-00-00.dvf\n\n"
                                     "プリンタ： 病棟リストバンド 3F\n",
                                     0),
              0u);
}

TEST(ChangeEvents, WhatIsNotKnownIsSaidSo) {
    ChangeEvent event;
    event.kind = ChangeEventKind::Busy;
    event.file = "ALTOD.DVF";
    const std::vector<std::string> inserts = eventInserts(event);
    ASSERT_EQ(inserts.size(), kEventInsertCount);
    EXPECT_EQ(inserts, (std::vector<std::string>{"（ファイルを指定）", "ALTOD.DVF", "不明", "不明",
                                                 "不明", "不明", "不明", "なし", "なし", ""}));
    event.fonts.emplace();
    EXPECT_EQ(eventInserts(event)[5] + " " + eventInserts(event)[6], "0 なし");
}

TEST(ChangeEvents, InsertsAreReadWithOneOrTwoDigits) {
    const std::vector<std::string> inserts = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    EXPECT_EQ(renderEventText("%1|%10|%2%3|%9 %", inserts), "a|j|bc|i %");
    EXPECT_EQ(renderEventText("%1 %5", {"only"}), "only ");
}

TEST(ChangeEvents, ChangedFontsComeFromTheHistorysComparison) {
    const std::string before = cp932("[DVF]\r\nVersion=2\r\n");
    const std::string after =
        cp932("[DVF]\r\nVersion=2\r\n[ZEL文字フォント03]\r\nFontType=3\r\nPCpb1pb2pb3pb4=0120\r\n");
    EXPECT_EQ(changedFonts(before, after), (std::vector<std::string>{"ZEL文字フォント03"}));
    EXPECT_TRUE(changedFonts(after, after + "; a comment\r\n").empty());
}

// The table as Windows reads a MESSAGETABLE resource: blocks of numbers,
// each entry its length, flags (1: UTF-16) and text.
std::map<int, std::string> decodeMessageTable(const std::string& bytes) {
    const auto number = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
        }
        return value;
    };
    std::map<int, std::string> texts;
    for (std::uint32_t block = 0; block < number(0, 4); ++block) {
        const std::size_t at = 4 + block * 12;
        std::size_t entry = number(at + 8, 4);
        for (std::uint32_t id = number(at, 4); id <= number(at + 4, 4); ++id) {
            const std::uint32_t length = number(entry, 2);
            EXPECT_EQ(number(entry + 2, 2), 1u) << id;
            EXPECT_EQ(length % 4, 0u) << id;
            std::u16string text;
            for (std::size_t i = entry + 4; i + 1 < entry + length; i += 2) {
                const auto unit = static_cast<char16_t>(number(i, 2));
                if (unit == 0) break;
                text += unit;
            }
            texts[static_cast<int>(id)] = utf8FromUtf16(text);
            entry += length;
        }
    }
    return texts;
}

TEST(ChangeEvents, TheMessageTableHoldsEveryTextWithWindowsLineEnds) {
    const std::map<int, std::string> texts = decodeMessageTable(messageTableResource());
    ASSERT_EQ(texts.size(), eventMessages().size());
    for (const EventMessage& message : eventMessages()) {
        SCOPED_TRACE(message.id);
        ASSERT_TRUE(texts.contains(message.id));
        std::string expected;
        for (const char c : message.text)
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_EQ(texts.at(message.id), expected);
    }
}

}  // namespace
}  // namespace vx
