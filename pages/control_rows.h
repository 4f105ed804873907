// One row per control of a setting page: what the control is, the label and
// unit beside it, for a numeric edit its up-down control, range, digits and
// "自動" box, and the record field it feeds with the width it is stored in.
// The page fields, the up-down ranges, the range checks, the moves between
// controls and record and the layout checks are all read from these rows.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "pages/coded_list.h"
#include "pages/page_fields.h"
#include "pages/record_fields.h"
#include "settings/field_catalogue.h"

namespace vx {

enum class ControlKind {
    FontNameList,  // the driver fonts; its position is the font shown
    TypeList,      // the types of the page's fonts
    List,          // a drop-down list; coded when it names its codes
    NumericEdit,   // an edit with its up-down control
    AutoBox,       // the "自動" box of a numeric edit
};

template <class Record>
struct ControlRow {
    using Field = RecordField<Record>;

    int id = 0;
    ControlKind kind = ControlKind::List;
    std::string_view label = {};  // the label on its left, as the template shows it
    std::string_view unit = {};   // the unit on its right

    // A numeric edit: its up-down control, the range that leaving the edit
    // enforces (and that the up-down control steps in unless spinMinimum
    // starts it higher) and its "自動" box.
    int spin = 0;
    FieldRange range = {};
    std::optional<int> spinMinimum = {};
    int autoBox = 0;
    // What the edit shows while its box stays ticked, until a store
    // remembers the text it showed (per font; a reset brings this back).
    std::string_view rememberedInitially = "0";

    // The record field and its stored width ("%0Ns"; 0 keeps the text as
    // it stands). An edit with a "自動" box stores "default" while the box is
    // ticked; a list without codes (a list of numbers) stores its text at
    // that width. Rows without a field are moved by the page's own steps.
    Field field = {};
    int width = 0;
    std::string_view shownForDefault = {};  // what an edit shows for "default"

    // A coded list and the record fields its codes go to, in the order of
    // the entries' codes.
    const CodedList* codes = nullptr;
    std::array<Field, 3> codeFields = {};
    // A value the list does not offer at the moment is shown as a temporary
    // item instead of leaving the previous choice standing.
    bool showsUnofferedValue = false;

    // The field in the catalogue: the types that use the control, and for a
    // field whose rules differ by type, the range of the type shown.
    const FieldSpec* spec = nullptr;

    std::pair<int, int> spinRange() const {
        return {spinMinimum.value_or(range.minimum), range.maximum};
    }
};

// A row described by its field in the catalogue: the label beside the
// control and the unit, for a number its range, stored width and what its
// edit shows for "default" (the parts of a composed value: their range).
// The page's words are the catalogue's; a row has none of its own.
template <class Record>
constexpr ControlRow<Record> described(const FieldSpec& spec, ControlRow<Record> row) {
    row.spec = &spec;
    row.label = spec.part.empty() ? spec.label : spec.part;
    row.unit = spec.unit;
    if (spec.form == FieldForm::Number || spec.form == FieldForm::Composite ||
        spec.form == FieldForm::Working) {
        row.range = rangeOfSpec(spec);
    }
    if (spec.form == FieldForm::Number) row.width = spec.width;
    if (row.autoBox == 0) row.shownForDefault = spec.shownForDefault;
    return row;
}

// The page fields that the rows ask for, in row order.
template <class Record>
std::vector<FieldBinding> fieldBindings(std::span<const ControlRow<Record>> rows) {
    std::vector<FieldBinding> bindings;
    for (const ControlRow<Record>& row : rows) {
        FieldKind kind = FieldKind::List;
        switch (row.kind) {
            case ControlKind::FontNameList:
                kind = FieldKind::FontNameList;
                break;
            case ControlKind::TypeList:
            case ControlKind::List:
                kind = FieldKind::List;
                break;
            case ControlKind::NumericEdit:
                kind = FieldKind::Edit;
                break;
            case ControlKind::AutoBox:
                kind = FieldKind::Check;
                break;
        }
        bindings.push_back({row.id, kind, row.showsUnofferedValue});
    }
    return bindings;
}

}  // namespace vx
