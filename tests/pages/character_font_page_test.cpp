// Moving values between the page's controls and the records.
#include <string>
#include <tuple>
#include <vector>

#include "character_font_fixture.h"

namespace vx::charfont {
namespace {

class PageTest : public CharacterFontPageTest {
protected:
    PageTest() { page.create(); }

    // Shows font n from its record, as after reading a file (the font shown
    // before is stored into its own record).
    void show(int n) {
        if (page.currentFont() != n) chooseFont(n);
        page.resetAndShow();
    }
};

TEST_F(PageTest, CreationFillsTheListsAndSpinRangesAndShowsTheFirstFont) {
    EXPECT_EQ(controls.itemCount(IDC_FONT_FONT_NAME), 30);
    EXPECT_EQ(controls.itemText(IDC_FONT_FONT_NAME, 29), "ZEL文字フォント30");
    EXPECT_EQ(controls.itemCount(IDC_FONT_TYPE), 27);
    EXPECT_EQ(controls.itemText(IDC_FONT_TYPE, 20), "ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)");
    EXPECT_EQ(items(IDC_FONT_H_MAG).size(), 19u);
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).back(), "自動改行");
    EXPECT_EQ(items(IDC_FONT_ROTATION).size(), 5u);  // font 1 is not a kanji type
    // Spin ranges as the user meets them, written out here rather than read
    // from the page's rows.
    const std::tuple<int, int, int> spins[] = {
        {IDC_FONT_ORIGIN_X_SPIN, 0, 9999},      {IDC_FONT_ORIGIN_Y_SPIN, 0, 32767},
        {IDC_FONT_WIDTH_SPIN, 20, 850},         {IDC_FONT_HEIGHT_SPIN, 20, 850},
        {IDC_FONT_REVERSE_AREA_X_SPIN, 1, 99},  {IDC_FONT_REVERSE_AREA_Y_SPIN, 1, 99},
        {IDC_FONT_FRAME_GAP_X_SPIN, 1, 99},     {IDC_FONT_FRAME_GAP_Y_SPIN, 1, 99},
        {IDC_FONT_STRIKE_END_SPIN, 1, 99},      {IDC_FONT_ZERO_SUPPRESS_SPIN, 0, 40},
        {IDC_FONT_SPACING_SPIN, 0, 99},         {IDC_FONT_SHIFT_X_SPIN, 0, 16},
        {IDC_FONT_SHIFT_Y_SPIN, 0, 16},         {IDC_FONT_AREA_WIDTH_SPIN, 50, 1060},
        {IDC_FONT_LINE_FEED_SPIN, 10, 500},     {IDC_FONT_AREA_LINES_SPIN, 1, 99},
    };
    for (const auto& [spin, minimum, maximum] : spins) {
        EXPECT_EQ(controls.spinRange(spin), std::make_pair(minimum, maximum)) << spin;
    }
    EXPECT_EQ(page.currentFont(), 0);
    EXPECT_EQ(controls.selectedText(IDC_FONT_FONT_NAME), "ZEL文字フォント01");
    EXPECT_EQ(controls.selectedText(IDC_FONT_TYPE), "明朝 8ポイント");
}

TEST_F(PageTest, CreationFromAnEmptyStoreShowsTheFirstType) {
    SettingsStore empty;
    FakeControls fresh;
    CharacterFontPage emptyPage(empty, fresh);
    emptyPage.create();
    EXPECT_EQ(fresh.selectedText(IDC_FONT_TYPE), "明朝 8ポイント");
    emptyPage.storeCurrent();
    EXPECT_EQ(empty.fonts[0].typeIndex, 0);
    EXPECT_EQ(empty.fonts[0].sizeX, "10");
}

TEST_F(PageTest, TheDescribedRecordLeavesTheSizeMemoriesAsTheyWere) {
    setType(0, kOutlineGothic);
    show(0);
    ASSERT_FALSE(controls.checked(IDC_FONT_WIDTH_AUTO));  // the record holds a width
    typeAndLeave(IDC_FONT_WIDTH, "300");
    const CharacterFontRecord described = page.describedRecord();
    EXPECT_EQ(described.sizeX, "0300");
    EXPECT_EQ(page.rememberedText(IDC_FONT_WIDTH)[0], "20");
    EXPECT_EQ(page.memories().rememberedWidthAuto[0], true);
    page.storeCurrent();
    EXPECT_EQ(font(0).sizeX, "0300");
    EXPECT_EQ(page.rememberedText(IDC_FONT_WIDTH)[0], "300");
}

TEST_F(PageTest, OriginShowsItsNumberOrTheRememberedTextAndStoresBack) {
    font(0).originX = "0120";
    font(0).originY = "default";
    show(0);
    EXPECT_EQ(controls.text(IDC_FONT_ORIGIN_X), "120");
    EXPECT_FALSE(controls.checked(IDC_FONT_ORIGIN_X_AUTO));
    EXPECT_EQ(controls.text(IDC_FONT_ORIGIN_Y), "0");
    EXPECT_TRUE(controls.checked(IDC_FONT_ORIGIN_Y_AUTO));
    EXPECT_FALSE(controls.enabled(IDC_FONT_ORIGIN_Y));
    EXPECT_FALSE(controls.enabled(IDC_FONT_ORIGIN_Y_SPIN));
    page.storeCurrent();
    EXPECT_EQ(font(0).originX, "0120");
    EXPECT_EQ(font(0).originY, "default");
}

TEST_F(PageTest, UntickingAutoBringsBackTheLastOriginOfThatFont) {
    ASSERT_TRUE(controls.checked(IDC_FONT_ORIGIN_X_AUTO));  // the factory origin is "default"
    click(IDC_FONT_ORIGIN_X_AUTO);
    typeAndLeave(IDC_FONT_ORIGIN_X, "345");
    click(IDC_FONT_ORIGIN_X_AUTO);
    chooseFont(4);
    chooseFont(0);
    EXPECT_EQ(font(0).originX, "default");
    EXPECT_EQ(controls.text(IDC_FONT_ORIGIN_X), "345");
    click(IDC_FONT_ORIGIN_X_AUTO);
    EXPECT_TRUE(controls.enabled(IDC_FONT_ORIGIN_X));
    page.storeCurrent();
    EXPECT_EQ(font(0).originX, "0345");
}

TEST(MagnificationCodes, BothWaysWithTheirFallbacks) {
    const std::pair<const char*, const char*> entries[] = {
        {"0.5", "05"}, {"1.0", "10"}, {"1.5", "15"}, {"2.0", "20"}, {"2.5", "25"},
        {"3.0", "30"}, {"3.5", "35"}, {"4.0", "40"}, {"4.5", "45"}, {"5.0", "50"},
        {"5.5", "55"}, {"6.0", "60"}, {"6.5", "65"}, {"7.0", "70"}, {"7.5", "75"},
        {"8.0", "80"}, {"8.5", "85"}, {"9.0", "90"}, {"9.5", "95"},
    };
    EXPECT_EQ(kMagnifications.size(), 19);
    for (const auto& [text, code] : entries) {
        EXPECT_EQ(kMagnifications.codeFor(text), code);
        EXPECT_EQ(kMagnifications.textFor(code), text);
    }
    for (const char* unknown : {"default", "", "1", "100", "96", "00"}) {
        EXPECT_EQ(kMagnifications.textFor(unknown), "1.0") << unknown;
    }
    EXPECT_EQ(kMagnifications.codeFor("10.0"), "10");
    EXPECT_EQ(kMagnifications.codeFor(""), "10");
}

TEST(RotationCodes, BothWaysWithTheirFallbacks) {
    const std::pair<const char*, const char*> entries[] = {
        {"自動", "default"},
        {"文字回転0ﾟ 文字列回転0ﾟ ", "00"},
        {"文字回転90ﾟ 文字列回転90ﾟ ", "11"},
        {"文字回転180ﾟ 文字列回転180ﾟ ", "22"},
        {"文字回転270ﾟ 文字列回転270ﾟ ", "33"},
        {"文字回転0ﾟ 文字列回転90ﾟ ", "01"},
        {"文字回転90ﾟ 文字列回転180ﾟ ", "12"},
        {"文字回転180ﾟ 文字列回転270ﾟ ", "23"},
        {"文字回転270ﾟ 文字列回転0ﾟ ", "30"},
    };
    ASSERT_EQ(kRotations.size(), 9);
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        EXPECT_EQ(kRotations.text(static_cast<int>(i)), entries[i].first);
        EXPECT_EQ(kRotations.codeFor(entries[i].first), entries[i].second);
        EXPECT_EQ(kRotations.textFor(entries[i].second), entries[i].first);
    }
    EXPECT_EQ(kRotations.textFor("13"), "自動");
    EXPECT_EQ(kRotations.textFor(""), "自動");
    // The blank belongs to the text.
    EXPECT_EQ(kRotations.codeFor("文字回転0ﾟ 文字列回転0ﾟ"), "default");
}

TEST_F(PageTest, MagnificationOfABitmapType) {
    font(0).sizeX = "25";
    font(0).sizeY = "default";
    show(0);
    EXPECT_EQ(controls.selectedText(IDC_FONT_H_MAG), "2.5");
    EXPECT_EQ(controls.selectedText(IDC_FONT_V_MAG), "1.0");
    page.storeCurrent();
    EXPECT_EQ(font(0).sizeX, "25");
    EXPECT_EQ(font(0).sizeY, "10");
}

TEST_F(PageTest, WidthOfAnOutlineTypeIsDefaultWhileAutoIsTicked) {
    chooseFont(20);
    ASSERT_TRUE(controls.checked(IDC_FONT_WIDTH_AUTO));
    page.storeCurrent();
    EXPECT_EQ(font(20).sizeX, "default");
    click(IDC_FONT_WIDTH_AUTO);
    typeAndLeave(IDC_FONT_WIDTH, "300");
    page.storeCurrent();
    EXPECT_EQ(font(20).sizeX, "0300");
    EXPECT_EQ(font(20).sizeY, "default");
}

TEST_F(PageTest, SpacingIsPaddedByTypeGroup) {
    struct {
        int font;
        const char* typed;
        const char* stored;
    } const cases[] = {{0, "5", "05"}, {20, "5", "005"}, {20, "300", "300"}, {0, "300", "99"}};
    for (const auto& c : cases) {
        chooseFont(c.font);
        choose(IDC_FONT_SPACING_ADJUST, "広げる");
        typeAndLeave(IDC_FONT_SPACING, c.typed);
        page.storeCurrent();
        EXPECT_EQ(font(c.font).spacing, c.stored) << c.font << " " << c.typed;
        EXPECT_EQ(font(c.font).spacingAdjust, "+");
    }
}

TEST_F(PageTest, DecorationAndItsParametersBothWays) {
    struct {
        const char* decoration;
        int edit1, edit2;
        const char* code;
        const char* params;
    } const cases[] = {
        {"白抜き文字", IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_Y, "W", "0312"},
        {"四角枠付き文字", IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_Y, "F", "0312"},
        {"二重取消線付き文字", IDC_FONT_STRIKE_END, 0, "C", "03"},
        {"黒文字", IDC_FONT_REVERSE_AREA_X, 0, "B", "default"},
    };
    for (const auto& c : cases) {
        choose(IDC_FONT_DECORATION, c.decoration);
        typeAndLeave(c.edit1, "3");
        if (c.edit2 != 0) typeAndLeave(c.edit2, "12");
        page.storeCurrent();
        EXPECT_EQ(font(0).decoration, c.code);
        EXPECT_EQ(font(0).decorationParams, c.params);
        show(0);
        EXPECT_EQ(controls.selectedText(IDC_FONT_DECORATION), c.decoration);
        EXPECT_EQ(controls.text(c.edit1), "3");
        if (c.edit2 != 0) {
            EXPECT_EQ(controls.text(c.edit2), "12");
        }
    }
}

TEST_F(PageTest, ShortDecorationParametersReadNothingBeyondTheirEnd) {
    font(0).decoration = "W";
    font(0).decorationParams = "07";
    show(0);
    EXPECT_EQ(controls.text(IDC_FONT_REVERSE_AREA_X), "7");
    EXPECT_EQ(controls.text(IDC_FONT_REVERSE_AREA_Y), "0");
}

TEST_F(PageTest, CodedListsBothWays) {
    struct {
        int list;
        const char* text;
        std::string CharacterFontRecord::*field1;
        const char* code1;
        std::string CharacterFontRecord::*field2;
        const char* code2;
    } const cases[] = {
        {IDC_FONT_CHECK_DIGIT, "モジュラス10", &CharacterFontRecord::checkDigit, "M", &CharacterFontRecord::checkDigitMode,
         "0"},
        {IDC_FONT_CHECK_DIGIT, "モジュラス43", &CharacterFontRecord::checkDigit, "M", &CharacterFontRecord::checkDigitMode,
         "1"},
        {IDC_FONT_CHECK_DIGIT, "指定なし", &CharacterFontRecord::checkDigit, "default",
         &CharacterFontRecord::checkDigitMode, "default"},
        {IDC_FONT_ALIGNMENT, "左寄せ", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode, "1"},
        {IDC_FONT_ALIGNMENT, "均等割付け", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode,
         "4"},
        {IDC_FONT_ALIGNMENT, "自動改行", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode, "5"},
        {IDC_FONT_ALIGNMENT, "文字寄せなし", &CharacterFontRecord::alignment, "default",
         &CharacterFontRecord::alignmentMode, "default"},
        {IDC_FONT_SPACING_ADJUST, "狭める", &CharacterFontRecord::spacingAdjust, "-", &CharacterFontRecord::spacingAdjust,
         "-"},
        {IDC_FONT_SPACING_ADJUST, "微調整なし", &CharacterFontRecord::spacingAdjust, "default",
         &CharacterFontRecord::spacingAdjust, "default"},
        {IDC_FONT_EMPHASIS, "強調する", &CharacterFontRecord::emphasis, "J", &CharacterFontRecord::emphasis, "J"},
        {IDC_FONT_EMPHASIS, "強調しない", &CharacterFontRecord::emphasis, "default", &CharacterFontRecord::emphasis,
         "default"},
    };
    for (const auto& c : cases) {
        choose(c.list, c.text);
        page.storeCurrent();
        EXPECT_EQ(font(0).*c.field1, c.code1) << c.text;
        EXPECT_EQ(font(0).*c.field2, c.code2) << c.text;
        controls.select(c.list, controls.selection(c.list) == 0 ? 1 : 0);
        show(0);  // the record again
        EXPECT_EQ(controls.selectedText(c.list), c.text);
    }
}

TEST_F(PageTest, ZeroSuppressionBothWays) {
    typeAndLeave(IDC_FONT_ZERO_SUPPRESS, "0");
    page.storeCurrent();
    EXPECT_EQ(font(0).zeroSuppress, "default");
    EXPECT_EQ(font(0).zeroSuppressDigits, "default");
    typeAndLeave(IDC_FONT_ZERO_SUPPRESS, "4");
    page.storeCurrent();
    EXPECT_EQ(font(0).zeroSuppress, "Z");
    EXPECT_EQ(font(0).zeroSuppressDigits, "04");
    show(0);
    EXPECT_EQ(controls.text(IDC_FONT_ZERO_SUPPRESS), "4");
}

TEST_F(PageTest, AreaFieldsAreStoredWhateverTheAlignment) {
    font(0).areaWidth = font(0).lineFeed = font(0).areaLines = "default";
    show(0);
    ASSERT_EQ(controls.selectedText(IDC_FONT_ALIGNMENT), "文字寄せなし");
    EXPECT_EQ(controls.text(IDC_FONT_AREA_WIDTH), "50");
    EXPECT_EQ(controls.text(IDC_FONT_LINE_FEED), "10");
    EXPECT_EQ(controls.text(IDC_FONT_AREA_LINES), "1");
    page.storeCurrent();
    EXPECT_EQ(font(0).areaWidth, "0050");
    EXPECT_EQ(font(0).lineFeed, "010");
    EXPECT_EQ(font(0).areaLines, "01");
}

TEST_F(PageTest, EveryEditIsCorrectedWhenItLosesTheFocus) {
    struct {
        int edit;
        const char* typed;
        const char* corrected;
    } const cases[] = {
        {IDC_FONT_ORIGIN_X, "-3", "0"},     {IDC_FONT_ORIGIN_X, "123456", "9999"},
        {IDC_FONT_ORIGIN_X, "  42", "42"},  {IDC_FONT_ORIGIN_X, "4x", "4"},
        {IDC_FONT_ORIGIN_X, "", "0"},       {IDC_FONT_ORIGIN_Y, "40000", "32767"},
        {IDC_FONT_AREA_WIDTH, "7", "50"},   {IDC_FONT_WIDTH, "900", "850"},
        {IDC_FONT_HEIGHT, "1", "20"},      {IDC_FONT_REVERSE_AREA_X, "0", "1"},
        {IDC_FONT_STRIKE_END, "100", "99"}, {IDC_FONT_ZERO_SUPPRESS, "41", "40"},
        {IDC_FONT_SHIFT_X, "17", "16"},     {IDC_FONT_LINE_FEED, "501", "500"},
        {IDC_FONT_AREA_LINES, "0", "1"},    {IDC_FONT_SPACING, "150", "99"},  // a bitmap type
    };
    for (const auto& c : cases) {
        typeAndLeave(c.edit, c.typed);
        EXPECT_EQ(controls.text(c.edit), c.corrected) << c.edit << " " << c.typed;
    }
    chooseFont(20);
    typeAndLeave(IDC_FONT_SPACING, "600");
    EXPECT_EQ(controls.text(IDC_FONT_SPACING), "512");
}

TEST_F(PageTest, AValueTypedButNotYetCorrectedIsStoredAsTyped) {
    controls.setText(IDC_FONT_AREA_WIDTH, "12a");
    page.storeCurrent();
    EXPECT_EQ(font(0).areaWidth, "012a");
}

TEST_F(PageTest, AnotherFontStoresTheShownOneFirstAndComesBackAsStored) {
    typeAndLeave(IDC_FONT_LINE_FEED, "77");
    chooseFont(3);
    EXPECT_EQ(font(0).lineFeed, "077");
    EXPECT_EQ(page.currentFont(), 3);
    typeAndLeave(IDC_FONT_LINE_FEED, "15");
    chooseFont(0);
    EXPECT_EQ(controls.text(IDC_FONT_LINE_FEED), "77");
    EXPECT_EQ(font(3).lineFeed, "015");
}

TEST_F(PageTest, UnknownRecordValuesShowTheNeutralChoiceAndAreReplaced) {
    CharacterFontRecord& r = font(0);
    r.spacingAdjust = r.rotation = r.decoration = r.emphasis = r.checkDigit = r.alignment = "?";
    r.spacing = "x";
    show(0);
    EXPECT_EQ(controls.selectedText(IDC_FONT_SPACING_ADJUST), "微調整なし");
    EXPECT_EQ(controls.selectedText(IDC_FONT_ROTATION), "自動");
    EXPECT_EQ(controls.selectedText(IDC_FONT_DECORATION), "黒文字");
    EXPECT_EQ(controls.selectedText(IDC_FONT_EMPHASIS), "強調しない");
    EXPECT_EQ(controls.selectedText(IDC_FONT_CHECK_DIGIT), "指定なし");
    EXPECT_EQ(controls.selectedText(IDC_FONT_ALIGNMENT), "文字寄せなし");
    EXPECT_EQ(controls.text(IDC_FONT_SPACING), "0");
    page.storeCurrent();
    EXPECT_EQ(r.rotation, "default");
    EXPECT_EQ(r.decoration, "B");
    EXPECT_EQ(r.spacing, "00");
}

TEST_F(PageTest, ResetAndShowForgetsTheMemoriesAndKeepsTheChosenFont) {
    chooseFont(2);
    click(IDC_FONT_ORIGIN_X_AUTO);  // unticked
    typeAndLeave(IDC_FONT_ORIGIN_X, "88");
    click(IDC_FONT_ORIGIN_X_AUTO);
    page.storeCurrent();
    page.resetAndShow();
    EXPECT_EQ(page.currentFont(), 2);
    EXPECT_EQ(controls.text(IDC_FONT_ORIGIN_X), "0");
    EXPECT_EQ(page.rememberedText(IDC_FONT_ORIGIN_X)[2], "0");
}

// A record value that the list does not offer at that moment stays in the
// record, shown as an extra item, until the user picks another entry.
TEST_F(PageTest, AMixedRotationOfANonKanjiTypeIsShownAndKept) {
    font(1).rotation = "01";
    show(1);
    EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), 6);
    EXPECT_EQ(controls.selectedText(IDC_FONT_ROTATION), "文字回転0ﾟ 文字列回転90ﾟ ");
    chooseFont(5);
    EXPECT_EQ(font(1).rotation, "01");
    EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), 5);
    chooseFont(1);
    page.storeCurrent();
    EXPECT_EQ(font(1).rotation, "01");

    choose(IDC_FONT_ROTATION, "文字回転90ﾟ 文字列回転90ﾟ ");
    EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), 5);
    page.storeCurrent();
    EXPECT_EQ(font(1).rotation, "11");
}

TEST_F(PageTest, LineBreakAlignmentIsShownAndKeptWhileTheListLacksIt) {
    font(1).alignment = "P";
    font(1).alignmentMode = "5";
    chooseType(kOutlineGothic);  // font index 0 turns outline: the list loses "自動改行"
    ASSERT_EQ(controls.itemCount(IDC_FONT_ALIGNMENT), 5);
    chooseFont(1);
    EXPECT_EQ(controls.selectedText(IDC_FONT_ALIGNMENT), "自動改行");
    EXPECT_TRUE(controls.enabled(IDC_FONT_LINE_FEED));
    page.storeCurrent();
    EXPECT_EQ(font(1).alignmentMode, "5");

    choose(IDC_FONT_ALIGNMENT, "左寄せ");
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).size(), 5u);
    page.storeCurrent();
    EXPECT_EQ(font(1).alignmentMode, "1");
}

TEST_F(PageTest, ABitmapTypeChangeTurnsTheExtraItemIntoTheListsOwn) {
    font(1).alignment = "P";
    font(1).alignmentMode = "5";
    chooseType(kOutlineGothic);
    chooseFont(1);
    chooseType(kGothic12);
    choose(IDC_FONT_ALIGNMENT, "左寄せ");
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).back(), "自動改行");
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).size(), 6u);
}

}  // namespace
}  // namespace vx::charfont
