#include "pages/page_fields.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "pages/per_font_memory.h"
#include "settings/codepage.h"
#include "tests/pages/fake_controls.h"

namespace vx {
namespace {

struct PadCase {
    const char* text;
    int width;
    const char* padded;
};

TEST(ZeroPadded, FillsWithZerosAndNeverCuts) {
    const PadCase cases[] = {
        {"5", 2, "05"},    {"123", 4, "0123"}, {"12345", 4, "12345"},
        {"12", 2, "12"},   {"", 3, "000"},     {"ab", 4, "00ab"},
        {"7", 5, "00007"}, {"-3", 3, "0-3"},   {"default", 2, "default"},
    };
    for (const PadCase& c : cases) EXPECT_EQ(zeroPadded(c.text, c.width), c.padded) << c.text;
}

TEST(ZeroPadded, CountsTheFilesBytesForRecordTexts) {
    // "あ" is two bytes in the file, three in UTF-8.
    EXPECT_EQ(paddedRecordText("あ", 4), "00" + cp932("あ"));
}

TEST(DecimalText, ReadsTheLeadingIntegerWithoutLeadingZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"0123", "123"}, {"0000", "0"},    {"default", "0"},
        {"", "0"},       {"  42x", "42"},  {"-7", "-7"},
        {"+8", "8"},     {"12ab34", "12"}, {"99999999999999999999", "2147483647"},
    };
    for (const auto& [value, shown] : cases) EXPECT_EQ(decimalText(value), shown) << value;
}

struct ClampCase {
    const char* text;
    FieldRange range;
    const char* corrected;
};

TEST(ClampedText, CorrectsToTheNearestLimit) {
    const FieldRange originX{0, 9999, 4}, areaX{50, 1060, 4}, width{20, 850, 3}, bar{1, 99, 2};
    const ClampCase cases[] = {
        {"-3", originX, "0"},        {"123456", originX, "9999"},  // the first five characters
        {"  42", originX, "42"},     {"\t 42", originX, "42"},
        {"4a", originX, "4"},        {"", originX, "0"},
        {"abc", originX, "0"},       {"  -0", originX, "0"},
        {"0042", originX, "42"},     {"+17", originX, "17"},
        {"7", areaX, "50"},          {"900", width, "850"},
        {"12345", width, "850"},  // read as 1234
        {"0005", bar, "1"},       // read as 000
        {"abc", bar, "1"},           {"-5", bar, "1"},
        {"99", bar, "99"},           {"35", {0, 512, 3}, "35"},
        {"600", {0, 512, 3}, "512"},
    };
    for (const ClampCase& c : cases) EXPECT_EQ(clampedText(c.text, c.range), c.corrected) << c.text;
}

TEST(ClampedText, NeverOverflowsWhateverTheLength) {
    const std::string nines(100000, '9');
    EXPECT_EQ(clampedText(nines, {0, 9999, 4}), "9999");
    EXPECT_EQ(clampedText(nines, {1, 1000, 100}), "1000");  // 101 characters read
    EXPECT_EQ(clampedText(std::string(100000, ' ') + "12", {0, 99, 2}), "12");
}

constexpr int kEdit = 1, kList = 2, kCheck = 3, kFontList = 4, kTypeList = 5;
constexpr FieldBinding kBindings[] = {
    {kEdit, FieldKind::Edit},           {kList, FieldKind::List},
    {kCheck, FieldKind::Check},         {kFontList, FieldKind::FontNameList},
    {kTypeList, FieldKind::List, true},
};

class PageFieldsTest : public ::testing::Test {
protected:
    PageFieldsTest() {
        controls.setItems(kList, {"1.0", "1.5", "10.0"});
        controls.setItems(kFontList, {"a", "b", "c"});
        controls.setItems(kTypeList, {"x", "y"});
    }
    FakeControls controls;
    PageFields fields{kBindings};
};

TEST_F(PageFieldsTest, TakeReadsEveryKindOfControl) {
    controls.setText(kEdit, "12");
    controls.select(kList, 2);
    controls.setChecked(kCheck, true);
    controls.select(kFontList, 1);
    fields.take(controls);
    EXPECT_EQ(fields.text(kEdit), "12");
    EXPECT_EQ(fields.text(kList), "10.0");
    EXPECT_TRUE(fields.flag(kCheck));
    EXPECT_EQ(fields.position(kFontList), 1);
}

TEST_F(PageFieldsTest, ShowChoosesTheFirstItemBeginningWithTheText) {
    fields.setText(kList, "1");
    fields.setFlag(kCheck, true);
    fields.setPosition(kFontList, 2);
    fields.show(controls);
    EXPECT_EQ(controls.selection(kList), 0);
    EXPECT_TRUE(controls.checked(kCheck));
    EXPECT_EQ(controls.selection(kFontList), 2);

    fields.setText(kList, "3.0");  // offered by no item: the choice stays
    fields.show(controls);
    EXPECT_EQ(controls.selection(kList), 0);
    EXPECT_EQ(controls.itemCount(kList), 3);
}

TEST_F(PageFieldsTest, AnUnofferedValueIsShownAsATemporaryItemUntilReplaced) {
    controls.select(kTypeList, 0);
    fields.setText(kTypeList, "z");
    fields.show(controls);
    EXPECT_EQ(controls.itemCount(kTypeList), 3);
    EXPECT_EQ(controls.selectedText(kTypeList), "z");
    fields.take(controls);
    EXPECT_EQ(fields.text(kTypeList), "z");  // a store keeps the value

    fields.show(controls);  // showing it again adds nothing
    EXPECT_EQ(controls.itemCount(kTypeList), 3);

    fields.setText(kTypeList, "y");  // another value: the temporary item goes
    fields.show(controls);
    EXPECT_EQ(controls.itemCount(kTypeList), 2);
    EXPECT_EQ(controls.selectedText(kTypeList), "y");
    EXPECT_FALSE(fields.hasTemporaryItem(kTypeList));
}

TEST_F(PageFieldsTest, TheUsersChoiceOfAnotherItemRemovesTheTemporaryItem) {
    fields.setText(kTypeList, "z");
    fields.show(controls);
    fields.userChose(controls, kTypeList);  // the temporary item itself: stays
    EXPECT_EQ(controls.itemCount(kTypeList), 3);

    controls.select(kTypeList, 1);
    fields.userChose(controls, kTypeList);
    EXPECT_EQ(controls.itemCount(kTypeList), 2);
    EXPECT_EQ(controls.selectedText(kTypeList), "y");
}

TEST_F(PageFieldsTest, UnboundControlsAreAProgrammingError) {
    EXPECT_FALSE(fields.binds(99));
    EXPECT_THROW(fields.text(99), std::out_of_range);
}

TEST_F(PageFieldsTest, ClampFieldCorrectsOneEditAndShowsEveryField) {
    controls.setText(kEdit, "-4");
    controls.select(kList, 1);
    clampField(fields, controls, kEdit, {1, 99, 2});
    EXPECT_EQ(controls.text(kEdit), "1");
    EXPECT_EQ(fields.text(kList), "1.5");
}

TEST(RecordText, ConvertsToTheFilesCodePageAndMarksWhatItLacks) {
    EXPECT_EQ(recordText("自動改行"), cp932("自動改行"));
    EXPECT_EQ(pageText(cp932("自動改行")), "自動改行");
    EXPECT_EQ(recordText("1\xF0\x9F\x98\x80"
                         "2"),
              "1?2");  // an emoji has no place in the file
    EXPECT_EQ(recordText("1\xFF"
                         "2"),
              "1?2");  // nor a byte that is no UTF-8
}

TEST(PerFontMemory, KeepsOneValuePerFontUntilReset) {
    for (int count : {30, 20, 10}) {
        PerFontMemory<std::string> memory(count, "0");
        PerFontMemory<bool> flags(count, true);
        memory[count - 1] = "12";
        flags[0] = false;
        EXPECT_EQ(memory[count - 1], "12");
        EXPECT_EQ(memory[0], "0");
        memory.reset();
        flags.reset();
        EXPECT_EQ(memory[count - 1], "0");
        EXPECT_TRUE(flags[0]);
        EXPECT_EQ(memory.fontCount(), count);
        EXPECT_THROW(memory[count], std::out_of_range);
        EXPECT_THROW(memory[-1], std::out_of_range);
    }
}

}  // namespace
}  // namespace vx
