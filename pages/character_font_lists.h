// The coded lists of the character font page, and the entries that its
// type rules name.
#pragma once

#include <string_view>

#include "pages/coded_list.h"
#include "settings/field_codes.h"

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
inline constexpr int kRotationsForEveryType = codes::kCharacterRotationsForEveryType;
// "文字間スペース微調整", "強調文字", "チェックデジット" (with its mode),
// "文字寄せ" (with its mode).
extern const CodedList kSpacingAdjusts;
extern const CodedList kEmphases;
extern const CodedList kCheckDigits;
extern const CodedList kAlignments;

// The entries that the type rules name.
inline constexpr std::string_view kPlainText = codes::kPlainText;
inline constexpr std::string_view kReversedText = codes::kReversedText;
inline constexpr std::string_view kFramedText = codes::kFramedText;
inline constexpr std::string_view kStruckText = codes::kStruckText;
inline constexpr std::string_view kRotation270 = codes::kRotation270Text;
inline constexpr std::string_view kNoSpacingAdjust = codes::kNoSpacingAdjustText;
inline constexpr std::string_view kEmphasised = codes::kEmphasisedText;
inline constexpr std::string_view kJustified = codes::kJustifiedText;
// The last alignment, taken out of the list while an outline type has been
// chosen.
inline constexpr std::string_view kLineBreak = codes::kLineBreakText;
inline constexpr int kLineBreakPosition = codes::kLineBreakPosition;

}  // namespace vx::charfont
