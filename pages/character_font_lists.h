// The coded lists of the character font page, and the entries that its
// type rules name.
#pragma once

#include <string_view>

#include "pages/coded_list.h"

namespace vx::charfont {

// "横倍率" and "縦倍率": the magnification in tenths, "0.5" as "05".
extern const CodedList kMagnifications;
// "文字飾り": the decoration code; its parameters are composed by the page.
extern const CodedList kDecorations;
// "回転方向": character then string rotation in quarter turns. The degree
// sign is the half-width "ﾟ" and every text ends with a blank. Entries from
// kRotationsForEveryType on (character and string turned differently) are
// offered for kanji types only.
extern const CodedList kRotations;
inline constexpr int kRotationsForEveryType = 5;
// "文字間スペース微調整", "強調文字", "チェックデジット" (with its mode),
// "文字寄せ" (with its mode).
extern const CodedList kSpacingAdjusts;
extern const CodedList kEmphases;
extern const CodedList kCheckDigits;
extern const CodedList kAlignments;

inline constexpr std::string_view kPlainText = "黒文字";
inline constexpr std::string_view kReversedText = "白抜き文字";
inline constexpr std::string_view kFramedText = "四角枠付き文字";
inline constexpr std::string_view kStruckText = "二重取消線付き文字";
inline constexpr std::string_view kRotation270 = "文字回転270ﾟ 文字列回転270ﾟ ";
inline constexpr std::string_view kNoSpacingAdjust = "微調整なし";
inline constexpr std::string_view kEmphasised = "強調する";
inline constexpr std::string_view kJustified = "均等割付け";
// The last alignment, taken out of the list while an outline type has been
// chosen.
inline constexpr std::string_view kLineBreak = "自動改行";
inline constexpr int kLineBreakPosition = 5;

}  // namespace vx::charfont
