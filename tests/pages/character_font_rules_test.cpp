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
    IDC_FONT_FONT_NAME,   IDC_FONT_TYPE,         IDC_FONT_ORIGIN_X_AUTO,       IDC_FONT_ORIGIN_Y_AUTO,
    IDC_FONT_DECORATION, IDC_FONT_ROTATION,     IDC_FONT_SPACING_ADJUST, IDC_FONT_ALIGNMENT,
    IDC_FONT_CHECK_DIGIT, IDC_FONT_ZERO_SUPPRESS, IDC_FONT_ZERO_SUPPRESS_SPIN};
constexpr std::initializer_list<int> kMagnification = {IDC_FONT_H_MAG, IDC_FONT_V_MAG};
constexpr std::initializer_list<int> kSize = {IDC_FONT_WIDTH,  IDC_FONT_WIDTH_SPIN,  IDC_FONT_WIDTH_AUTO,
                                              IDC_FONT_HEIGHT, IDC_FONT_HEIGHT_SPIN, IDC_FONT_HEIGHT_AUTO};
constexpr std::initializer_list<int> kShifts = {IDC_FONT_SHIFT_X, IDC_FONT_SHIFT_X_SPIN, IDC_FONT_SHIFT_Y, IDC_FONT_SHIFT_Y_SPIN};
constexpr std::initializer_list<int> kReverse = {IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_X_SPIN,
                                                 IDC_FONT_REVERSE_AREA_Y, IDC_FONT_REVERSE_AREA_Y_SPIN};
constexpr std::initializer_list<int> kFrame = {IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_X_SPIN, IDC_FONT_FRAME_GAP_Y,
                                               IDC_FONT_FRAME_GAP_Y_SPIN};
constexpr std::initializer_list<int> kStrike = {IDC_FONT_STRIKE_END, IDC_FONT_STRIKE_END_SPIN};
constexpr std::initializer_list<int> kAreaX = {IDC_FONT_AREA_WIDTH, IDC_FONT_AREA_WIDTH_SPIN};
constexpr std::initializer_list<int> kAreaLines = {IDC_FONT_LINE_FEED, IDC_FONT_LINE_FEED_SPIN, IDC_FONT_AREA_LINES,
                                                   IDC_FONT_AREA_LINES_SPIN};

TEST_F(RulesTest, EnabledControlsByTypeGroup) {
    for (int n = 0; n < 3; ++n) {
        chooseFont(n);
        const bool outline = n == 2;
        const std::string why = "font " + std::to_string(n);
        expectEnabled(kNeverDisabled, true, why.c_str());
        expectEnabled({IDC_FONT_ORIGIN_X, IDC_FONT_ORIGIN_X_SPIN, IDC_FONT_ORIGIN_Y, IDC_FONT_ORIGIN_Y_SPIN}, true, why.c_str());
        expectEnabled(kMagnification, !outline, why.c_str());
        expectEnabled(kSize, outline, why.c_str());
        expectEnabled({IDC_FONT_EMPHASIS}, !outline, why.c_str());
        expectEnabled(kShifts, false, why.c_str());
        expectEnabled({IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN}, false, why.c_str());
        expectEnabled(kReverse, false, why.c_str());
        expectEnabled(kFrame, false, why.c_str());
        expectEnabled(kStrike, false, why.c_str());
        expectEnabled(kAreaX, false, why.c_str());
        expectEnabled(kAreaLines, false, why.c_str());
        EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), n == 1 ? 9 : 5) << why;
        EXPECT_EQ(controls.spinRange(IDC_FONT_SPACING_SPIN).second, outline ? 512 : 99) << why;
    }
}

TEST_F(RulesTest, EnabledControlsByChoice) {
    struct {
        int list;
        const char* text;
        std::initializer_list<int> on, off;
    } const cases[] = {
        {IDC_FONT_DECORATION, "白抜き文字", kReverse, {IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_Y_SPIN, IDC_FONT_STRIKE_END}},
        {IDC_FONT_DECORATION,
         "四角枠付き文字",
         kFrame,
         {IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_Y_SPIN, IDC_FONT_STRIKE_END_SPIN}},
        {IDC_FONT_DECORATION, "二重取消線付き文字", kStrike, {IDC_FONT_REVERSE_AREA_X, IDC_FONT_FRAME_GAP_X}},
        {IDC_FONT_DECORATION, "黒文字", {}, {IDC_FONT_REVERSE_AREA_X, IDC_FONT_FRAME_GAP_Y, IDC_FONT_STRIKE_END}},
        {IDC_FONT_EMPHASIS, "強調する", kShifts, {}},
        {IDC_FONT_EMPHASIS, "強調しない", {}, kShifts},
        {IDC_FONT_SPACING_ADJUST, "広げる", {IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN}, {}},
        {IDC_FONT_SPACING_ADJUST, "微調整なし", {}, {IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN}},
        {IDC_FONT_ALIGNMENT, "均等割付け", kAreaX, kAreaLines},
        {IDC_FONT_ALIGNMENT, "自動改行", {IDC_FONT_AREA_WIDTH, IDC_FONT_LINE_FEED, IDC_FONT_AREA_LINES_SPIN}, {}},
        {IDC_FONT_ALIGNMENT, "右寄せ", {}, {IDC_FONT_AREA_WIDTH_SPIN, IDC_FONT_LINE_FEED, IDC_FONT_AREA_LINES}},
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
    for (auto [box, edit, spin] : {std::tuple{IDC_FONT_ORIGIN_X_AUTO, IDC_FONT_ORIGIN_X, IDC_FONT_ORIGIN_X_SPIN},
                                   std::tuple{IDC_FONT_ORIGIN_Y_AUTO, IDC_FONT_ORIGIN_Y, IDC_FONT_ORIGIN_Y_SPIN},
                                   std::tuple{IDC_FONT_WIDTH_AUTO, IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN},
                                   std::tuple{IDC_FONT_HEIGHT_AUTO, IDC_FONT_HEIGHT, IDC_FONT_HEIGHT_SPIN}}) {
        const std::string kept = controls.text(edit);
        click(box);
        expectEnabled({edit, spin}, false, "ticked");
        EXPECT_EQ(controls.text(edit), kept);
        click(box);
        expectEnabled({edit, spin}, true, "unticked");
    }
}

TEST_F(RulesTest, AnOutlineTypeNeverOffersEmphasisAndKeepsTheShifts) {
    choose(IDC_FONT_EMPHASIS, "強調する");
    typeAndLeave(IDC_FONT_SHIFT_X, "7");
    chooseType(kOutlineMincho);
    expectEnabled({IDC_FONT_EMPHASIS}, false, "outline");
    expectEnabled(kShifts, false, "outline");
    EXPECT_EQ(controls.text(IDC_FONT_SHIFT_X), "7");
    EXPECT_EQ(font(0).shiftX, "07");
}

TEST_F(RulesTest, WithoutSpacingAdjustTheSpacingIsDisabledButStored) {
    font(0).spacing = "07";
    page.resetAndShow();
    expectEnabled({IDC_FONT_SPACING}, false, "微調整なし");
    page.storeCurrent();
    EXPECT_EQ(font(0).spacing, "07");
}

TEST_F(RulesTest, AMixedKanjiRotationIsSetAsideForOtherTypesAndRestored) {
    chooseFont(1);
    choose(IDC_FONT_ROTATION, "文字回転0ﾟ 文字列回転90ﾟ ");
    chooseType(kMincho8);
    EXPECT_EQ(font(1).rotation, "33");
    EXPECT_EQ(controls.selectedText(IDC_FONT_ROTATION), "文字回転270ﾟ 文字列回転270ﾟ ");
    EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), 5);
    chooseType(kKanjiMincho24);
    EXPECT_EQ(font(1).rotation, "01");
    EXPECT_EQ(controls.itemCount(IDC_FONT_ROTATION), 9);

    chooseType(kGothic12);  // set aside again, then forgotten on opening the list
    page.onListOpened(IDC_FONT_ROTATION);
    chooseType(kKanjiGothic16);
    EXPECT_EQ(font(1).rotation, "33");
}

TEST_F(RulesTest, LineBreakIsSetAsideForOutlineTypesAndRestored) {
    choose(IDC_FONT_ALIGNMENT, "自動改行");
    typeAndLeave(IDC_FONT_AREA_WIDTH, "300");
    typeAndLeave(IDC_FONT_LINE_FEED, "40");
    typeAndLeave(IDC_FONT_AREA_LINES, "3");
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).alignmentMode, "4");
    EXPECT_EQ(font(0).areaWidth, "0300");
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).size(), 5u);
    expectEnabled(kAreaX, true, "均等割付け");
    expectEnabled(kAreaLines, false, "均等割付け");
    chooseType(kGothic12);
    EXPECT_EQ(controls.selectedText(IDC_FONT_ALIGNMENT), "自動改行");
    EXPECT_EQ(font(0).alignmentMode, "5");
    EXPECT_EQ(font(0).lineFeed, "040");
    EXPECT_EQ(font(0).areaLines, "03");

    chooseType(kOutlineMincho);  // set aside again, then forgotten on opening the list
    page.onListOpened(IDC_FONT_ALIGNMENT);
    chooseType(kMincho8);
    EXPECT_EQ(font(0).alignmentMode, "4");
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).size(), 6u);
}

TEST_F(RulesTest, TheLineTextsOfATypeChangeAreThoseShownBefore) {
    choose(IDC_FONT_ALIGNMENT, "自動改行");
    typeAndLeave(IDC_FONT_LINE_FEED, "40");
    controls.setText(IDC_FONT_LINE_FEED, "77");  // typed, the field never left
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).lineFeed, "040");
}

TEST_F(RulesTest, AWideSpacingIsSetAsideForBitmapTypesAndRestored) {
    chooseFont(2);
    choose(IDC_FONT_SPACING_ADJUST, "広げる");
    typeAndLeave(IDC_FONT_SPACING, "300");
    chooseType(kMincho8);
    EXPECT_EQ(controls.text(IDC_FONT_SPACING), "99");
    EXPECT_EQ(font(2).spacing, "99");
    chooseType(kOutlineMincho);
    EXPECT_EQ(controls.text(IDC_FONT_SPACING), "300");
    EXPECT_EQ(font(2).spacing, "300");

    chooseType(kMincho8);  // set aside again; leaving the field after an edit keeps the edit
    typeAndLeave(IDC_FONT_SPACING, "50");
    chooseType(kOutlineMincho);
    EXPECT_EQ(font(2).spacing, "050");
}

TEST_F(RulesTest, SizesRightAfterAResetFollowTheRememberedAutoBoxes) {
    page.resetAndShow();
    chooseType(kOutlineGothic);
    EXPECT_EQ(font(0).sizeX, "default");
    EXPECT_EQ(font(0).sizeY, "default");
    EXPECT_EQ(controls.text(IDC_FONT_WIDTH), "20");
    EXPECT_FALSE(controls.enabled(IDC_FONT_HEIGHT));

    chooseFont(2);
    chooseType(kMincho8);
    EXPECT_EQ(font(2).sizeX, "10");
    EXPECT_EQ(font(2).sizeY, "10");
}

TEST_F(RulesTest, TypeChangesWithinAGroupStillApplyTheGroupsRules) {
    chooseType(kGothic12);  // "自動改行" is there already: not added twice
    EXPECT_EQ(items(IDC_FONT_ALIGNMENT).size(), 6u);
    chooseFont(1);
    choose(IDC_FONT_ROTATION, "文字回転270ﾟ 文字列回転0ﾟ ");
    chooseType(kKanjiMincho24);  // kanji to kanji keeps it
    EXPECT_EQ(font(1).rotation, "30");
    chooseType(kGothic12);  // kanji to plain bitmap takes it out
    EXPECT_EQ(font(1).rotation, "33");
}

TEST_F(RulesTest, SetAsideValuesBelongToOneFontAndGoWithAReset) {
    chooseFont(1);
    choose(IDC_FONT_ROTATION, "文字回転90ﾟ 文字列回転180ﾟ ");
    chooseType(kMincho8);
    EXPECT_EQ(page.memories().rememberedRotationText[1], "文字回転90ﾟ 文字列回転180ﾟ ");
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
