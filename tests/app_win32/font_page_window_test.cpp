// The character font page in the real main window: type changes and the
// controls they enable, "自動" boxes, range checks on leaving an edit, the
// spin buttons, the rotation list, and values stored through the real
// controls reaching the driver font file when the window saves.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "tests/app_win32/font_page_window.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

// Type indexes of the type list.
constexpr int kMincho8 = 0;           // bitmap
constexpr int kKanjiGothic16 = 14;    // bitmap and kanji
constexpr int kOutlineBoldEven = 20;  // outline

// The controls that no type and no choice ever disables.
constexpr int kAlwaysUsable[] = {
    IDC_FONT_FONT_NAME,          IDC_FONT_TYPE,
    IDC_FONT_ORIGIN_X_AUTO,      IDC_FONT_ORIGIN_Y_AUTO,
    IDC_FONT_DECORATION,         IDC_FONT_ROTATION,
    IDC_FONT_SPACING_ADJUST,     IDC_FONT_ALIGNMENT,
    IDC_FONT_CHECK_DIGIT,        IDC_FONT_ZERO_SUPPRESS,
    IDC_FONT_ZERO_SUPPRESS_SPIN,
};

class FontPageWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    }

    void expectEnabled(std::initializer_list<int> ids, bool expected) {
        for (int id : ids) EXPECT_EQ(page.enabled(id), expected) << "control " << id;
    }
    std::pair<int, int> spinRange(int spinId) {
        int low = -1, high = -1;
        SendMessageW(page.item(spinId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }

    // The demo file's first font: "明朝 8ポイント" with both origins set,
    // "微調整なし", "黒文字", "強調しない" and "文字寄せなし".
    FontPageWindow page;
};

TEST_F(FontPageWindowTest, AnOutlineTypeSwapsMagnificationAndEmphasisForWidthAndHeight) {
    ASSERT_EQ(page.selectedText(IDC_FONT_TYPE), L"明朝 8ポイント");
    expectEnabled({IDC_FONT_H_MAG, IDC_FONT_V_MAG, IDC_FONT_EMPHASIS}, true);
    expectEnabled({IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN, IDC_FONT_WIDTH_AUTO, IDC_FONT_HEIGHT,
                   IDC_FONT_HEIGHT_SPIN, IDC_FONT_HEIGHT_AUTO},
                  false);

    page.chooseType(kOutlineBoldEven);

    expectEnabled({IDC_FONT_H_MAG, IDC_FONT_V_MAG, IDC_FONT_EMPHASIS, IDC_FONT_SHIFT_X,
                   IDC_FONT_SHIFT_X_SPIN, IDC_FONT_SHIFT_Y, IDC_FONT_SHIFT_Y_SPIN},
                  false);
    // The boxes are usable; right after the file was read both are ticked,
    // so their edits and spins stay disabled.
    expectEnabled({IDC_FONT_WIDTH_AUTO, IDC_FONT_HEIGHT_AUTO}, true);
    EXPECT_TRUE(page.checked(IDC_FONT_WIDTH_AUTO));
    EXPECT_TRUE(page.checked(IDC_FONT_HEIGHT_AUTO));
    expectEnabled({IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN, IDC_FONT_HEIGHT, IDC_FONT_HEIGHT_SPIN},
                  false);
    EXPECT_EQ(page.text(IDC_FONT_WIDTH), L"20");
    // Unchanged by the type: the origins (unticked), spacing ("微調整なし"),
    // decoration ("黒文字") and alignment ("文字寄せなし") fields.
    expectEnabled(
        {IDC_FONT_ORIGIN_X, IDC_FONT_ORIGIN_X_SPIN, IDC_FONT_ORIGIN_Y, IDC_FONT_ORIGIN_Y_SPIN},
        true);
    expectEnabled(
        {IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN, IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_Y,
         IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_Y, IDC_FONT_STRIKE_END, IDC_FONT_AREA_WIDTH,
         IDC_FONT_LINE_FEED, IDC_FONT_AREA_LINES},
        false);
    for (int id : kAlwaysUsable) EXPECT_TRUE(page.enabled(id)) << "control " << id;
    EXPECT_EQ(spinRange(IDC_FONT_SPACING_SPIN), std::make_pair(0, 512));
    EXPECT_EQ(page.itemCount(IDC_FONT_ALIGNMENT), 5);  // without "自動改行"

    page.click(IDC_FONT_WIDTH_AUTO);  // unticked
    expectEnabled({IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN}, true);
    expectEnabled({IDC_FONT_HEIGHT, IDC_FONT_HEIGHT_SPIN}, false);
}

TEST_F(FontPageWindowTest, BackToABitmapTypeMagnificationAndEmphasisReturn) {
    page.chooseType(kOutlineBoldEven);
    page.click(IDC_FONT_WIDTH_AUTO);
    page.chooseType(kMincho8);

    expectEnabled({IDC_FONT_H_MAG, IDC_FONT_V_MAG, IDC_FONT_EMPHASIS}, true);
    expectEnabled({IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN, IDC_FONT_WIDTH_AUTO, IDC_FONT_HEIGHT,
                   IDC_FONT_HEIGHT_SPIN, IDC_FONT_HEIGHT_AUTO},
                  false);
    // "強調しない": the shifts stay disabled until "強調する" is chosen.
    expectEnabled(
        {IDC_FONT_SHIFT_X, IDC_FONT_SHIFT_X_SPIN, IDC_FONT_SHIFT_Y, IDC_FONT_SHIFT_Y_SPIN}, false);
    EXPECT_EQ(spinRange(IDC_FONT_SPACING_SPIN), std::make_pair(0, 99));
    EXPECT_EQ(page.itemCount(IDC_FONT_ALIGNMENT), 6);
    EXPECT_EQ(page.itemText(IDC_FONT_ALIGNMENT, 5), L"自動改行");

    ASSERT_TRUE(page.choose(IDC_FONT_EMPHASIS, L"強調する"));
    expectEnabled(
        {IDC_FONT_SHIFT_X, IDC_FONT_SHIFT_X_SPIN, IDC_FONT_SHIFT_Y, IDC_FONT_SHIFT_Y_SPIN}, true);
}

TEST_F(FontPageWindowTest, ListChoicesEnableTheFieldsTheyUse) {
    ASSERT_TRUE(page.choose(IDC_FONT_DECORATION, L"四角枠付き文字"));
    expectEnabled({IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_X_SPIN, IDC_FONT_FRAME_GAP_Y,
                   IDC_FONT_FRAME_GAP_Y_SPIN},
                  true);
    expectEnabled({IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_X_SPIN, IDC_FONT_REVERSE_AREA_Y,
                   IDC_FONT_REVERSE_AREA_Y_SPIN, IDC_FONT_STRIKE_END, IDC_FONT_STRIKE_END_SPIN},
                  false);

    ASSERT_TRUE(page.choose(IDC_FONT_ALIGNMENT, L"均等割付け"));
    expectEnabled({IDC_FONT_AREA_WIDTH, IDC_FONT_AREA_WIDTH_SPIN}, true);
    expectEnabled({IDC_FONT_LINE_FEED, IDC_FONT_LINE_FEED_SPIN, IDC_FONT_AREA_LINES,
                   IDC_FONT_AREA_LINES_SPIN},
                  false);
    ASSERT_TRUE(page.choose(IDC_FONT_ALIGNMENT, L"自動改行"));
    expectEnabled({IDC_FONT_LINE_FEED, IDC_FONT_LINE_FEED_SPIN, IDC_FONT_AREA_LINES,
                   IDC_FONT_AREA_LINES_SPIN},
                  true);

    ASSERT_TRUE(page.choose(IDC_FONT_SPACING_ADJUST, L"狭める"));
    expectEnabled({IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN}, true);
}

TEST_F(FontPageWindowTest, TickingAutoDisablesTheOriginAndUntickingBringsItsTextBack) {
    page.typeAndLeave(IDC_FONT_ORIGIN_X, L"120");
    page.click(IDC_FONT_ORIGIN_X_AUTO);
    EXPECT_TRUE(page.checked(IDC_FONT_ORIGIN_X_AUTO));
    expectEnabled({IDC_FONT_ORIGIN_X, IDC_FONT_ORIGIN_X_SPIN}, false);

    page.chooseFont(1);  // another font and back: the value went into the record
    page.chooseFont(0);
    EXPECT_TRUE(page.checked(IDC_FONT_ORIGIN_X_AUTO));
    page.click(IDC_FONT_ORIGIN_X_AUTO);
    expectEnabled({IDC_FONT_ORIGIN_X, IDC_FONT_ORIGIN_X_SPIN}, true);
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_X), L"120");
}

TEST_F(FontPageWindowTest, LeavingAnEditClampsItsText) {
    ASSERT_TRUE(page.enabled(IDC_FONT_ORIGIN_X));
    page.typeAndLeave(IDC_FONT_ORIGIN_X, L"123456");
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_X), L"9999");
    page.typeAndLeave(IDC_FONT_ORIGIN_Y, L"-3");
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_Y), L"0");
    page.typeAndLeave(IDC_FONT_ZERO_SUPPRESS, L"  007");
    EXPECT_EQ(page.text(IDC_FONT_ZERO_SUPPRESS), L"7");
    // The text stays as typed while the focus is in the edit.
    page.type(IDC_FONT_ZERO_SUPPRESS, L"x");
    EXPECT_EQ(page.text(IDC_FONT_ZERO_SUPPRESS), L"x");
}

TEST_F(FontPageWindowTest, TheSpinWritesPlainDigitsAndStopsAtTheTopOfItsRange) {
    page.type(IDC_FONT_ORIGIN_X, L"9998");
    page.pressKey(IDC_FONT_ORIGIN_X, VK_UP);
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_X), L"9999");  // no digit grouping
    page.pressKey(IDC_FONT_ORIGIN_X, VK_UP);
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_X), L"9999");
    page.pressKey(IDC_FONT_ORIGIN_X, VK_DOWN);
    EXPECT_EQ(page.text(IDC_FONT_ORIGIN_X), L"9998");
}

TEST_F(FontPageWindowTest, TheRotationListHoldsFiveItemsAndNineForAKanjiType) {
    EXPECT_EQ(page.itemCount(IDC_FONT_ROTATION), 5);
    EXPECT_EQ(page.itemText(IDC_FONT_ROTATION, 4), L"文字回転270ﾟ 文字列回転270ﾟ ");

    page.chooseType(kKanjiGothic16);
    ASSERT_EQ(page.itemCount(IDC_FONT_ROTATION), 9);
    EXPECT_EQ(page.itemText(IDC_FONT_ROTATION, 5), L"文字回転0ﾟ 文字列回転90ﾟ ");
    EXPECT_EQ(page.itemText(IDC_FONT_ROTATION, 8), L"文字回転270ﾟ 文字列回転0ﾟ ");

    page.chooseType(kOutlineBoldEven);
    EXPECT_EQ(page.itemCount(IDC_FONT_ROTATION), 5);

    page.chooseFont(14);  // a kanji font in the demo file
    EXPECT_EQ(page.selectedText(IDC_FONT_TYPE), L"漢字ゴシック体(16×16ドット)");
    EXPECT_EQ(page.itemCount(IDC_FONT_ROTATION), 9);
}

// Answers the save's two message boxes with OK and keeps their texts.
std::vector<std::wstring> saveAnsweringOk(FontPageWindow& page, SaveCommandResult& result) {
    std::vector<std::wstring> texts;
    ModalScript script;
    auto messageBox = [] { return readyDialog(L"内蔵フォント設定ツール"); };
    auto answer = [&texts](HWND box) {
        texts.push_back(messageBoxText(box));
        click(box, IDOK);
    };
    script.when(messageBox, answer).when(messageBox, answer);
    result = page.window().logic().saveSettings();
    EXPECT_TRUE(script.finished());
    return texts;
}

TEST_F(FontPageWindowTest, ValuesSetInTheControlsReachTheFileWhenTheWindowSaves) {
    page.typeAndLeave(IDC_FONT_ORIGIN_X, L"120");
    page.click(IDC_FONT_ORIGIN_Y_AUTO);
    ASSERT_TRUE(page.choose(IDC_FONT_H_MAG, L"2.5"));
    ASSERT_TRUE(page.choose(IDC_FONT_DECORATION, L"白抜き文字"));
    page.typeAndLeave(IDC_FONT_REVERSE_AREA_X, L"3");
    page.typeAndLeave(IDC_FONT_REVERSE_AREA_Y, L"12");
    ASSERT_TRUE(page.choose(IDC_FONT_SPACING_ADJUST, L"広げる"));
    page.typeAndLeave(IDC_FONT_SPACING, L"5");
    ASSERT_TRUE(page.choose(IDC_FONT_EMPHASIS, L"強調する"));
    page.typeAndLeave(IDC_FONT_SHIFT_X, L"16");
    page.typeAndLeave(IDC_FONT_SHIFT_Y, L"7");
    page.typeAndLeave(IDC_FONT_ZERO_SUPPRESS, L"4");
    ASSERT_TRUE(page.choose(IDC_FONT_CHECK_DIGIT, L"モジュラス43"));

    SaveCommandResult result = SaveCommandResult::Declined;
    const std::vector<std::wstring> texts = saveAnsweringOk(page, result);

    EXPECT_EQ(result, SaveCommandResult::Saved);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"保存しますか？", L"保存しました"}));
    const std::pair<const char*, const char*> expected[] = {
        {"FontType", "1"},
        {"PCpb1pb2pb3pb4", "0120"},
        {"PCpc1pc2pc3pc4pc5", "default"},
        {"PCpd1pd2", "25"},
        {"PCpe1pe2", "10"},
        {"PCpj", "W"},
        {"PCpk1pk2pl1pl2", "0312"},
        {"PCpg", "+"},
        {"PCph1ph2", "05"},
        {"PCJ", "J"},
        {"PCpm1pm2", "16"},
        {"PCpn1pn2", "07"},
        {"PCZ", "Z"},
        {"PCpr1pr2", "04"},
        {"PCM", "M"},
        {"PCpo", "1"},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(fileValue(page.file(), "ZEL文字フォント01", key), value) << key;
    }
}

TEST_F(FontPageWindowTest, AnOutlineFontIsSavedWithItsWidthAndHeight) {
    page.chooseFont(20);  // "ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)", width and height 3.0 mm
    ASSERT_EQ(page.text(IDC_FONT_WIDTH), L"30");
    ASSERT_FALSE(page.checked(IDC_FONT_WIDTH_AUTO));
    page.typeAndLeave(IDC_FONT_WIDTH, L"900");
    EXPECT_EQ(page.text(IDC_FONT_WIDTH), L"850");
    page.click(IDC_FONT_HEIGHT_AUTO);
    ASSERT_TRUE(page.choose(IDC_FONT_SPACING_ADJUST, L"狭める"));
    page.typeAndLeave(IDC_FONT_SPACING, L"300");

    SaveCommandResult result = SaveCommandResult::Declined;
    saveAnsweringOk(page, result);

    EXPECT_EQ(result, SaveCommandResult::Saved);
    const std::pair<const char*, const char*> expected[] = {
        {"FontType", "51"}, {"PVpd1pd2pd3pd4", "0850"}, {"PVpe1pe2pe3pe4", "default"},
        {"PVpg", "-"},      {"PVph1ph2ph3", "300"},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(fileValue(page.file(), "ZEL文字フォント21", key), value) << key;
    }
}

}  // namespace
}  // namespace vx::test
