#include "cli/field_listing.h"

#include <nlohmann/json.hpp>

#include "settings/codepage.h"
#include "settings/field_codes.h"
#include "settings/field_values.h"
#include "settings/font_fields.h"
#include "settings/font_names.h"
#include "settings/font_places.h"

namespace vx {

namespace {

using Json = nlohmann::ordered_json;

constexpr FontKind kKinds[] = {FontKind::Character, FontKind::Barcode, FontKind::Code2D};

// The names of the types that use a field (UTF-8), or "すべての種別".
std::vector<std::string> typeNames(const FieldSpec& spec, TypeSet among) {
    std::vector<std::string> names;
    bool all = true;
    for (int index = 0; index < typeCountOf(spec.kind); ++index) {
        if (!among.contains(index)) continue;
        if (spec.types.contains(index)) {
            names.push_back(utf8FromCp932(typeNameOf(spec.kind, index)));
        } else {
            all = false;
        }
    }
    if (all && among.contains(0) &&
        names.size() == static_cast<std::size_t>(typeCountOf(spec.kind))) {
        return {"すべての種別"};
    }
    return names;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& part : texts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

struct CatalogueRow {
    std::string field;
    const FieldSpec* spec;
    std::vector<std::string> types;
    std::vector<int> typeIndexes;  // the types that use the field, by index
};

std::vector<int> indexesIn(const FieldSpec& spec, TypeSet among) {
    std::vector<int> indexes;
    for (int index = 0; index < typeCountOf(spec.kind); ++index) {
        if (among.contains(index) && spec.types.contains(index)) indexes.push_back(index);
    }
    return indexes;
}

// The fields that can be set: 2D code fields once per parameter record.
std::vector<CatalogueRow> catalogueRows(FontKind kind) {
    std::vector<CatalogueRow> rows;
    for (const FieldSpec* spec : fieldCatalogue(kind)) {
        if (spec->form == FieldForm::Working || spec->form == FieldForm::Fixed) continue;
        if (kind != FontKind::Code2D) {
            rows.push_back({std::string(spec->name), spec, typeNames(*spec, spec->types),
                            indexesIn(*spec, spec->types)});
            continue;
        }
        for (const Code2DTypeRow& type : kCode2DTypes) {
            const int index = typeIndexOf(type.type);
            if (!spec->types.contains(index)) continue;
            rows.push_back({std::string(type.recordName) + "." + std::string(spec->name),
                            spec,
                            {std::string(type.name)},
                            {index}});
        }
    }
    return rows;
}

// The catalogue's entry for a script: the range, whether "default" is
// allowed, the codes with their texts, the key and its width, the types by
// index and name; the human texts beside them.
Json catalogueJson(const CatalogueRow& row, const std::string& accepted) {
    const FieldSpec& spec = *row.spec;
    static constexpr const char* kForms[] = {"number", "code", "composite", "type", "fixed",
                                             "working"};
    Json entry = {{"field", row.field},
                  {"label", spec.label},
                  {"unit", spec.unit},
                  {"form", kForms[static_cast<int>(spec.form)]}};
    if (!spec.part.empty()) entry["part"] = spec.part;
    if (spec.form == FieldForm::Number || spec.form == FieldForm::Composite) {
        entry["min"] = spec.minimum;
        entry["max"] = spec.maximum;
        entry["width"] = spec.width;
    }
    entry["default"] = spec.allowsDefault;
    if (spec.allowsDefault && spec.form == FieldForm::Number) {
        entry["defaultShown"] = spec.shownForDefault.empty() ? "0" : spec.shownForDefault;
    }
    if (spec.form == FieldForm::Code) {
        Json codes = Json::array();
        for (const CodedEntry& coded : spec.entries) {
            const std::string_view code = coded.codes[static_cast<std::size_t>(spec.column)];
            if (code == codes::kDefault) entry["default"] = true;
            codes.push_back({{"code", code}, {"text", coded.text}});
        }
        entry["codes"] = std::move(codes);
    }
    Json types = Json::array();
    std::string_view key;
    for (const int index : row.typeIndexes) {
        types.push_back({{"index", index}, {"name", utf8FromCp932(typeNameOf(spec.kind, index))}});
        if (key.empty()) key = fieldKey(spec, index);
    }
    if (!key.empty()) {
        entry["key"] = key;
        entry["keyWidth"] = keyWidth(key);
    }
    entry["types"] = std::move(types);
    entry["accepted"] = accepted;
    entry["typesText"] = joined(row.types);
    return entry;
}

std::string acceptedText(const FieldSpec& spec) {
    if (spec.form == FieldForm::Composite) return "文字飾りごとに 2 桁の数 (01〜99)";
    if (spec.form == FieldForm::Type) return "種別の名前 (typeIndex: 種別の番号)";
    return acceptedValues(spec);
}

}  // namespace

std::optional<FontKind> fontKindOfName(std::string_view fontCp932) {
    for (int n = 0; n < kCharacterFontCount; ++n) {
        if (characterFontName(n) == fontCp932) return FontKind::Character;
    }
    for (int n = 0; n < kBarcodeFontCount; ++n) {
        if (barcodeFontName(n) == fontCp932) return FontKind::Barcode;
    }
    for (int n = 0; n < kCode2DFontCount; ++n) {
        if (code2DFontName(n) == fontCp932) return FontKind::Code2D;
    }
    return std::nullopt;
}

std::string catalogueListing(std::optional<FontKind> only, bool json) {
    std::string text;
    Json list = Json::array();
    for (const FontKind kind : kKinds) {
        if (only && *only != kind) continue;
        for (const CatalogueRow& row : catalogueRows(kind)) {
            const FieldSpec& spec = *row.spec;
            if (json) {
                list.push_back(catalogueJson(row, acceptedText(spec)));
                continue;
            }
            text += row.field + "\t" + std::string(spec.label) + "\t" + std::string(spec.unit) +
                    "\t" + acceptedText(spec) + "\t" + joined(row.types) + "\n";
        }
    }
    return json ? list.dump(2) + "\n" : text;
}

std::string shownListing(const SettingsStore& store, const std::vector<std::string>& fonts,
                         bool json) {
    std::string text;
    Json list = Json::array();
    for (const FontFields& font : listFontFields(store)) {
        if (!fonts.empty() && std::find(fonts.begin(), fonts.end(), font.fontName) == fonts.end()) {
            continue;
        }
        const std::string name = utf8FromCp932(font.fontName);
        Json fields = Json::array();
        for (const ShownField& field : shownFields(store, font.fontName)) {
            if (!field.used) continue;
            const std::string value = utf8FromCp932(field.value);
            const std::string shown = shownWithUnit(field);
            if (json) {
                fields.push_back({{"field", field.name},
                                  {"label", field.label},
                                  {"value", value},
                                  {"shown", field.shown},
                                  {"unit", field.unit}});
            } else {
                text += name + "\t" + field.name + "\t" + field.label + "\t" + value + "\t" +
                        shown + "\n";
            }
        }
        if (json) list.push_back({{"font", name}, {"fields", std::move(fields)}});
    }
    return json ? list.dump(2, ' ', false, Json::error_handler_t::replace) + "\n" : text;
}

}  // namespace vx
