// The controls of the character font page: their IDs, the fixed entries of
// its lists and the ranges of its numeric edits, under the names the dialog
// template uses.
#pragma once

#include <string_view>

#include "pages/page_fields.h"
#include "resources/resource.h"

namespace vx::charfont {

// Left column.
inline constexpr int kFontNameList = IDC_FONT_FONT_NAME;
inline constexpr int kTypeList = IDC_FONT_TYPE;
inline constexpr int kOriginXEdit = IDC_FONT_ORIGIN_X;
inline constexpr int kOriginXSpin = IDC_FONT_ORIGIN_X_SPIN;
inline constexpr int kOriginXAuto = IDC_FONT_ORIGIN_X_AUTO;
inline constexpr int kOriginYEdit = IDC_FONT_ORIGIN_Y;
inline constexpr int kOriginYSpin = IDC_FONT_ORIGIN_Y_SPIN;
inline constexpr int kOriginYAuto = IDC_FONT_ORIGIN_Y_AUTO;
inline constexpr int kHMagnificationList = IDC_FONT_H_MAG;
inline constexpr int kVMagnificationList = IDC_FONT_V_MAG;
inline constexpr int kWidthEdit = IDC_FONT_WIDTH;
inline constexpr int kWidthSpin = IDC_FONT_WIDTH_SPIN;
inline constexpr int kWidthAuto = IDC_FONT_WIDTH_AUTO;
inline constexpr int kHeightEdit = IDC_FONT_HEIGHT;
inline constexpr int kHeightSpin = IDC_FONT_HEIGHT_SPIN;
inline constexpr int kHeightAuto = IDC_FONT_HEIGHT_AUTO;
inline constexpr int kDecorationList = IDC_FONT_DECORATION;
inline constexpr int kReverseAreaXEdit = IDC_FONT_REVERSE_AREA_X;
inline constexpr int kReverseAreaXSpin = IDC_FONT_REVERSE_AREA_X_SPIN;
inline constexpr int kReverseAreaYEdit = IDC_FONT_REVERSE_AREA_Y;
inline constexpr int kReverseAreaYSpin = IDC_FONT_REVERSE_AREA_Y_SPIN;
inline constexpr int kFrameGapXEdit = IDC_FONT_FRAME_GAP_X;
inline constexpr int kFrameGapXSpin = IDC_FONT_FRAME_GAP_X_SPIN;
inline constexpr int kFrameGapYEdit = IDC_FONT_FRAME_GAP_Y;
inline constexpr int kFrameGapYSpin = IDC_FONT_FRAME_GAP_Y_SPIN;
inline constexpr int kStrikeEndEdit = IDC_FONT_STRIKE_END;
inline constexpr int kStrikeEndSpin = IDC_FONT_STRIKE_END_SPIN;
inline constexpr int kZeroSuppressEdit = IDC_FONT_ZERO_SUPPRESS;
inline constexpr int kZeroSuppressSpin = IDC_FONT_ZERO_SUPPRESS_SPIN;
// Right column.
inline constexpr int kRotationList = IDC_FONT_ROTATION;
inline constexpr int kSpacingAdjustList = IDC_FONT_SPACING_ADJUST;
inline constexpr int kSpacingEdit = IDC_FONT_SPACING;
inline constexpr int kSpacingSpin = IDC_FONT_SPACING_SPIN;
inline constexpr int kEmphasisList = IDC_FONT_EMPHASIS;
inline constexpr int kShiftXEdit = IDC_FONT_SHIFT_X;
inline constexpr int kShiftXSpin = IDC_FONT_SHIFT_X_SPIN;
inline constexpr int kShiftYEdit = IDC_FONT_SHIFT_Y;
inline constexpr int kShiftYSpin = IDC_FONT_SHIFT_Y_SPIN;
inline constexpr int kAlignmentList = IDC_FONT_ALIGNMENT;
inline constexpr int kAreaWidthEdit = IDC_FONT_AREA_WIDTH;
inline constexpr int kAreaWidthSpin = IDC_FONT_AREA_WIDTH_SPIN;
inline constexpr int kLineFeedEdit = IDC_FONT_LINE_FEED;
inline constexpr int kLineFeedSpin = IDC_FONT_LINE_FEED_SPIN;
inline constexpr int kAreaLinesEdit = IDC_FONT_AREA_LINES;
inline constexpr int kAreaLinesSpin = IDC_FONT_AREA_LINES_SPIN;
inline constexpr int kCheckDigitList = IDC_FONT_CHECK_DIGIT;

// A numeric edit with its spin button and the range that both enforce.
struct NumericEdit {
    int edit;
    int spin;
    FieldRange range;
};

// The spacing row holds the bitmap range; outline types widen it (see
// kOutlineSpacingRange).
inline constexpr NumericEdit kNumericEdits[] = {
    {kOriginXEdit, kOriginXSpin, {0, 9999, 4}},
    {kOriginYEdit, kOriginYSpin, {0, 32767, 5}},
    {kWidthEdit, kWidthSpin, {20, 850, 3}},
    {kHeightEdit, kHeightSpin, {20, 850, 3}},
    {kReverseAreaXEdit, kReverseAreaXSpin, {1, 99, 2}},
    {kReverseAreaYEdit, kReverseAreaYSpin, {1, 99, 2}},
    {kFrameGapXEdit, kFrameGapXSpin, {1, 99, 2}},
    {kFrameGapYEdit, kFrameGapYSpin, {1, 99, 2}},
    {kStrikeEndEdit, kStrikeEndSpin, {1, 99, 2}},
    {kZeroSuppressEdit, kZeroSuppressSpin, {0, 40, 2}},
    {kSpacingEdit, kSpacingSpin, {0, 99, 2}},
    {kShiftXEdit, kShiftXSpin, {0, 16, 2}},
    {kShiftYEdit, kShiftYSpin, {0, 16, 2}},
    {kAreaWidthEdit, kAreaWidthSpin, {50, 1060, 4}},
    {kLineFeedEdit, kLineFeedSpin, {10, 500, 3}},
    {kAreaLinesEdit, kAreaLinesSpin, {1, 99, 2}},
};
inline constexpr FieldRange kBitmapSpacingRange = {0, 99, 2};
inline constexpr FieldRange kOutlineSpacingRange = {0, 512, 3};

// List entries, exactly as the user sees them.
inline constexpr std::string_view kMagnificationTexts[] = {
    "0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0",
    "5.5", "6.0", "6.5", "7.0", "7.5", "8.0", "8.5", "9.0", "9.5",
};
inline constexpr std::string_view kDefaultMagnification = "1.0";

inline constexpr std::string_view kPlainText = "黒文字";
inline constexpr std::string_view kReversedText = "白抜き文字";
inline constexpr std::string_view kFramedText = "四角枠付き文字";
inline constexpr std::string_view kStruckText = "二重取消線付き文字";
inline constexpr std::string_view kDecorationTexts[] = {kPlainText, kReversedText, kFramedText,
                                                        kStruckText};

// Rotations: the degree sign is the half-width "ﾟ" and every text ends with
// a blank. The last four (character and string turned differently) are
// offered for kanji types only.
inline constexpr std::string_view kRotationAuto = "自動";
inline constexpr std::string_view kRotation270 = "文字回転270ﾟ 文字列回転270ﾟ ";
inline constexpr std::string_view kRotationTexts[] = {
    kRotationAuto,
    "文字回転0ﾟ 文字列回転0ﾟ ",
    "文字回転90ﾟ 文字列回転90ﾟ ",
    "文字回転180ﾟ 文字列回転180ﾟ ",
    kRotation270,
    "文字回転0ﾟ 文字列回転90ﾟ ",
    "文字回転90ﾟ 文字列回転180ﾟ ",
    "文字回転180ﾟ 文字列回転270ﾟ ",
    "文字回転270ﾟ 文字列回転0ﾟ ",
};
inline constexpr int kRotationsForEveryType = 5;

inline constexpr std::string_view kNoSpacingAdjust = "微調整なし";
inline constexpr std::string_view kWiden = "広げる";
inline constexpr std::string_view kNarrow = "狭める";
inline constexpr std::string_view kSpacingAdjustTexts[] = {kNoSpacingAdjust, kWiden, kNarrow};

inline constexpr std::string_view kEmphasised = "強調する";
inline constexpr std::string_view kNotEmphasised = "強調しない";
inline constexpr std::string_view kEmphasisTexts[] = {kEmphasised, kNotEmphasised};

// Alignments, with their record modes "1" to "5" after the first. The last
// item is taken out of the list while an outline type has been chosen.
inline constexpr std::string_view kNoAlignment = "文字寄せなし";
inline constexpr std::string_view kJustified = "均等割付け";
inline constexpr std::string_view kLineBreak = "自動改行";
inline constexpr std::string_view kAlignmentTexts[] = {kNoAlignment, "左寄せ",   "中央寄せ",
                                                       "右寄せ",     kJustified, kLineBreak};
inline constexpr int kLineBreakPosition = 5;

inline constexpr std::string_view kNoCheckDigit = "指定なし";
inline constexpr std::string_view kModulus10 = "モジュラス10";
inline constexpr std::string_view kModulus43 = "モジュラス43";
inline constexpr std::string_view kCheckDigitTexts[] = {kNoCheckDigit, kModulus10, kModulus43};

}  // namespace vx::charfont
