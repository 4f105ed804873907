#include "pages/character_font_lists.h"

namespace vx::charfont {

namespace {

constexpr CodedEntry kMagnificationEntries[] = {
    {"0.5", {"05"}}, {"1.0", {"10"}}, {"1.5", {"15"}}, {"2.0", {"20"}}, {"2.5", {"25"}},
    {"3.0", {"30"}}, {"3.5", {"35"}}, {"4.0", {"40"}}, {"4.5", {"45"}}, {"5.0", {"50"}},
    {"5.5", {"55"}}, {"6.0", {"60"}}, {"6.5", {"65"}}, {"7.0", {"70"}}, {"7.5", {"75"}},
    {"8.0", {"80"}}, {"8.5", {"85"}}, {"9.0", {"90"}}, {"9.5", {"95"}},
};

constexpr CodedEntry kDecorationEntries[] = {
    {kPlainText, {"B"}},
    {kReversedText, {"W"}},
    {kFramedText, {"F"}},
    {kStruckText, {"C"}},
};

constexpr CodedEntry kRotationEntries[] = {
    {"自動", {"default"}},
    {"文字回転0ﾟ 文字列回転0ﾟ ", {"00"}},
    {"文字回転90ﾟ 文字列回転90ﾟ ", {"11"}},
    {"文字回転180ﾟ 文字列回転180ﾟ ", {"22"}},
    {kRotation270, {"33"}},
    {"文字回転0ﾟ 文字列回転90ﾟ ", {"01"}},
    {"文字回転90ﾟ 文字列回転180ﾟ ", {"12"}},
    {"文字回転180ﾟ 文字列回転270ﾟ ", {"23"}},
    {"文字回転270ﾟ 文字列回転0ﾟ ", {"30"}},
};

constexpr CodedEntry kSpacingAdjustEntries[] = {
    {kNoSpacingAdjust, {"default"}},
    {"広げる", {"+"}},
    {"狭める", {"-"}},
};

constexpr CodedEntry kEmphasisEntries[] = {
    {kEmphasised, {"J"}},
    {"強調しない", {"default"}},
};

constexpr CodedEntry kCheckDigitEntries[] = {
    {"指定なし", {"default", "default"}},
    {"モジュラス10", {"M", "0"}},
    {"モジュラス43", {"M", "1"}},
};

constexpr CodedEntry kAlignmentEntries[] = {
    {"文字寄せなし", {"default", "default"}},
    {"左寄せ", {"P", "1"}},
    {"中央寄せ", {"P", "2"}},
    {"右寄せ", {"P", "3"}},
    {kJustified, {"P", "4"}},
    {kLineBreak, {"P", "5"}},
};

}  // namespace

// Unknown codes show, and unknown texts store, the neutral entry: "1.0",
// "黒文字", "自動", "微調整なし", "強調しない", "指定なし", "文字寄せなし".
const CodedList kMagnifications{kMagnificationEntries, 1, 1};
const CodedList kDecorations{kDecorationEntries, 0, 0};
const CodedList kRotations{kRotationEntries, 0, 0};
const CodedList kSpacingAdjusts{kSpacingAdjustEntries, 0, 0};
const CodedList kEmphases{kEmphasisEntries, 1, 1};
const CodedList kCheckDigits{kCheckDigitEntries, 0, 0};
const CodedList kAlignments{kAlignmentEntries, 0, 0};

}  // namespace vx::charfont
