// The controls of the character font page: their IDs, the fixed entries of
// its lists and the ranges of its numeric edits. The dialog template uses
// the same numbers.
#pragma once

#include <string_view>

#include "pages/page_fields.h"

namespace vx::charfont {

// Left column.
inline constexpr int kFontNameList = 1312;
inline constexpr int kTypeList = 1311;
inline constexpr int kOriginXEdit = 1368;
inline constexpr int kOriginXSpin = 1369;
inline constexpr int kOriginXAuto = 1378;
inline constexpr int kOriginYEdit = 1370;
inline constexpr int kOriginYSpin = 1371;
inline constexpr int kOriginYAuto = 1379;
inline constexpr int kHMagnificationList = 1337;
inline constexpr int kVMagnificationList = 1338;
inline constexpr int kWidthEdit = 1383;
inline constexpr int kWidthSpin = 1384;
inline constexpr int kWidthAuto = 1387;
inline constexpr int kHeightEdit = 1385;
inline constexpr int kHeightSpin = 1386;
inline constexpr int kHeightAuto = 1388;
inline constexpr int kDecorationList = 1340;
inline constexpr int kReverseAreaXEdit = 1364;
inline constexpr int kReverseAreaXSpin = 1365;
inline constexpr int kReverseAreaYEdit = 1366;
inline constexpr int kReverseAreaYSpin = 1367;
inline constexpr int kFrameGapXEdit = 1353;
inline constexpr int kFrameGapXSpin = 1360;
inline constexpr int kFrameGapYEdit = 1354;
inline constexpr int kFrameGapYSpin = 1361;
inline constexpr int kStrikeEndEdit = 1362;
inline constexpr int kStrikeEndSpin = 1363;
inline constexpr int kZeroSuppressEdit = 1381;
inline constexpr int kZeroSuppressSpin = 1382;
// Right column.
inline constexpr int kRotationList = 1380;
inline constexpr int kSpacingAdjustList = 1339;
inline constexpr int kSpacingEdit = 1350;
inline constexpr int kSpacingSpin = 1356;
inline constexpr int kEmphasisList = 1341;
inline constexpr int kShiftXEdit = 1351;
inline constexpr int kShiftXSpin = 1358;
inline constexpr int kShiftYEdit = 1352;
inline constexpr int kShiftYSpin = 1359;
inline constexpr int kAlignmentList = 1343;
inline constexpr int kAreaWidthEdit = 1372;
inline constexpr int kAreaWidthSpin = 1373;
inline constexpr int kLineFeedEdit = 1374;
inline constexpr int kLineFeedSpin = 1375;
inline constexpr int kAreaLinesEdit = 1376;
inline constexpr int kAreaLinesSpin = 1377;
inline constexpr int kCheckDigitList = 1342;

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
