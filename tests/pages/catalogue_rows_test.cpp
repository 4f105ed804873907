// The pages' control rows against the field catalogue: every list and edit
// names the catalogue's entry of the record field it moves, and a coded
// list offers the catalogue's codes, so that a row that names the wrong
// field, or a field whose rules drift from the page's, is caught.
#include <gtest/gtest.h>

#include <string>

#include "pages/barcode_page.h"
#include "pages/character_font_page.h"
#include "pages/code2d_page.h"
#include "resources/resource.h"

namespace vx {
namespace {

template <class Record>
std::string nameOf(std::string Record::*member, std::span<const TextField<Record>> fields) {
    for (const TextField<Record>& field : fields) {
        if (field.member == member) return std::string(field.name);
    }
    return "(none)";
}
std::string nameOf(std::string CharacterFontRecord::*member) {
    return nameOf(member, characterFontRecordFields());
}
std::string nameOf(std::string BarcodeRecord::*member) {
    return nameOf(member, barcodeRecordFields());
}
std::string nameOf(const Code2DField& field) { return std::string(field.name); }

// The field a row moves: its own, or the first of its list's fields.
template <class Record>
std::string movedField(const ControlRow<Record>& row) {
    if (row.field) return nameOf(row.field);
    if (row.codeFields[0]) return nameOf(row.codeFields[0]);
    return {};
}

template <class Record>
void expectRowsNameTheirFields(std::span<const ControlRow<Record>> rows, FontKind kind) {
    for (const ControlRow<Record>& row : rows) {
        if (row.kind != ControlKind::List && row.kind != ControlKind::NumericEdit) continue;
        ASSERT_NE(row.spec, nullptr) << "control " << row.id << " names no catalogue field";
        EXPECT_EQ(row.spec->kind, kind) << row.id;
        const std::string moved = movedField(row);
        // Rows that the page's own steps move name their field only here.
        if (!moved.empty()) {
            EXPECT_EQ(moved, row.spec->name) << "control " << row.id;
        }
        if (row.codes != nullptr) {
            EXPECT_EQ(row.codes->entries.data(), row.spec->entries.data()) << row.id;
            // dvftool and the sheet show an unknown code as the list does.
            if (row.spec->shownForOther >= 0) {
                EXPECT_EQ(row.codes->shownForOther, row.spec->shownForOther) << row.id;
            }
        }
    }
}

TEST(CatalogueRows, EveryListAndEditOfEveryPageNamesTheFieldItMoves) {
    expectRowsNameTheirFields(characterFontPageRows(), FontKind::Character);
    expectRowsNameTheirFields(barcodePageRows(), FontKind::Barcode);
    expectRowsNameTheirFields(code2DPageRows(), FontKind::Code2D);
}

// The rows that the page's own steps move, checked by hand.
TEST(CatalogueRows, StepMovedRowsNameTheirFields) {
    struct Expected {
        int id;
        const char* field;
    };
    const Expected rows[] = {
        {IDC_FONT_H_MAG, "sizeX"},
        {IDC_FONT_WIDTH, "sizeX"},
        {IDC_FONT_V_MAG, "sizeY"},
        {IDC_FONT_HEIGHT, "sizeY"},
        {IDC_FONT_SPACING, "spacing"},
        {IDC_FONT_DECORATION, "decoration"},
        {IDC_FONT_ZERO_SUPPRESS, "zeroSuppressDigits"},
    };
    for (const Expected& expected : rows) {
        for (const auto& row : characterFontPageRows()) {
            if (row.id == expected.id) {
                EXPECT_EQ(row.spec->name, expected.field) << row.id;
            }
        }
    }
    for (const auto& row : barcodePageRows()) {
        if (row.id == IDC_BC_CHECK_DIGIT) {
            EXPECT_EQ(row.spec->name, "checkDigit");
        }
    }
}

}  // namespace
}  // namespace vx
