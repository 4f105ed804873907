#include "preview/character_types.h"

#include <algorithm>
#include <iterator>

#include "settings/font_type_numbers.h"
#include "settings/settings_store.h"

namespace vx {

namespace {

using enum CellSizing;
using enum FaceDesign;
using enum Repertoire;

constexpr std::string_view kLatin = "ZEL Vextora 0123";
constexpr std::string_view kKanji = "内蔵漢字ABC";

// One row per type, named by its "FontType".
constexpr CharacterTypeFacts kFacts[] = {
    {1, Points, 8, Mincho, false, false, HalfWidth, kLatin},
    {2, Points, 10, Mincho, false, false, HalfWidth, kLatin},
    {3, Points, 10, Mincho, true, false, HalfWidth, kLatin},
    {4, Points, 12, Mincho, true, false, HalfWidth, kLatin},
    {5, Points, 14, Mincho, true, false, HalfWidth, kLatin},
    {6, Points, 12, Mincho, false, true, HalfWidth, kLatin},
    {7, Points, 6, Gothic, false, false, HalfWidth, kLatin},
    {8, Points, 10, Gothic, false, false, HalfWidth, kLatin},
    {9, Points, 12, Gothic, false, false, HalfWidth, kLatin},
    {10, Points, 12, Gothic, true, false, HalfWidth, kLatin},
    {11, Points, 14, Gothic, true, false, HalfWidth, kLatin},
    {12, Points, 12, Gothic, false, true, HalfWidth, kLatin},
    {13, Points, 12, OcrA, false, false, Ascii, "ZEL 0123456789"},
    {14, Points, 12, OcrB, false, false, Ascii, "ZEL 0123456789"},
    {15, Dots, 16, Gothic, false, false, Any, kKanji},
    {16, Dots, 24, Gothic, false, false, Any, kKanji},
    {17, Dots, 32, Gothic, false, false, Any, kKanji},
    {18, Dots, 48, Gothic, false, false, Any, kKanji},
    {19, Dots, 24, Mincho, false, false, Any, kKanji},
    {20, Dots, 32, Mincho, false, false, Any, kKanji},
    {51, TenthsMm, 0, Gothic, true, false, Any, "ゴシック体ABC"},
    {52, TenthsMm, 0, Gothic, true, false, Any, "ゴシック体ABC"},
    {53, TenthsMm, 0, Gothic, false, false, Price, "1980"},
    {54, TenthsMm, 0, Gothic, false, false, Price, "1980"},
    {55, TenthsMm, 0, Gothic, false, false, Price, "1980"},
    {56, TenthsMm, 0, Mincho, false, false, Any, "明朝体ABC"},
    {57, TenthsMm, 0, Gothic, false, false, Any, "ゴシック体ABC"},
};

}  // namespace

const CharacterTypeFacts* characterTypeFacts(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kCharacterTypeCount) return nullptr;
    const int fontType = characterFontTypeFromTypeIndex(typeIndex);
    const auto* row =
        std::find_if(std::begin(kFacts), std::end(kFacts),
                     [fontType](const auto& facts) { return facts.fontType == fontType; });
    return row == std::end(kFacts) ? nullptr : row;
}

}  // namespace vx
