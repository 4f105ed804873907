// Controls enabled by font type and choice, the lists and range that follow
// the type, and the values a type change sets aside and brings back.
#include <initializer_list>
#include <string>
#include <tuple>

#include "character_font_fixture.h"

namespace vx::charfont {
namespace {

class RulesTest : public CharacterFontPageTest {
protected:
    RulesTest() {
        // Fonts 0 to 2 in a known state: origins and sizes given, nothing
        // decorated, emphasised, adjusted or aligned.
        const int types[] = {kMincho8, kKanjiGothic16, kOutlineGothic};
        for (int n = 0; n < 3; ++n) {
            setType(n, types[n]);
            CharacterFontRecord& r = font(n);
            r.originX = "0010";
            r.originY = "00020";
            r.sizeX = r.sizeY = types[n] == kOutlineGothic ? "0100" : "10";
            r.decoration = "B";
            r.emphasis = r.spacingAdjust = r.alignment = r.rotation = "default";
        }
        page.create();
    }

    void expectEnabled(std::initializer_list<int> ids, bool enabled, const char* why) {
        for (int id : ids) EXPECT_EQ(controls.enabled(id), enabled) << why << ": control " << id;
    }
};

constexpr std::initializer_list<int> kNeverDisabled = {
    kFontNameList,   kTypeList,         kOriginXAuto,       kOriginYAuto,
    kDecorationList, kRotationList,     kSpacingAdjustList, kAlignmentList,
    kCheckDigitList, kZeroSuppressEdit, kZeroSuppressSpin};
constexpr std::initializer_list<int> kMagnification = {kHMagnificationList, kVMagnificationList};
constexpr std::initializer_list<int> kSize = {kWidthEdit,  kWidthSpin,  kWidthAuto,
                                              kHeightEdit, kHeightSpin, kHeightAuto};
constexpr std::initializer_list<int> kShifts = {kShiftXEdit, kShiftXSpin, kShiftYEdit, kShiftYSpin};
constexpr std::initializer_list<int> kReverse = {kReverseAreaXEdit, kReverseAreaXSpin,
                                                 kReverseAreaYEdit, kReverseAreaYSpin};
constexpr std::initializer_list<int> kFrame = {kFrameGapXEdit, kFrameGapXSpin, kFrameGapYEdit,
                                               kFrameGapYSpin};
constexpr std::initializer_list<int> kStrike = {kStrikeEndEdit, kStrikeEndSpin};
constexpr std::initializer_list<int> kAreaX = {kAreaWidthEdit, kAreaWidthSpin};
constexpr std::initializer_list<int> kAreaLines = {kLineFeedEdit, kLineFeedSpin, kAreaLinesEdit,
                                                   kAreaLinesSpin};

TEST_F(RulesTest, EnabledControlsByTypeGroup) {
    for (int n = 0; n < 3; ++n) {
        chooseFont(n);
        const bool outline = n == 2;
        const std::string why = "font " + std::to_string(n);
        expectEnabled(kNeverDisabled, true, why.c_str());
        expectEnabled({kOriginXEdit, kOriginXSpin, kOriginYEdit, kOriginYSpin}, true, why.c_str());
        expectEnabled(kMagnification, !outline, why.c_str());
        expectEnabled(kSize, outline, why.c_str());
        expectEnabled({kEmphasisList}, !outline, why.c_str());
        expectEnabled(kShifts, false, why.c_str());
        expectEnabled({kSpacingEdit, kSpacingSpin}, false, why.c_str());
        expectEnabled(kReverse, false, why.c_str());
        expectEnabled(kFrame, false, why.c_str());
        expectEnabled(kStrike, false, why.c_str());
        expectEnabled(kAreaX, false, why.c_str());
        expectEnabled(kAreaLines, false, why.c_str());
        EXPECT_EQ(controls.itemCount(kRotationList), n == 1 ? 9 : 5) << why;
        EXPECT_EQ(controls.spinRange(kSpacingSpin).second, outline ? 512 : 99) << why;
    }
}

TEST_F(RulesTest, EnabledControlsByChoice) {
    struct {
        int list;
        const char* text;
        std::initializer_list<int> on, off;
    } const cases[] = {
        {kDecorationList, "白抜き文字", kReverse, {kFrameGapXEdit, kFrameGapYSpin, kStrikeEndEdit}},
        {kDecorationList,
         "四角枠付き文字",
         kFrame,
         {kReverseAreaXEdit, kReverseAreaYSpin, kStrikeEndSpin}},
        {kDecorationList, "二重取消線付き文字", kStrike, {kReverseAreaXEdit, kFrameGapXEdit}},
        {kDecorationList, "黒文字", {}, {kReverseAreaXEdit, kFrameGapYEdit, kStrikeEndEdit}},
        {kEmphasisList, "強調する", kShifts, {}},
        {kEmphasisList, "強調しない", {}, kShifts},
        {kSpacingAdjustList, "広げる", {kSpacingEdit, kSpacingSpin}, {}},
        {kSpacingAdjustList, "微調整なし", {}, {kSpacingEdit, kSpacingSpin}},
        {kAlignmentList, "均等割付け", kAreaX, kAreaLines},
        {kAlignmentList, "自動改行", {kAreaWidthEdit, kLineFeedEdit, kAreaLinesSpin}, {}},
        {kAlignmentList, "右寄せ", {}, {kAreaWidthSpin, kLineFeedEdit, kAreaLinesEdit}},
    };
    for (const auto& c : cases) {
        choose(c.list, c.text);
        expectEnabled(c.on, true, c.text);
        expectEnabled(c.off, false, c.text);
        expectEnabled(kNeverDisabled, true, c.text);
    }
}

TEST_F(RulesTest, AutoBoxesDisableTheirEditAndSpin) {
    chooseFont(2);
    for (auto [box, edit, spin] : {std::tuple{kOriginXAuto, kOriginXEdit, kOriginXSpin},
                                   std::tuple{kOriginYAuto, kOriginYEdit, kOriginYSpin},
                                   std::tuple{kWidthAuto, kWidthEdit, kWidthSpin},
                                   std::tuple{kHeightAuto, kHeightEdit, kHeightSpin}}) {
        const std::string kept = controls.text(edit);
        click(box);
        expectEnabled({edit, spin}, false, "ticked");
        EXPECT_EQ(controls.text(edit), kept);
        click(box);
        expectEnabled({edit, spin}, true, "unticked");
    }
}

TEST_F(RulesTest, AnOutlineTypeNeverOffersEmphasisAndKeepsTheShifts) {
    choose(kEmphasisList, "強調する");
    typeAndLeave(kShiftXEdit, "7");
    chooseType(kOutlineMincho);
    expectEnabled({kEmphasisList}, false, "outline");
    expectEnabled(kShifts, false, "outline");
    EXPECT_EQ(controls.text(kShiftXEdit), "7");
    EXPECT_EQ(font(0).shiftX, "07");
}

TEST_F(RulesTest, WithoutSpacingAdjustTheSpacingIsDisabledButStored) {
    font(0).spacing = "07";
    page.resetAndShow();
    expectEnabled({kSpacingEdit}, false, "微調整なし");
    page.storeCurrent();
    EXPECT_EQ(font(0).spacing, "07");
}

TEST_F(RulesTest, AMixedKanjiRotationIsSetAsideForOtherTypesAndRestored) {
    chooseFont(1);
    choose(kRotationList, "文字回転0ﾟ 文字列回転90ﾟ ");
    chooseType(kMincho8);
    EXPECT_EQ(font(1).rotation, "33");
    EXPECT_EQ(controls.selectedText(kRotationList), "文字回転270ﾟ 文字列回転270ﾟ ");
    EXPECT_EQ(controls.itemCount(kRotationList), 5);
    chooseType(kKanjiMincho24);
    EXPECT_EQ(font(1).rotation, "01");
    EXPECT_EQ(controls.itemCount(kRotationList), 9);

    chooseType(kGothic12);  // set aside again, then forgotten on opening the list
    page.onListOpened(kRotationList);
    chooseType(kKanjiGothic16);
    EXPECT_EQ(font(1).rotation, "33");
}

TEST_F(RulesTest, LineBreakIsSetAsideForOutlineTypesAndRestored) {
    choose(kAlignmentList, "自動改行");
    typeAndLeave(kAreaWidthEdit, "300");
    typeAndLeave(kLineFeedEdit, "40");
    typeAndLeave(kAreaLinesEdit, "3");
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).alignmentMode, "4");
    EXPECT_EQ(font(0).areaWidth, "0300");
    EXPECT_EQ(items(kAlignmentList).size(), 5u);
    expectEnabled(kAreaX, true, "均等割付け");
    expectEnabled(kAreaLines, false, "均等割付け");
    chooseType(kGothic12);
    EXPECT_EQ(controls.selectedText(kAlignmentList), "自動改行");
    EXPECT_EQ(font(0).alignmentMode, "5");
    EXPECT_EQ(font(0).lineFeed, "040");
    EXPECT_EQ(font(0).areaLines, "03");

    chooseType(kOutlineMincho);  // set aside again, then forgotten on opening the list
    page.onListOpened(kAlignmentList);
    chooseType(kMincho8);
    EXPECT_EQ(font(0).alignmentMode, "4");
    EXPECT_EQ(items(kAlignmentList).size(), 6u);
}

TEST_F(RulesTest, TheLineTextsOfATypeChangeAreThoseShownBefore) {
    choose(kAlignmentList, "自動改行");
    typeAndLeave(kLineFeedEdit, "40");
    controls.setText(kLineFeedEdit, "77");  // typed, the field never left
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).lineFeed, "040");
}

TEST_F(RulesTest, AWideSpacingIsSetAsideForBitmapTypesAndRestored) {
    chooseFont(2);
    choose(kSpacingAdjustList, "広げる");
    typeAndLeave(kSpacingEdit, "300");
    chooseType(kMincho8);
    EXPECT_EQ(controls.text(kSpacingEdit), "99");
    EXPECT_EQ(font(2).spacing, "99");
    chooseType(kOutlineMincho);
    EXPECT_EQ(controls.text(kSpacingEdit), "300");
    EXPECT_EQ(font(2).spacing, "300");

    chooseType(kMincho8);  // set aside again; leaving the field after an edit keeps the edit
    typeAndLeave(kSpacingEdit, "50");
    chooseType(kOutlineMincho);
    EXPECT_EQ(font(2).spacing, "050");
}

TEST_F(RulesTest, SizesRightAfterAResetFollowTheRememberedAutoBoxes) {
    page.resetAndShow();
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).sizeX, "default");
    EXPECT_EQ(font(0).sizeY, "default");
    EXPECT_EQ(controls.text(kWidthEdit), "20");
    EXPECT_FALSE(controls.enabled(kHeightEdit));

    chooseFont(2);
    chooseType(kMincho8);
    EXPECT_EQ(font(2).sizeX, "10");
    EXPECT_EQ(font(2).sizeY, "10");
}

TEST_F(RulesTest, TypeChangesWithinAGroupStillApplyTheGroupsRules) {
    chooseType(kGothic12);  // "自動改行" is there already: not added twice
    EXPECT_EQ(items(kAlignmentList).size(), 6u);
    chooseFont(1);
    choose(kRotationList, "文字回転270ﾟ 文字列回転0ﾟ ");
    chooseType(kKanjiMincho24);  // kanji to kanji keeps it
    EXPECT_EQ(font(1).rotation, "30");
    chooseType(kGothic12);  // kanji to plain bitmap takes it out
    EXPECT_EQ(font(1).rotation, "33");
}

TEST_F(RulesTest, SetAsideValuesBelongToOneFontAndGoWithAReset) {
    chooseFont(1);
    choose(kRotationList, "文字回転90ﾟ 文字列回転180ﾟ ");
    chooseType(kMincho8);
    EXPECT_EQ(page.memories().rememberedRotationCode[1], "12");
    chooseFont(0);
    chooseType(kKanjiGothic16);  // another font: nothing of font 1 comes back
    EXPECT_EQ(font(0).rotation, "default");
    page.resetAndShow();
    chooseFont(1);
    chooseType(kKanjiGothic16);
    EXPECT_EQ(font(1).rotation, "33");
}

}  // namespace
}  // namespace vx::charfont
