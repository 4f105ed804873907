#include "settings/font_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/field_codes.h"
#include "settings/field_values.h"
#include "settings/font_places.h"

namespace vx {

std::vector<FontFields> listFontFields(const SettingsStore& store) {
    std::vector<FontFields> fonts;
    const std::pair<FontKind, std::size_t> kinds[] = {{FontKind::Character, store.fonts.size()},
                                                      {FontKind::Barcode, store.barcodes.size()},
                                                      {FontKind::Code2D, store.codes2D.size()}};
    for (const auto& [kind, count] : kinds) {
        for (std::size_t number = 0; number < count; ++number) {
            fonts.push_back(fieldsAt(store, {kind, number}));
        }
    }
    return fonts;
}

bool hasFont(const SettingsStore& store, std::string_view fontCp932) {
    return placeOf(store, fontCp932).has_value();
}

std::vector<ShownField> shownFields(const SettingsStore& store, std::string_view fontCp932) {
    std::vector<ShownField> shown;
    const std::optional<FontPlace> place = placeOf(store, fontCp932);
    if (!place) return shown;
    const FontFields font = fieldsAt(store, *place);
    int typeIndex = std::stoi(font.fields.front().value);
    // A 2D code font's type outside the table is shown, as the page shows
    // it, as Data Matrix with that type's fields.
    if (place->kind == FontKind::Code2D) {
        typeIndex = typeIndexOf(shownCode2DType(store.codes2D[place->number]));
    }
    for (const FieldValue& field : font.fields) {
        ShownField row{field.name, field.name, {}, field.value, utf8FromCp932(field.value), false};
        const FieldName name = splitName(place->kind, field.name);
        const FieldSpec* spec = field.name == kTypeIndexField
                                    ? nullptr
                                    : findFieldSpec(place->kind, name.field, typeIndex);
        if (field.name == kTypeIndexField) {
            row.label = std::string(fieldCatalogue(place->kind).front()->label) + "の番号";
            row.shown = utf8FromCp932(typeNameOf(place->kind, typeIndex));
            row.used = true;
        } else if (spec != nullptr) {
            row.label = spec->label;
            row.unit = spec->unit;
            row.used = spec->types.contains(typeIndex) &&
                       (!name.record || typeIndexOf(*name.record) == typeIndex) &&
                       spec->form != FieldForm::Working;
            std::vector<std::string_view> codes;
            for (const FieldSpec* member : listFields(*spec, typeIndex)) {
                codes.push_back(*findValue(font, nameWithRecord(name, member->name)));
            }
            if (spec->form == FieldForm::Number || spec->form == FieldForm::Code) {
                row.shown = shownValue(*spec, field.value, codes);
            } else if (spec->form == FieldForm::Composite) {
                row.shown = shownDecorationParams(field.value);
                if (const std::string* decoration = findValue(font, "decoration")) {
                    row.label = decorationParamsLabel(*decoration);
                }
            }
        }
        shown.push_back(std::move(row));
    }
    return shown;
}

std::string shownWithUnit(const ShownField& field) {
    const bool number =
        !field.shown.empty() && field.shown.find_first_not_of("0123456789.・") == std::string::npos;
    return number && !field.unit.empty() ? field.shown + " " + field.unit : field.shown;
}

std::string labelWithName(const ShownField& field) {
    return field.label == field.name ? field.name : field.label + " (" + field.name + ")";
}

SettingsStore asSaved(const SettingsStore& store) {
    IniDocument file{std::string()};
    if (!writeDriverFontSections(store, file)) return store;
    SettingsStore saved;
    loadDriverFontFile(file, saved);
    return saved;
}

std::vector<FontDifferences> compareFontFields(const SettingsStore& a, const SettingsStore& b,
                                               const std::vector<std::string>& fonts) {
    const std::vector<FontFields> left = listFontFields(asSaved(a));
    const std::vector<FontFields> right = listFontFields(asSaved(b));
    std::vector<FontDifferences> differences;
    // Both lists have the same fonts and fields in the same order.
    for (std::size_t font = 0; font < left.size(); ++font) {
        const std::string& name = left[font].fontName;
        if (!fonts.empty() && std::find(fonts.begin(), fonts.end(), name) == fonts.end()) continue;
        FontDifferences found{name, {}};
        for (std::size_t field = 0; field < left[font].fields.size(); ++field) {
            const FieldValue& x = left[font].fields[field];
            const FieldValue& y = right[font].fields[field];
            if (x.value != y.value) found.fields.push_back({x.name, x.value, y.value});
        }
        if (!found.fields.empty()) differences.push_back(std::move(found));
    }
    return differences;
}

}  // namespace vx
