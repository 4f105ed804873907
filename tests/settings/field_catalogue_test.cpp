// The field catalogue: a few fields of each page against figures written
// out by hand, and the catalogue against the key tables of the reader and
// writer, each table checking the other.
#include "settings/field_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/driver_font_keys.h"
#include "settings/field_values.h"
#include "settings/font_places.h"
#include "settings/settings_store.h"

namespace vx {
namespace {

struct Expected {
    FontKind kind;
    const char* name;
    int typeIndex;  // a type that uses the field
    const char* label;
    const char* unit;
    int width, minimum, maximum;
    bool allowsDefault;
};

TEST(FieldCatalogue, NumbersHaveThePagesLabelsUnitsRangesAndWidths) {
    using enum FontKind;
    // clang-format off
    const Expected cases[] = {
        {Character, "originY",            0, "基点Y座標",           "x0.1mm", 5, 0, 32767, true},
        {Character, "sizeX",             22, "幅",                  "x0.1mm", 4, 20, 850, true},
        {Character, "spacing",            3, "文字間スペース",      "ドット", 2, 0, 99, false},
        {Character, "spacing",           26, "文字間スペース",      "ドット", 3, 0, 512, false},
        {Character, "shiftY",            14, "縦シフト",            "ドット", 2, 0, 16, false},
        {Character, "areaWidth",         25, "文字寄せエリアX方向", "x0.1mm", 4, 50, 1060, true},
        {Character, "lineFeed",           0, "文字寄せエリア改行量", "x0.1mm", 3, 10, 500, true},
        {Barcode,   "height",            22, "バーコード高さ",      "x0.1mm", 4, 0, 1000, false},
        {Barcode,   "moduleWidth",        2, "1モジュール幅",       "ドット", 2, 1, 15, false},
        {Barcode,   "guardBarLength",     8, "ガードバーの長さ",    "x0.1mm", 3, 0, 100, false},
        {Barcode,   "wideBar",           14, "太バー幅",            "ドット", 2, 1, 99, false},
        {Barcode,   "zeroSuppress",       6, "ゼロサプレス",        "桁",     2, 0, 40, false},
        {Code2D,    "moduleWidth",        4, "1モジュール／セル幅", "ドット", 2, 0, 52, false},
        {Code2D,    "moduleWidth",        0, "1モジュール／セル幅", "ドット", 2, 0, 99, false},
        {Code2D,    "columnRowCount",     3, "列・行数",            "",       2, 1, 30, false},
        {Code2D,    "columnRowCount",     2, "列・行数",            "",       2, 0, 38, false},
        {Code2D,    "rowHeight",          5, "バーコード1行の高さ", "x0.1mm", 4, 0, 1000, false},
        {Code2D,    "securityLevel",      3, "セキュリティレベル",  "",       2, 0, 8, false},
    };
    // clang-format on
    for (const Expected& c : cases) {
        const FieldSpec* spec = findFieldSpec(c.kind, c.name, c.typeIndex);
        ASSERT_NE(spec, nullptr) << c.name;
        EXPECT_TRUE(spec->types.contains(c.typeIndex)) << c.name << " " << c.typeIndex;
        EXPECT_EQ(spec->form, FieldForm::Number) << c.name;
        EXPECT_EQ(spec->label, c.label) << c.name;
        EXPECT_EQ(spec->unit, c.unit) << c.name;
        EXPECT_EQ(spec->width, c.width) << c.name;
        EXPECT_EQ(spec->minimum, c.minimum) << c.name;
        EXPECT_EQ(spec->maximum, c.maximum) << c.name;
        EXPECT_EQ(spec->allowsDefault, c.allowsDefault) << c.name;
    }
}

TEST(FieldCatalogue, CodedFieldsOfferTheListsCodes) {
    using enum FontKind;
    struct Coded {
        FontKind kind;
        const char* name;
        int typeIndex;
        const char* accepted;
    };
    // clang-format off
    const Coded cases[] = {
        {Barcode, "rotation", 0, "default (自動), 0 (0ﾟ), 1 (90ﾟ), 2 (180ﾟ), 3 (270ﾟ)"},
        {Barcode, "checkDigit", 1, "1 (付加なし), 2 (チェックデジットチェック), 3 (チェックデジット自動付加)"},
        {Barcode, "checkDigit", 16, "1 (付加なし), 2 (チェックデジットチェック), 3 (チェックデジット自動付加), "
                                    "4 (チェックデジット自動付加+プライスC/D4桁)"},
        {Barcode, "checkDigit", 14, "1 (付加なし), 2 (チェックデジットチェック), 3 (チェックデジット自動付加(1)), "
                                    "4 (チェックデジット自動付加(2))"},
        {Barcode, "startStop", 3, "default (自動付加), T (スタートコードのみ付加), P (ストップコードのみ付加), N (付加なし)"},
        {Barcode, "autoSwitch", 2, "9 (自動切り換えあり), A (自動切り換えなし)"},
        {Character, "decoration", 0, "B (黒文字), W (白抜き文字), F (四角枠付き文字), C (二重取消線付き文字)"},
        {Character, "alignmentMode", 20, "default (文字寄せなし), 1 (左寄せ), 2 (中央寄せ), 3 (右寄せ), 4 (均等割付け)"},
        {Character, "checkDigitMode", 0, "default (指定なし), 0 (モジュラス10), 1 (モジュラス43)"},
        {Code2D, "mode", 1, "0 (モード2), 3 (モード3), 4 (モード4)"},
        {Code2D, "cellRows", 0, "default (最小), 008 (18 × 8), 012 (26 × 12), 016 (36 × 16)"},
        {Code2D, "errorCorrection", 4, "L (L：高密度レベル), M (M：標準レベル), Q (Q：信頼レベル), H (H：高信頼レベル)"},
    };
    // clang-format on
    for (const Coded& c : cases) {
        const FieldSpec* spec = findFieldSpec(c.kind, c.name, c.typeIndex);
        ASSERT_NE(spec, nullptr) << c.name;
        EXPECT_TRUE(spec->types.contains(c.typeIndex)) << c.name;
        EXPECT_EQ(acceptedValues(*spec), c.accepted) << c.name;
    }
    // The GS1 Composite's linear types run "01" to "11".
    const FieldSpec* linear = findFieldSpec(Code2D, "linearType", 5);
    ASSERT_NE(linear, nullptr);
    EXPECT_EQ(linear->entries.size(), 11u);
    EXPECT_EQ(linear->entries.front().codes[0], "01");
    EXPECT_EQ(linear->entries.back().codes[0], "11");
}

TEST(FieldCatalogue, TypesThatUseAFieldAreThePagesOwn) {
    using enum FontKind;
    struct Use {
        FontKind kind;
        const char* name;
        int typeIndex;
        bool used;
    };
    // clang-format off
    const Use cases[] = {
        {Character, "emphasis", 19, true},    {Character, "emphasis", 20, false},
        {Character, "areaLines", 0, true},    {Character, "areaLines", 24, false},
        {Barcode, "narrowBar", 0, true},      {Barcode, "narrowBar", 2, false},
        {Barcode, "guardBarLength", 19, true}, {Barcode, "guardBarLength", 22, false},
        {Barcode, "humanReadable", 6, false}, {Barcode, "humanReadable", 21, true},
        {Barcode, "startStop", 14, true},     {Barcode, "startStop", 7, false},
        {Barcode, "rssVersion", 6, true},     {Barcode, "autoSwitch", 5, false},
        {Code2D, "rotation", 1, false},       {Code2D, "rotation", 5, true},
        {Code2D, "securityLevel", 2, false},  {Code2D, "moduleWidth", 1, false},
    };
    // clang-format on
    for (const Use& c : cases) {
        const FieldSpec* spec = findFieldSpec(c.kind, c.name, c.typeIndex);
        ASSERT_NE(spec, nullptr) << c.name;
        EXPECT_EQ(spec->types.contains(c.typeIndex), c.used) << c.name << " " << c.typeIndex;
    }
}

TEST(FieldCatalogue, KeyWidthCountsTheGroupsOfTheKeyName) {
    EXPECT_EQ(keyWidth("XBpl1pl2pl3pl4"), 4);
    EXPECT_EQ(keyWidth("PCpd1pd2"), 2);
    EXPECT_EQ(keyWidth("XBpe"), 1);
    EXPECT_EQ(keyWidth("PCJ"), 1);
    EXPECT_EQ(keyWidth("PVpo1po2po3po4po5po6po7po8po9po10"), 10);
}

// Every field a type uses is written under a key for that type, a number in
// the key's width; and every key written from a record field for a type
// belongs to a field the catalogue gives that type.
TEST(FieldCatalogue, AgreesWithTheKeysTheWriterWritesForEachType) {
    for (const FontKind kind : {FontKind::Character, FontKind::Barcode, FontKind::Code2D}) {
        for (int type = 0; type < typeCountOf(kind); ++type) {
            std::set<std::string> used;
            for (const FieldSpec* spec : fieldCatalogue(kind)) {
                if (!spec->types.contains(type) || spec->form == FieldForm::Type ||
                    spec->form == FieldForm::Fixed) {
                    continue;
                }
                used.insert(std::string(spec->name));
                const std::string_view key = fieldKey(*spec, type);
                EXPECT_FALSE(key.empty()) << spec->name << " of type " << type;
                if (spec->form == FieldForm::Number && !key.empty()) {
                    EXPECT_EQ(keyWidth(key), spec->width) << spec->name << " " << key;
                }
            }
            // Every text field that the writer writes from the record.
            auto expectUsed = [&](std::string_view field) {
                EXPECT_TRUE(used.contains(std::string(field)))
                    << field << " is written for type " << type << " of kind "
                    << static_cast<int>(kind) << " but the catalogue says it is unused";
            };
            if (kind == FontKind::Character) {
                for (const CharacterKeyRow& row : characterKeyRows()) {
                    const bool outline = type >= kFirstOutlineTypeIndex;
                    if (row.field == nullptr ||
                        (outline ? row.outline : row.bitmap).op != KeyCell::Field ||
                        (outline && row.outlineKey == nullptr)) {
                        continue;
                    }
                    for (const auto& field : characterFontRecordFields()) {
                        if (field.member == row.field) expectUsed(field.name);
                    }
                }
            } else if (kind == FontKind::Barcode) {
                for (const BarcodeOriginKey& origin : kBarcodeOriginKeys) {
                    for (const auto& field : barcodeRecordFields()) {
                        if (field.member == origin.field) expectUsed(field.name);
                    }
                }
                const BarcodeLayout layout = barcodeLayout(*barcodeTypeAt(type));
                for (const BarcodeKeyRow& row : layout.rows) {
                    if (row.field == nullptr ||
                        row.cells[static_cast<std::size_t>(layout.column)].write.op !=
                            KeyCell::Field) {
                        continue;
                    }
                    for (const auto& field : barcodeRecordFields()) {
                        if (field.member == row.field) expectUsed(field.name);
                    }
                }
            } else {
                Code2DRecord record;
                visitCode2DParams(record, *code2DTypeAt(type), [&](auto& params, auto fields) {
                    for (const auto& row : code2DKeyRows(&params)) {
                        for (const auto& field : fields) {
                            if (row.field != nullptr && field.member == row.field) {
                                expectUsed(field.name);
                            }
                        }
                    }
                });
            }
        }
    }
}

// Every text field of every record is in the catalogue, so that dvftool can
// check it and the comparison can label it.
TEST(FieldCatalogue, DescribesEveryTextFieldOfEveryRecord) {
    auto described = [](FontKind kind, std::string_view name) {
        for (const FieldSpec* spec : fieldCatalogue(kind)) {
            if (spec->name == name) return true;
        }
        return false;
    };
    for (const auto& field : characterFontRecordFields()) {
        EXPECT_TRUE(described(FontKind::Character, field.name)) << field.name;
    }
    for (const auto& field : barcodeRecordFields()) {
        EXPECT_TRUE(described(FontKind::Barcode, field.name)) << field.name;
    }
    Code2DRecord record;
    forEachCode2DParams(record, [&](std::string_view, auto&, auto fields, auto) {
        for (const auto& field : fields) {
            EXPECT_TRUE(described(FontKind::Code2D, field.name)) << field.name;
        }
    });
}

}  // namespace
}  // namespace vx
