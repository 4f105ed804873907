// Moving values between the page's controls and the records.
#include <string>
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
    EXPECT_EQ(controls.itemCount(kFontNameList), 30);
    EXPECT_EQ(controls.itemText(kFontNameList, 29), "ZEL文字フォント30");
    EXPECT_EQ(controls.itemCount(kTypeList), 27);
    EXPECT_EQ(controls.itemText(kTypeList, 20), "ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)");
    EXPECT_EQ(items(kHMagnificationList).size(), 19u);
    EXPECT_EQ(items(kAlignmentList).back(), "自動改行");
    EXPECT_EQ(items(kRotationList).size(), 5u);  // font 1 is not a kanji type
    for (const NumericEdit& edit : kNumericEdits) {
        EXPECT_EQ(controls.spinRange(edit.spin),
                  std::make_pair(edit.range.minimum, edit.range.maximum))
            << edit.edit;
    }
    EXPECT_EQ(controls.spinRange(kAreaWidthSpin).second, 1060);
    EXPECT_EQ(page.currentFont(), 0);
    EXPECT_EQ(controls.selectedText(kFontNameList), "ZEL文字フォント01");
    EXPECT_EQ(controls.selectedText(kTypeList), "明朝 8ポイント");
}

TEST_F(PageTest, CreationFromAnEmptyStoreShowsTheFirstType) {
    SettingsStore empty;
    FakeControls fresh;
    CharacterFontPage emptyPage(empty, fresh);
    emptyPage.create();
    EXPECT_EQ(fresh.selectedText(kTypeList), "明朝 8ポイント");
    emptyPage.storeCurrent();
    EXPECT_EQ(empty.fonts[0].typeIndex, 0);
    EXPECT_EQ(empty.fonts[0].sizeX, "10");
}

TEST_F(PageTest, OriginShowsItsNumberOrTheRememberedTextAndStoresBack) {
    font(0).originX = "0120";
    font(0).originY = "default";
    show(0);
    EXPECT_EQ(controls.text(kOriginXEdit), "120");
    EXPECT_FALSE(controls.checked(kOriginXAuto));
    EXPECT_EQ(controls.text(kOriginYEdit), "0");
    EXPECT_TRUE(controls.checked(kOriginYAuto));
    EXPECT_FALSE(controls.enabled(kOriginYEdit));
    EXPECT_FALSE(controls.enabled(kOriginYSpin));
    page.storeCurrent();
    EXPECT_EQ(font(0).originX, "0120");
    EXPECT_EQ(font(0).originY, "default");
}

TEST_F(PageTest, UntickingAutoBringsBackTheLastOriginOfThatFont) {
    ASSERT_TRUE(controls.checked(kOriginXAuto));  // the factory origin is "default"
    click(kOriginXAuto);
    typeAndLeave(kOriginXEdit, "345");
    click(kOriginXAuto);
    chooseFont(4);
    chooseFont(0);
    EXPECT_EQ(font(0).originX, "default");
    EXPECT_EQ(controls.text(kOriginXEdit), "345");
    click(kOriginXAuto);
    EXPECT_TRUE(controls.enabled(kOriginXEdit));
    page.storeCurrent();
    EXPECT_EQ(font(0).originX, "0345");
}

TEST(MagnificationCodes, BothWaysWithTheirFallbacks) {
    for (std::string_view text : kMagnificationTexts) {
        const std::string code = magnificationCode(text);
        EXPECT_EQ(code, (std::string{text[0], text[2]}));
        EXPECT_EQ(magnificationText(code), text);
    }
    for (const char* unknown : {"default", "", "1", "100", "96", "00"}) {
        EXPECT_EQ(magnificationText(unknown), "1.0") << unknown;
    }
    EXPECT_EQ(magnificationCode("10.0"), "10");
    EXPECT_EQ(magnificationCode(""), "10");
}

TEST(RotationCodes, BothWaysWithTheirFallbacks) {
    const char* codes[] = {"default", "00", "11", "22", "33", "01", "12", "23", "30"};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        EXPECT_EQ(rotationCode(kRotationTexts[i]), codes[i]);
        EXPECT_EQ(rotationText(codes[i]), kRotationTexts[i]);
    }
    EXPECT_EQ(rotationText("13"), "自動");
    EXPECT_EQ(rotationText(""), "自動");
    EXPECT_EQ(rotationCode("文字回転0ﾟ 文字列回転0ﾟ"), "default");  // the blank belongs to the text
}

TEST_F(PageTest, MagnificationOfABitmapType) {
    font(0).sizeX = "25";
    font(0).sizeY = "default";
    show(0);
    EXPECT_EQ(controls.selectedText(kHMagnificationList), "2.5");
    EXPECT_EQ(controls.selectedText(kVMagnificationList), "1.0");
    page.storeCurrent();
    EXPECT_EQ(font(0).sizeX, "25");
    EXPECT_EQ(font(0).sizeY, "10");
}

TEST_F(PageTest, WidthOfAnOutlineTypeIsDefaultWhileAutoIsTicked) {
    chooseFont(20);
    ASSERT_TRUE(controls.checked(kWidthAuto));
    page.storeCurrent();
    EXPECT_EQ(font(20).sizeX, "default");
    click(kWidthAuto);
    typeAndLeave(kWidthEdit, "300");
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
        choose(kSpacingAdjustList, "広げる");
        typeAndLeave(kSpacingEdit, c.typed);
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
        {"白抜き文字", kReverseAreaXEdit, kReverseAreaYEdit, "W", "0312"},
        {"四角枠付き文字", kFrameGapXEdit, kFrameGapYEdit, "F", "0312"},
        {"二重取消線付き文字", kStrikeEndEdit, 0, "C", "03"},
        {"黒文字", kReverseAreaXEdit, 0, "B", "default"},
    };
    for (const auto& c : cases) {
        choose(kDecorationList, c.decoration);
        typeAndLeave(c.edit1, "3");
        if (c.edit2 != 0) typeAndLeave(c.edit2, "12");
        page.storeCurrent();
        EXPECT_EQ(font(0).decoration, c.code);
        EXPECT_EQ(font(0).decorationParams, c.params);
        show(0);
        EXPECT_EQ(controls.selectedText(kDecorationList), c.decoration);
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
    EXPECT_EQ(controls.text(kReverseAreaXEdit), "7");
    EXPECT_EQ(controls.text(kReverseAreaYEdit), "0");
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
        {kCheckDigitList, "モジュラス10", &CharacterFontRecord::checkDigit, "M", &CharacterFontRecord::checkDigitMode,
         "0"},
        {kCheckDigitList, "モジュラス43", &CharacterFontRecord::checkDigit, "M", &CharacterFontRecord::checkDigitMode,
         "1"},
        {kCheckDigitList, "指定なし", &CharacterFontRecord::checkDigit, "default",
         &CharacterFontRecord::checkDigitMode, "default"},
        {kAlignmentList, "左寄せ", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode, "1"},
        {kAlignmentList, "均等割付け", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode,
         "4"},
        {kAlignmentList, "自動改行", &CharacterFontRecord::alignment, "P", &CharacterFontRecord::alignmentMode, "5"},
        {kAlignmentList, "文字寄せなし", &CharacterFontRecord::alignment, "default",
         &CharacterFontRecord::alignmentMode, "default"},
        {kSpacingAdjustList, "狭める", &CharacterFontRecord::spacingAdjust, "-", &CharacterFontRecord::spacingAdjust,
         "-"},
        {kSpacingAdjustList, "微調整なし", &CharacterFontRecord::spacingAdjust, "default",
         &CharacterFontRecord::spacingAdjust, "default"},
        {kEmphasisList, "強調する", &CharacterFontRecord::emphasis, "J", &CharacterFontRecord::emphasis, "J"},
        {kEmphasisList, "強調しない", &CharacterFontRecord::emphasis, "default", &CharacterFontRecord::emphasis,
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
    typeAndLeave(kZeroSuppressEdit, "0");
    page.storeCurrent();
    EXPECT_EQ(font(0).zeroSuppress, "default");
    EXPECT_EQ(font(0).zeroSuppressDigits, "default");
    typeAndLeave(kZeroSuppressEdit, "4");
    page.storeCurrent();
    EXPECT_EQ(font(0).zeroSuppress, "Z");
    EXPECT_EQ(font(0).zeroSuppressDigits, "04");
    show(0);
    EXPECT_EQ(controls.text(kZeroSuppressEdit), "4");
}

TEST_F(PageTest, AreaFieldsAreStoredWhateverTheAlignment) {
    font(0).areaWidth = font(0).lineFeed = font(0).areaLines = "default";
    show(0);
    ASSERT_EQ(controls.selectedText(kAlignmentList), "文字寄せなし");
    EXPECT_EQ(controls.text(kAreaWidthEdit), "50");
    EXPECT_EQ(controls.text(kLineFeedEdit), "10");
    EXPECT_EQ(controls.text(kAreaLinesEdit), "1");
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
        {kOriginXEdit, "-3", "0"},     {kOriginXEdit, "123456", "9999"},
        {kOriginXEdit, "  42", "42"},  {kOriginXEdit, "4x", "4"},
        {kOriginXEdit, "", "0"},       {kOriginYEdit, "40000", "32767"},
        {kAreaWidthEdit, "7", "50"},   {kWidthEdit, "900", "850"},
        {kHeightEdit, "1", "20"},      {kReverseAreaXEdit, "0", "1"},
        {kStrikeEndEdit, "100", "99"}, {kZeroSuppressEdit, "41", "40"},
        {kShiftXEdit, "17", "16"},     {kLineFeedEdit, "501", "500"},
        {kAreaLinesEdit, "0", "1"},    {kSpacingEdit, "150", "99"},  // a bitmap type
    };
    for (const auto& c : cases) {
        typeAndLeave(c.edit, c.typed);
        EXPECT_EQ(controls.text(c.edit), c.corrected) << c.edit << " " << c.typed;
    }
    chooseFont(20);
    typeAndLeave(kSpacingEdit, "600");
    EXPECT_EQ(controls.text(kSpacingEdit), "512");
}

TEST_F(PageTest, AValueTypedButNotYetCorrectedIsStoredAsTyped) {
    controls.setText(kAreaWidthEdit, "12a");
    page.storeCurrent();
    EXPECT_EQ(font(0).areaWidth, "012a");
}

TEST_F(PageTest, AnotherFontStoresTheShownOneFirstAndComesBackAsStored) {
    typeAndLeave(kLineFeedEdit, "77");
    chooseFont(3);
    EXPECT_EQ(font(0).lineFeed, "077");
    EXPECT_EQ(page.currentFont(), 3);
    typeAndLeave(kLineFeedEdit, "15");
    chooseFont(0);
    EXPECT_EQ(controls.text(kLineFeedEdit), "77");
    EXPECT_EQ(font(3).lineFeed, "015");
}

TEST_F(PageTest, UnknownRecordValuesShowTheNeutralChoiceAndAreReplaced) {
    CharacterFontRecord& r = font(0);
    r.spacingAdjust = r.rotation = r.decoration = r.emphasis = r.checkDigit = r.alignment = "?";
    r.spacing = "x";
    show(0);
    EXPECT_EQ(controls.selectedText(kSpacingAdjustList), "微調整なし");
    EXPECT_EQ(controls.selectedText(kRotationList), "自動");
    EXPECT_EQ(controls.selectedText(kDecorationList), "黒文字");
    EXPECT_EQ(controls.selectedText(kEmphasisList), "強調しない");
    EXPECT_EQ(controls.selectedText(kCheckDigitList), "指定なし");
    EXPECT_EQ(controls.selectedText(kAlignmentList), "文字寄せなし");
    EXPECT_EQ(controls.text(kSpacingEdit), "0");
    page.storeCurrent();
    EXPECT_EQ(r.rotation, "default");
    EXPECT_EQ(r.decoration, "B");
    EXPECT_EQ(r.spacing, "00");
}

TEST_F(PageTest, ResetAndShowForgetsTheMemoriesAndKeepsTheChosenFont) {
    chooseFont(2);
    click(kOriginXAuto);  // unticked
    typeAndLeave(kOriginXEdit, "88");
    click(kOriginXAuto);
    page.storeCurrent();
    page.resetAndShow();
    EXPECT_EQ(page.currentFont(), 2);
    EXPECT_EQ(controls.text(kOriginXEdit), "0");
    EXPECT_EQ(page.memories().rememberedOriginX[2], "0");
}

// A record value that the list does not offer at that moment stays in the
// record, shown as an extra item, until the user picks another entry.
TEST_F(PageTest, AMixedRotationOfANonKanjiTypeIsShownAndKept) {
    font(1).rotation = "01";
    show(1);
    EXPECT_EQ(controls.itemCount(kRotationList), 6);
    EXPECT_EQ(controls.selectedText(kRotationList), "文字回転0ﾟ 文字列回転90ﾟ ");
    chooseFont(5);
    EXPECT_EQ(font(1).rotation, "01");
    EXPECT_EQ(controls.itemCount(kRotationList), 5);
    chooseFont(1);
    page.storeCurrent();
    EXPECT_EQ(font(1).rotation, "01");

    choose(kRotationList, "文字回転90ﾟ 文字列回転90ﾟ ");
    EXPECT_EQ(controls.itemCount(kRotationList), 5);
    page.storeCurrent();
    EXPECT_EQ(font(1).rotation, "11");
}

TEST_F(PageTest, LineBreakAlignmentIsShownAndKeptWhileTheListLacksIt) {
    font(1).alignment = "P";
    font(1).alignmentMode = "5";
    chooseType(kOutlineGothic);  // font index 0 turns outline: the list loses "自動改行"
    ASSERT_EQ(controls.itemCount(kAlignmentList), 5);
    chooseFont(1);
    EXPECT_EQ(controls.selectedText(kAlignmentList), "自動改行");
    EXPECT_TRUE(controls.enabled(kLineFeedEdit));
    page.storeCurrent();
    EXPECT_EQ(font(1).alignmentMode, "5");

    choose(kAlignmentList, "左寄せ");
    EXPECT_EQ(items(kAlignmentList).size(), 5u);
    page.storeCurrent();
    EXPECT_EQ(font(1).alignmentMode, "1");
}

TEST_F(PageTest, ABitmapTypeChangeTurnsTheExtraItemIntoTheListsOwn) {
    font(1).alignment = "P";
    font(1).alignmentMode = "5";
    chooseType(kOutlineGothic);
    chooseFont(1);
    chooseType(kGothic12);
    choose(kAlignmentList, "左寄せ");
    EXPECT_EQ(items(kAlignmentList).back(), "自動改行");
    EXPECT_EQ(items(kAlignmentList).size(), 6u);
}

}  // namespace
}  // namespace vx::charfont
