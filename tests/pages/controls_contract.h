// The contract of the controls interface: the same cases for every
// implementation, so that the in-memory controls of the page tests behave as
// the window's real controls do.
//
// An implementation takes part with a harness type that owns its controls
// and offers `Controls& controls()`. The controls below must exist with these
// IDs: two edits, a static text, two drop-down lists (not sorted), two check
// boxes and two spin buttons.
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, ControlsContract, Harness);
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/controls.h"

namespace vx::contract {

inline constexpr int kEdit = 1001;
inline constexpr int kOtherEdit = 1002;
inline constexpr int kLabel = 1003;
inline constexpr int kList = 1011;
inline constexpr int kOtherList = 1012;
inline constexpr int kCheck = 1021;
inline constexpr int kOtherCheck = 1022;
inline constexpr int kSpinEdit = 1031;
inline constexpr int kSpin = 1032;
inline constexpr int kOtherSpinEdit = 1033;
inline constexpr int kOtherSpin = 1034;

// The rotation texts of the character font page: half-width "ﾟ" as the
// degree sign, one blank at the end that belongs to the text.
inline const std::vector<std::string>& rotationItems() {
    static const std::vector<std::string> items = {
        "自動",
        "文字回転0ﾟ 文字列回転0ﾟ ",
        "文字回転90ﾟ 文字列回転90ﾟ ",
        "文字回転180ﾟ 文字列回転180ﾟ ",
        "文字回転270ﾟ 文字列回転270ﾟ ",
        "文字回転0ﾟ 文字列回転90ﾟ ",
        "文字回転90ﾟ 文字列回転180ﾟ ",
        "文字回転180ﾟ 文字列回転270ﾟ ",
        "文字回転270ﾟ 文字列回転0ﾟ ",
    };
    return items;
}

template <class Harness>
class ControlsContract : public ::testing::Test {
protected:
    // A harness that could not make its controls has reported why; the cases
    // would only repeat it.
    void SetUp() override { ASSERT_FALSE(this->HasFailure()) << "no controls to test"; }

    Controls& c() { return harness_.controls(); }

    std::vector<std::string> items(int id) {
        std::vector<std::string> result;
        for (int i = 0; i < c().itemCount(id); ++i) result.push_back(c().itemText(id, i));
        return result;
    }

    void fill(int id, const std::vector<std::string>& texts, int chosen) {
        c().setItems(id, texts);
        c().select(id, chosen);
        ASSERT_EQ(c().selection(id), chosen);
    }

    Harness harness_;
};

TYPED_TEST_SUITE_P(ControlsContract);

TYPED_TEST_P(ControlsContract, FreshControlsAreEmptyUncheckedAndEnabled) {
    Controls& c = this->c();
    EXPECT_EQ(c.text(kEdit), "");
    EXPECT_FALSE(c.checked(kCheck));
    EXPECT_EQ(c.itemCount(kList), 0);
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.text(kList), "");
    EXPECT_EQ(c.selectedText(kList), "");
    EXPECT_EQ(c.itemText(kList, 0), "");
    for (int id : {kEdit, kLabel, kList, kCheck, kSpin}) EXPECT_TRUE(c.enabled(id)) << id;
}

TYPED_TEST_P(ControlsContract, EditsAndLabelsShowTheirTextAsSet) {
    Controls& c = this->c();
    const std::vector<std::string> texts = {
        "1060",
        "x0.1mm",
        "ZEL文字フォント01",
        "ゴシック(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)",
        "文字回転0ﾟ 文字列回転0ﾟ ",
        "  leading and trailing  ",
        "",
    };
    for (const std::string& text : texts) {
        c.setText(kEdit, text);
        EXPECT_EQ(c.text(kEdit), text);
        c.setText(kLabel, text);
        EXPECT_EQ(c.text(kLabel), text);
    }
    c.setText(kEdit, "12");
    c.setText(kOtherEdit, "34");
    EXPECT_EQ(c.text(kEdit), "12");
    EXPECT_EQ(c.text(kOtherEdit), "34");
    // A longer text replaced by a shorter one leaves nothing of the old.
    c.setText(kEdit, "32767");
    c.setText(kEdit, "7");
    EXPECT_EQ(c.text(kEdit), "7");
}

TYPED_TEST_P(ControlsContract, AListIgnoresTextGivenToIt) {
    Controls& c = this->c();
    this->fill(kList, {"広げる", "狭める"}, 1);
    c.setText(kList, "広げる");
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_EQ(c.text(kList), "狭める");
    c.setText(kList, "詰める");
    EXPECT_EQ(c.text(kList), "狭める");
    EXPECT_EQ(this->items(kList), (std::vector<std::string>{"広げる", "狭める"}));
    // Emptied, it shows nothing whatever it was told.
    c.setItems(kList, {});
    c.setText(kList, "広げる");
    EXPECT_EQ(c.text(kList), "");
    EXPECT_EQ(c.itemCount(kList), 0);
}

TYPED_TEST_P(ControlsContract, CheckBoxesKeepTheirOwnState) {
    Controls& c = this->c();
    c.setChecked(kCheck, true);
    EXPECT_TRUE(c.checked(kCheck));
    EXPECT_FALSE(c.checked(kOtherCheck));
    c.setChecked(kCheck, true);
    EXPECT_TRUE(c.checked(kCheck));
    c.setChecked(kOtherCheck, true);
    c.setChecked(kCheck, false);
    EXPECT_FALSE(c.checked(kCheck));
    EXPECT_TRUE(c.checked(kOtherCheck));
}

TYPED_TEST_P(ControlsContract, EveryKindOfControlCanBeDisabledAndEnabled) {
    Controls& c = this->c();
    for (int id : {kEdit, kLabel, kList, kCheck, kSpin}) {
        c.setEnabled(id, false);
        EXPECT_FALSE(c.enabled(id)) << id;
        EXPECT_TRUE(c.enabled(kOtherEdit)) << id;
        c.setEnabled(id, false);
        EXPECT_FALSE(c.enabled(id)) << id;
        c.setEnabled(id, true);
        EXPECT_TRUE(c.enabled(id)) << id;
    }
    // A disabled control keeps its value.
    c.setText(kEdit, "99");
    c.setChecked(kCheck, true);
    c.setEnabled(kEdit, false);
    c.setEnabled(kCheck, false);
    EXPECT_EQ(c.text(kEdit), "99");
    EXPECT_TRUE(c.checked(kCheck));
}

TYPED_TEST_P(ControlsContract, FillingAListKeepsTheOrderAndLeavesNoChoice) {
    Controls& c = this->c();
    const std::vector<std::string> magnifications = {"0.5", "1.0", "1.5", "2.0", "10.0", "9.5"};
    c.setItems(kList, magnifications);
    EXPECT_EQ(this->items(kList), magnifications);  // not sorted
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.text(kList), "");
    EXPECT_EQ(c.itemText(kList, 6), "");
    EXPECT_EQ(c.itemText(kList, -1), "");
    EXPECT_EQ(c.itemCount(kOtherList), 0);

    // Filling again replaces the items and forgets the choice.
    c.select(kList, 3);
    c.setItems(kList, rotationItems());
    EXPECT_EQ(this->items(kList), rotationItems());
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.selectedText(kList), "");

    c.select(kList, 0);
    c.setItems(kList, {});
    EXPECT_EQ(c.itemCount(kList), 0);
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.text(kList), "");

    // Equal texts stay distinct items.
    c.setItems(kList, {"", "同じ", "同じ", ""});
    EXPECT_EQ(this->items(kList), (std::vector<std::string>{"", "同じ", "同じ", ""}));
}

TYPED_TEST_P(ControlsContract, ChoosingAnItemShowsItsText) {
    Controls& c = this->c();
    c.setItems(kList, rotationItems());
    c.select(kList, 1);
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_EQ(c.selectedText(kList), "文字回転0ﾟ 文字列回転0ﾟ ");
    EXPECT_EQ(c.text(kList), "文字回転0ﾟ 文字列回転0ﾟ ");  // the list's text is its choice
    c.select(kList, 8);
    EXPECT_EQ(c.text(kList), "文字回転270ﾟ 文字列回転0ﾟ ");
    EXPECT_EQ(c.selection(kOtherList), -1);

    c.select(kList, -1);
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.text(kList), "");

    // A position outside the list is refused: the choice stays.
    c.select(kList, 2);
    c.select(kList, 9);
    EXPECT_EQ(c.selection(kList), 2);
    c.select(kList, -2);
    EXPECT_EQ(c.selection(kList), 2);
    c.setItems(kOtherList, {});
    c.select(kOtherList, 0);
    EXPECT_EQ(c.selection(kOtherList), -1);
}

TYPED_TEST_P(ControlsContract, InsertingMovesTheChoiceWithItsItem) {
    Controls& c = this->c();
    this->fill(kList, {"左寄せ", "中央寄せ", "右寄せ"}, 1);

    c.insertItem(kList, -1, "自動改行");
    EXPECT_EQ(this->items(kList),
              (std::vector<std::string>{"左寄せ", "中央寄せ", "右寄せ", "自動改行"}));
    EXPECT_EQ(c.selection(kList), 1);

    c.insertItem(kList, 0, "文字寄せなし");
    EXPECT_EQ(c.itemText(kList, 0), "文字寄せなし");
    EXPECT_EQ(c.selection(kList), 2);
    EXPECT_EQ(c.selectedText(kList), "中央寄せ");

    // At the chosen position: the new item goes before the chosen one.
    c.insertItem(kList, 2, "均等割付け");
    EXPECT_EQ(c.selection(kList), 3);
    EXPECT_EQ(c.selectedText(kList), "中央寄せ");

    // After the choice, at the last position and past the end.
    c.insertItem(kList, 4, "a");
    c.insertItem(kList, c.itemCount(kList), "b");
    c.insertItem(kList, 99, "c");
    EXPECT_EQ(this->items(kList),
              (std::vector<std::string>{"文字寄せなし", "左寄せ", "均等割付け", "中央寄せ", "a",
                                        "右寄せ", "自動改行", "b", "c"}));
    EXPECT_EQ(c.selectedText(kList), "中央寄せ");

    // Inserting gives no choice to a list without one.
    c.setItems(kOtherList, {});
    c.insertItem(kOtherList, -1, "only");
    c.insertItem(kOtherList, 0, "first");
    EXPECT_EQ(this->items(kOtherList), (std::vector<std::string>{"first", "only"}));
    EXPECT_EQ(c.selection(kOtherList), -1);
}

TYPED_TEST_P(ControlsContract, RemovingTheChosenItemLeavesNoChoice) {
    Controls& c = this->c();
    const std::vector<std::string> alignments = {"文字寄せなし", "左寄せ",     "中央寄せ",
                                                 "右寄せ",       "均等割付け", "自動改行"};
    this->fill(kList, alignments, 2);

    c.removeItem(kList, 5);  // after the choice
    EXPECT_EQ(c.itemCount(kList), 5);
    EXPECT_EQ(c.selection(kList), 2);

    c.removeItem(kList, 0);  // before the choice
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_EQ(c.selectedText(kList), "中央寄せ");

    c.removeItem(kList, 1);  // the choice itself
    EXPECT_EQ(c.selection(kList), -1);
    EXPECT_EQ(c.text(kList), "");
    EXPECT_EQ(this->items(kList), (std::vector<std::string>{"左寄せ", "右寄せ", "均等割付け"}));

    // Positions outside the list change nothing.
    c.select(kList, 2);
    c.removeItem(kList, 3);
    c.removeItem(kList, -1);
    EXPECT_EQ(c.itemCount(kList), 3);
    EXPECT_EQ(c.selectedText(kList), "均等割付け");

    // Removing the only item, chosen, empties the list.
    this->fill(kOtherList, {"自動改行"}, 0);
    c.removeItem(kOtherList, 0);
    EXPECT_EQ(c.itemCount(kOtherList), 0);
    EXPECT_EQ(c.selection(kOtherList), -1);
    EXPECT_EQ(c.text(kOtherList), "");
}

TYPED_TEST_P(ControlsContract, PrefixSearchIsExactAboutCaseAndWidth) {
    Controls& c = this->c();
    c.setItems(kList, {"ABC", "abc", "Abc-2", "ｺﾞｼｯｸ", "ゴシック", "ｺﾞｼｯｸ(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)"});
    EXPECT_TRUE(c.selectByPrefix(kList, "abc"));
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_TRUE(c.selectByPrefix(kList, "Ab"));
    EXPECT_EQ(c.selectedText(kList), "Abc-2");
    EXPECT_FALSE(c.selectByPrefix(kList, "aBC"));
    EXPECT_EQ(c.selection(kList), 2);
    EXPECT_TRUE(c.selectByPrefix(kList, "ゴシ"));
    EXPECT_EQ(c.selection(kList), 4);
    EXPECT_TRUE(c.selectByPrefix(kList, "ｺﾞｼｯｸ("));
    EXPECT_EQ(c.selection(kList), 5);
    EXPECT_FALSE(c.selectByPrefix(kList, "ｺﾞｼｯｸ(ｱｳﾄﾗｲﾝﾌｫﾝﾄ) "));  // longer than every item
    EXPECT_EQ(c.selection(kList), 5);
}

TYPED_TEST_P(ControlsContract, PrefixSearchTakesTheFirstMatchFromTheTop) {
    Controls& c = this->c();
    this->fill(kList, {"1.0", "1.5", "10.0", "1.0"}, 3);
    EXPECT_TRUE(c.selectByPrefix(kList, "1"));
    EXPECT_EQ(c.selection(kList), 0);
    c.select(kList, 3);
    EXPECT_TRUE(c.selectByPrefix(kList, "1.0"));
    EXPECT_EQ(c.selection(kList), 0);
    EXPECT_TRUE(c.selectByPrefix(kList, "10"));
    EXPECT_EQ(c.selection(kList), 2);
    // The whole text of a later item that is also the start of an earlier one.
    c.setItems(kOtherList, {"強調する", "強調"});
    EXPECT_TRUE(c.selectByPrefix(kOtherList, "強調"));
    EXPECT_EQ(c.selection(kOtherList), 0);
}

TYPED_TEST_P(ControlsContract, PrefixSearchWithoutMatchKeepsThePresentChoice) {
    Controls& c = this->c();
    this->fill(kList, {"微調整なし", "広げる", "狭める"}, 1);
    EXPECT_FALSE(c.selectByPrefix(kList, "詰める"));
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_FALSE(c.selectByPrefix(kList, "広げるX"));
    EXPECT_EQ(c.selectedText(kList), "広げる");

    // Without a choice there stays none.
    c.setItems(kOtherList, {"指定なし", "モジュラス10", "モジュラス43"});
    EXPECT_FALSE(c.selectByPrefix(kOtherList, "モジュラス11"));
    EXPECT_EQ(c.selection(kOtherList), -1);
    EXPECT_EQ(c.text(kOtherList), "");

    // An empty list matches nothing, not even the empty prefix.
    c.setItems(kOtherList, {});
    EXPECT_FALSE(c.selectByPrefix(kOtherList, ""));
    EXPECT_EQ(c.selection(kOtherList), -1);
}

TYPED_TEST_P(ControlsContract, EmptyPrefixChoosesTheFirstItem) {
    Controls& c = this->c();
    this->fill(kList, {"黒文字", "白抜き文字", "四角枠付き文字", "二重取消線付き文字"}, 2);
    EXPECT_TRUE(c.selectByPrefix(kList, ""));
    EXPECT_EQ(c.selection(kList), 0);
    EXPECT_EQ(c.text(kList), "黒文字");
}

TYPED_TEST_P(ControlsContract, PrefixSearchMatchesRotationTextsWithTheirTrailingBlank) {
    Controls& c = this->c();
    const std::vector<std::string>& rotations = rotationItems();
    c.setItems(kList, rotations);
    // Every item is found by its own whole text, trailing blank included.
    for (int i = 0; i < static_cast<int>(rotations.size()); ++i) {
        c.select(kList, -1);
        EXPECT_TRUE(c.selectByPrefix(kList, rotations[static_cast<std::size_t>(i)])) << i;
        EXPECT_EQ(c.selection(kList), i);
        EXPECT_EQ(c.text(kList), rotations[static_cast<std::size_t>(i)]);
    }
    // The start of a text finds the first rotation that begins so.
    EXPECT_TRUE(c.selectByPrefix(kList, "文字回転90ﾟ"));
    EXPECT_EQ(c.selection(kList), 2);
    EXPECT_TRUE(c.selectByPrefix(kList, "文字回転0ﾟ 文字列回転9"));
    EXPECT_EQ(c.selection(kList), 5);
    // Without the half-width degree sign, or with a second blank, nothing matches.
    EXPECT_FALSE(c.selectByPrefix(kList, "文字回転0゜"));
    EXPECT_FALSE(c.selectByPrefix(kList, "文字回転0° 文字列回転0°"));
    EXPECT_FALSE(c.selectByPrefix(kList, "文字回転0ﾟ 文字列回転0ﾟ  "));
    EXPECT_EQ(c.selection(kList), 5);

    // Once the last four are taken out, their texts fall back to nothing.
    for (int i = 8; i >= 5; --i) c.removeItem(kList, i);
    c.select(kList, 1);
    EXPECT_FALSE(c.selectByPrefix(kList, "文字回転90ﾟ 文字列回転180ﾟ "));
    EXPECT_EQ(c.selectedText(kList), "文字回転0ﾟ 文字列回転0ﾟ ");
}

TYPED_TEST_P(ControlsContract, SpinsKeepTheRangesTheyAreGiven) {
    Controls& c = this->c();
    // Before it is given one, a spin runs from 100 down to 0.
    EXPECT_EQ(c.spinRange(kSpin), std::make_pair(100, 0));
    c.setSpinRange(kSpin, 0, 32767);
    c.setSpinRange(kOtherSpin, 50, 1060);
    EXPECT_EQ(c.spinRange(kSpin), std::make_pair(0, 32767));
    EXPECT_EQ(c.spinRange(kOtherSpin), std::make_pair(50, 1060));
    // The spacing spin is given another range on every show.
    c.setSpinRange(kSpin, 0, 512);
    EXPECT_EQ(c.spinRange(kSpin), std::make_pair(0, 512));
    c.setSpinRange(kSpin, 0, 99);
    EXPECT_EQ(c.spinRange(kSpin), std::make_pair(0, 99));
    c.setSpinRange(kSpin, 1, 1);
    EXPECT_EQ(c.spinRange(kSpin), std::make_pair(1, 1));
    EXPECT_EQ(c.spinRange(kOtherSpin), std::make_pair(50, 1060));
    // Setting a range writes nothing into the spin's edit.
    c.setText(kSpinEdit, "abc");
    c.setSpinRange(kSpin, 20, 850);
    EXPECT_EQ(c.text(kSpinEdit), "abc");
}

REGISTER_TYPED_TEST_SUITE_P(ControlsContract, FreshControlsAreEmptyUncheckedAndEnabled,
                            EditsAndLabelsShowTheirTextAsSet, AListIgnoresTextGivenToIt,
                            CheckBoxesKeepTheirOwnState, EveryKindOfControlCanBeDisabledAndEnabled,
                            FillingAListKeepsTheOrderAndLeavesNoChoice, ChoosingAnItemShowsItsText,
                            InsertingMovesTheChoiceWithItsItem, RemovingTheChosenItemLeavesNoChoice,
                            PrefixSearchIsExactAboutCaseAndWidth,
                            PrefixSearchTakesTheFirstMatchFromTheTop,
                            PrefixSearchWithoutMatchKeepsThePresentChoice,
                            EmptyPrefixChoosesTheFirstItem,
                            PrefixSearchMatchesRotationTextsWithTheirTrailingBlank,
                            SpinsKeepTheRangesTheyAreGiven);

}  // namespace vx::contract
