// The codes that list choices store in the driver font file, each named
// once, with the entry texts that stand for them. The pages' lists, the
// field catalogue, the writer and the preview all name codes from here.
#pragma once

#include <string_view>

#include "settings/coded_entry.h"

namespace vx::codes {

inline constexpr std::string_view kDefault = "default";

// --- Character fonts --------------------------------------------------------

// Decoration, "文字飾り".
inline constexpr std::string_view kPlain = "B";
inline constexpr std::string_view kReversed = "W";
inline constexpr std::string_view kFramed = "F";
inline constexpr std::string_view kStruck = "C";
inline constexpr std::string_view kPlainText = "黒文字";
inline constexpr std::string_view kReversedText = "白抜き文字";
inline constexpr std::string_view kFramedText = "四角枠付き文字";
inline constexpr std::string_view kStruckText = "二重取消線付き文字";
inline constexpr CodedEntry kDecorationEntries[] = {
    {kPlainText, {kPlain}},
    {kReversedText, {kReversed}},
    {kFramedText, {kFramed}},
    {kStruckText, {kStruck}},
};

// "横倍率" and "縦倍率" of bitmap types: the magnification in tenths.
inline constexpr CodedEntry kMagnificationEntries[] = {
    {"0.5", {"05"}}, {"1.0", {"10"}}, {"1.5", {"15"}}, {"2.0", {"20"}}, {"2.5", {"25"}},
    {"3.0", {"30"}}, {"3.5", {"35"}}, {"4.0", {"40"}}, {"4.5", {"45"}}, {"5.0", {"50"}},
    {"5.5", {"55"}}, {"6.0", {"60"}}, {"6.5", {"65"}}, {"7.0", {"70"}}, {"7.5", {"75"}},
    {"8.0", {"80"}}, {"8.5", {"85"}}, {"9.0", {"90"}}, {"9.5", {"95"}},
};

// "回転方向": character then string rotation in quarter turns. The degree
// sign is the half-width "ﾟ" and every text ends with a blank. The entries
// from kCharacterRotationsForEveryType on (character and string turned
// differently) are for kanji types only.
inline constexpr std::string_view kRotation270Text = "文字回転270ﾟ 文字列回転270ﾟ ";
inline constexpr CodedEntry kCharacterRotationEntries[] = {
    {"自動", {kDefault}},
    {"文字回転0ﾟ 文字列回転0ﾟ ", {"00"}},
    {"文字回転90ﾟ 文字列回転90ﾟ ", {"11"}},
    {"文字回転180ﾟ 文字列回転180ﾟ ", {"22"}},
    {kRotation270Text, {"33"}},
    {"文字回転0ﾟ 文字列回転90ﾟ ", {"01"}},
    {"文字回転90ﾟ 文字列回転180ﾟ ", {"12"}},
    {"文字回転180ﾟ 文字列回転270ﾟ ", {"23"}},
    {"文字回転270ﾟ 文字列回転0ﾟ ", {"30"}},
};
inline constexpr int kCharacterRotationsForEveryType = 5;

// "文字間スペース微調整".
inline constexpr std::string_view kNoSpacingAdjustText = "微調整なし";
inline constexpr CodedEntry kSpacingAdjustEntries[] = {
    {kNoSpacingAdjustText, {kDefault}},
    {"広げる", {"+"}},
    {"狭める", {"-"}},
};

// "強調文字" (bitmap types).
inline constexpr std::string_view kEmphasis = "J";
inline constexpr std::string_view kEmphasisedText = "強調する";
inline constexpr CodedEntry kEmphasisEntries[] = {
    {kEmphasisedText, {kEmphasis}},
    {"強調しない", {kDefault}},
};

// "チェックデジット" of character fonts: the check digit and its mode.
inline constexpr std::string_view kCharacterCheckDigit = "M";
inline constexpr CodedEntry kCharacterCheckDigitEntries[] = {
    {"指定なし", {kDefault, kDefault}},
    {"モジュラス10", {kCharacterCheckDigit, "0"}},
    {"モジュラス43", {kCharacterCheckDigit, "1"}},
};

// "ゼロサプレス" of character fonts is one edit: 0 stores it off, any
// other number stores it on with that many digits. The texts are what the
// edit shows for each code.
inline constexpr std::string_view kZeroSuppress = "Z";
inline constexpr CodedEntry kZeroSuppressEntries[] = {
    {"0", {kDefault}},
    {"1〜40", {kZeroSuppress}},
};

// "文字寄せ": alignment and its mode. Outline types have no line break, the
// last entry.
inline constexpr std::string_view kAlignment = "P";
inline constexpr std::string_view kJustifiedMode = "4";
inline constexpr std::string_view kLineBreakMode = "5";
inline constexpr std::string_view kJustifiedText = "均等割付け";
inline constexpr std::string_view kLineBreakText = "自動改行";
inline constexpr CodedEntry kAlignmentEntries[] = {
    {"文字寄せなし", {kDefault, kDefault}},
    {"左寄せ", {kAlignment, "1"}},
    {"中央寄せ", {kAlignment, "2"}},
    {"右寄せ", {kAlignment, "3"}},
    {kJustifiedText, {kAlignment, kJustifiedMode}},
    {kLineBreakText, {kAlignment, kLineBreakMode}},
};
inline constexpr int kLineBreakPosition = 5;

// --- Barcodes and 2D codes --------------------------------------------------

// "回転方向" of barcodes and 2D codes: "自動" and four quarter turns.
inline constexpr CodedEntry kSymbolRotationEntries[] = {
    {"自動", {kDefault}}, {"0ﾟ ", {"0"}}, {"90ﾟ ", {"1"}}, {"180ﾟ ", {"2"}}, {"270ﾟ ", {"3"}},
};

// "バー下付き文字".
inline constexpr CodedEntry kHumanReadableEntries[] = {
    {"バー下数字なし", {"0"}},
    {"バー下数字あり", {"1"}},
};

// "スタート／ストップコード".
inline constexpr std::string_view kStartOnly = "T";
inline constexpr std::string_view kStopOnly = "P";
inline constexpr std::string_view kNoStartStop = "N";
inline constexpr CodedEntry kStartStopEntries[] = {
    {"自動付加", {kDefault}},
    {"スタートコードのみ付加", {kStartOnly}},
    {"ストップコードのみ付加", {kStopOnly}},
    {"付加なし", {kNoStartStop}},
};

// "RSSバージョン" (GS1 DataBar). "Omnidirectional" is spelt correctly; its
// code is "3" as before.
inline constexpr CodedEntry kRssVersionEntries[] = {
    {"RSS-14", {"1"}},      {"RSS-14 Stacked", {"2"}}, {"RSS-14 Stacked Omnidirectional", {"3"}},
    {"RSS Limited", {"4"}}, {"RSS Expanded", {"5"}},   {"RSS Expanded Stacked", {"6"}},
};

// "自動切り替え" (CODE128).
inline constexpr CodedEntry kAutoSwitchEntries[] = {
    {"自動切り換えあり", {"9"}},
    {"自動切り換えなし", {"A"}},
};

// "チェックデジット" of barcodes. Types with a price check digit, and
// MSI/Plessey with its two methods, have a fourth code.
inline constexpr std::string_view kNoCheckDigit = "1";
inline constexpr std::string_view kCheckOnly = "2";
inline constexpr std::string_view kAutoCheckDigit = "3";
inline constexpr std::string_view kFourthCheckDigit = "4";
inline constexpr std::string_view kPriceCheckDigitText = "チェックデジット自動付加+プライスC/D4桁";
inline constexpr CodedEntry kNoCheckDigitEntry = {"付加なし", {kNoCheckDigit}};
inline constexpr CodedEntry kCheckOnlyEntry = {"チェックデジットチェック", {kCheckOnly}};
inline constexpr CodedEntry kAutoCheckDigitEntry = {"チェックデジット自動付加", {kAutoCheckDigit}};
inline constexpr CodedEntry kPriceCheckDigitEntry = {kPriceCheckDigitText, {kFourthCheckDigit}};
inline constexpr CodedEntry kMsiMethod1Entry = {"チェックデジット自動付加(1)", {kAutoCheckDigit}};
inline constexpr CodedEntry kMsiMethod2Entry = {"チェックデジット自動付加(2)", {kFourthCheckDigit}};
// Plain types offer the first three.
inline constexpr CodedEntry kWithPriceCheckDigitEntries[] = {
    kNoCheckDigitEntry, kCheckOnlyEntry, kAutoCheckDigitEntry, kPriceCheckDigitEntry};
inline constexpr int kPlainCheckDigitCount = 3;
inline constexpr CodedEntry kMsiPlesseyCheckDigitEntries[] = {kNoCheckDigitEntry, kCheckOnlyEntry,
                                                              kMsiMethod1Entry, kMsiMethod2Entry};

// 2D codes: "誤り訂正レベル" and "モデル" (QR code), "モード" (MaxiCode),
// "バーコード種別" (the linear part of GS1 Composite), "セル数指定" (Data
// Matrix: the size marker, the columns and the rows).
inline constexpr CodedEntry kErrorCorrectionEntries[] = {
    {"L：高密度レベル", {"L"}},
    {"M：標準レベル", {"M"}},
    {"Q：信頼レベル", {"Q"}},
    {"H：高信頼レベル", {"H"}},
};
inline constexpr CodedEntry kModelEntries[] = {{"モデル1", {"1"}}, {"モデル2", {"2"}}};
inline constexpr std::string_view kMode3 = "3";
inline constexpr std::string_view kMode4 = "4";
inline constexpr CodedEntry kModeEntries[] = {
    {"モード2", {"0"}}, {"モード3", {kMode3}}, {"モード4", {kMode4}}};
inline constexpr CodedEntry kLinearTypeEntries[] = {
    {"EAN-13 with CC-A", {"01"}},
    {"EAN-8 with CC-A", {"02"}},
    {"UPC-A with CC-A", {"03"}},
    {"UPC-E with CC-A", {"04"}},
    {"GS1 DataBar Standard with CC-A", {"05"}},
    {"GS1 DataBar Truncated with CC-A", {"06"}},
    {"GS1 DataBar Stacked with CC-A", {"07"}},
    {"GS1 DataBar Stacked Omnidirection with CC-A", {"08"}},
    {"GS1 DataBar Limited with CC-A", {"09"}},
    {"GS1-128 with CC-A", {"10"}},
    {"GS1-128 with CC-C", {"11"}},
};
// The "×" is the double-byte multiplication sign, with a blank each side.
inline constexpr std::string_view kCellSizeMarker = "C";
inline constexpr CodedEntry kCellCountEntries[] = {
    {"最小", {kDefault, kDefault, kDefault}},     {"18 × 8", {kCellSizeMarker, "018", "008"}},
    {"32 × 8", {kCellSizeMarker, "032", "008"}},  {"26 × 12", {kCellSizeMarker, "026", "012"}},
    {"36 × 12", {kCellSizeMarker, "036", "012"}}, {"36 × 16", {kCellSizeMarker, "036", "016"}},
    {"48 × 16", {kCellSizeMarker, "048", "016"}},
};

}  // namespace vx::codes
