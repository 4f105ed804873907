// The character font types: one row per type at its type index, with its
// name, its "FontType" and its group. The group decides the keys (bitmap and
// kanji types "PC", outline and price types "PV"), the fields a type uses
// and how the preview sizes its cells.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace vx {

enum class CharacterGroup : char {
    Bitmap,   // a bitmap font of a point size
    Kanji,    // a bitmap kanji font of a dot size
    Outline,  // an outline font sized in 0.1 mm
    Price,    // an outline price font
};

struct CharacterTypeRow {
    std::string_view name;  // UTF-8, as the type list shows it and the file names it
    int fontType;
    CharacterGroup group;
};

// clang-format off
inline constexpr CharacterTypeRow kCharacterTypes[] = {
    {"明朝 8ポイント",                  1, CharacterGroup::Bitmap},
    {"明朝 10ポイント",                 2, CharacterGroup::Bitmap},
    {"明朝 10ポイント(BOLD)",           3, CharacterGroup::Bitmap},
    {"明朝 12ポイント(BOLD)",           4, CharacterGroup::Bitmap},
    {"明朝 14ポイント(BOLD)",           5, CharacterGroup::Bitmap},
    {"明朝 12ポイント(ITALIC)",         6, CharacterGroup::Bitmap},
    {"ゴシック 6ポイント",              7, CharacterGroup::Bitmap},
    {"ゴシック 10ポイント",             8, CharacterGroup::Bitmap},
    {"ゴシック 12ポイント",             9, CharacterGroup::Bitmap},
    {"ゴシック 12ポイント(BOLD)",      10, CharacterGroup::Bitmap},
    {"ゴシック 14ポイント(BOLD)",      11, CharacterGroup::Bitmap},
    {"ゴシック 12ポイント(ITALIC)",    12, CharacterGroup::Bitmap},
    {"OCR-A 12ポイント",               13, CharacterGroup::Bitmap},
    {"OCR-B 12ポイント",               14, CharacterGroup::Bitmap},
    {"漢字ゴシック体(16×16ドット)",    15, CharacterGroup::Kanji},
    {"漢字ゴシック体(24×24ドット)",    16, CharacterGroup::Kanji},
    {"漢字ゴシック体(32×32ドット)",    17, CharacterGroup::Kanji},
    {"漢字ゴシック体(48×48ドット)",    18, CharacterGroup::Kanji},
    {"漢字明朝体(24×24ドット)",        19, CharacterGroup::Kanji},
    {"漢字明朝体(32×32ドット)",        20, CharacterGroup::Kanji},
    {"ｺﾞｼｯｸ(BOLD均等幅)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)", 51, CharacterGroup::Outline},
    {"ｺﾞｼｯｸ(BOLD)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)",        52, CharacterGroup::Outline},
    {"価格フォント１",                  53, CharacterGroup::Price},
    {"価格フォント２",                  54, CharacterGroup::Price},
    {"価格フォント３",                  55, CharacterGroup::Price},
    {"明朝(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)",               56, CharacterGroup::Outline},
    {"ゴシック(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)",           57, CharacterGroup::Outline},
};
// clang-format on

inline constexpr int kCharacterTypeCount = static_cast<int>(std::size(kCharacterTypes));
// Type indexes below this are bitmap and kanji fonts ("PC" keys); the rest
// outline and price fonts ("PV" keys).
inline constexpr int kFirstOutlineTypeIndex = 20;

// The groups lie in one block each, and the FontType numbers run 1 to 20,
// then 51 to 57: the arithmetic that the reader and writer use.
consteval bool characterTypesInOrder() {
    for (std::size_t i = 0; i < std::size(kCharacterTypes); ++i) {
        const CharacterTypeRow& row = kCharacterTypes[i];
        const bool outline =
            row.group == CharacterGroup::Outline || row.group == CharacterGroup::Price;
        if (outline != (static_cast<int>(i) >= kFirstOutlineTypeIndex)) return false;
        const int expected = static_cast<int>(i) < kFirstOutlineTypeIndex
                                 ? static_cast<int>(i) + 1
                                 : static_cast<int>(i) + 31;
        if (row.fontType != expected) return false;
    }
    return true;
}
static_assert(kCharacterTypeCount == 27 && characterTypesInOrder());

// The group of a type index; Bitmap for an index outside the table, as the
// keys of an index below kFirstOutlineTypeIndex.
constexpr CharacterGroup characterGroupOf(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kCharacterTypeCount) {
        return typeIndex >= kFirstOutlineTypeIndex ? CharacterGroup::Outline
                                                   : CharacterGroup::Bitmap;
    }
    return kCharacterTypes[static_cast<std::size_t>(typeIndex)].group;
}
// Outline and price types: "PV" keys, sizes in 0.1 mm.
constexpr bool isOutlineType(int typeIndex) { return typeIndex >= kFirstOutlineTypeIndex; }
constexpr bool isKanjiType(int typeIndex) {
    return characterGroupOf(typeIndex) == CharacterGroup::Kanji;
}

}  // namespace vx
