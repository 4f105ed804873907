#include "cli/font_fields.h"

#include <algorithm>
#include <charconv>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"

namespace vx {

namespace {

template <class Record>
void addTextFields(FontFields& font, const Record& record,
                   std::span<const TextField<Record>> fields, std::string_view prefix = {}) {
    for (const TextField<Record>& field : fields) {
        std::string name = prefix.empty() ? std::string(field.name)
                                          : std::string(prefix) + "." + std::string(field.name);
        font.fields.push_back({std::move(name), record.*field.member});
    }
}

FontFields withTypeIndex(const std::string& fontName, int typeIndex) {
    return {fontName, {{std::string(kTypeIndexField), std::to_string(typeIndex)}}};
}

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

template <class Record>
bool assignTextField(Record& record, std::span<const TextField<Record>> fields,
                     std::string_view name, const std::string& value) {
    for (const TextField<Record>& field : fields) {
        if (field.name == name) {
            record.*field.member = value;
            return true;
        }
    }
    return false;
}

// The store as a save writes it and the next load reads it back. Fields
// that the file cannot hold apart (a value that gives way to "default", the
// parameters of a 2D code's other types, which share its keys) then look
// the same in two files that a save would give the same font sections.
SettingsStore asSaved(const SettingsStore& store) {
    IniDocument file{std::string()};
    if (!writeDriverFontSections(store, file)) return store;
    SettingsStore saved;
    loadDriverFontFile(file, saved);
    return saved;
}

}  // namespace

std::vector<FontFields> listFontFields(const SettingsStore& store) {
    std::vector<FontFields> fonts;
    for (const CharacterFontRecord& font : store.fonts) {
        fonts.push_back(withTypeIndex(font.fontName, font.typeIndex));
        addTextFields(fonts.back(), font, characterFontRecordFields());
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        fonts.push_back(withTypeIndex(barcode.fontName, barcode.typeIndex));
        addTextFields(fonts.back(), barcode, barcodeRecordFields());
    }
    for (const Code2DRecord& code : store.codes2D) {
        fonts.push_back(withTypeIndex(code.fontName, code.typeIndex));
        forEachCode2DParams(code,
                            [&](std::string_view record, const auto& params, auto fields, auto) {
                                addTextFields(fonts.back(), params, fields, record);
                            });
    }
    return fonts;
}

bool hasFont(const SettingsStore& store, std::string_view fontCp932) {
    auto named = [&](const auto& records) {
        return std::any_of(records.begin(), records.end(),
                           [&](const auto& record) { return record.fontName == fontCp932; });
    };
    return named(store.fonts) || named(store.barcodes) || named(store.codes2D);
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

std::optional<std::string> assignFontField(SettingsStore& store, const std::string& fontCp932,
                                           std::string_view field, const std::string& valueUtf8) {
    std::optional<std::string> value = cp932FromUtf8(valueUtf8);
    if (!value) return "value not representable in Shift-JIS: " + valueUtf8;
    const std::string unknownField = "unknown field: " + std::string(field);
    // The type index, checked against its table; nothing when out of range.
    auto typeIndex = [&](int count) -> std::optional<int> {
        std::optional<int> index = parseInteger(valueUtf8);
        if (!index || *index < 0 || *index >= count) return std::nullopt;
        return index;
    };
    auto rangeError = [&](int count) {
        return "typeIndex must be 0 to " + std::to_string(count - 1) + ": " + valueUtf8;
    };
    for (CharacterFontRecord& font : store.fonts) {
        if (font.fontName != fontCp932) continue;
        if (field == kTypeIndexField) {
            std::optional<int> index = typeIndex(kCharacterTypeCount);
            if (!index) return rangeError(kCharacterTypeCount);
            font.typeIndex = *index;
            font.typeName = characterTypeName(*index);
            return std::nullopt;
        }
        if (assignTextField(font, characterFontRecordFields(), field, *value)) return std::nullopt;
        return unknownField;
    }
    // A barcode's type index and name choose its "FontType" and its keys:
    // either one sets both.
    for (BarcodeRecord& barcode : store.barcodes) {
        if (barcode.fontName != fontCp932) continue;
        if (field == kTypeIndexField) {
            std::optional<int> index = typeIndex(kBarcodeTypeCount);
            if (!index) return rangeError(kBarcodeTypeCount);
            barcode.setType(*index);
            return std::nullopt;
        }
        if (field == "typeName") {
            if (barcode.setTypeByName(*value)) return std::nullopt;
            return "unknown barcode type: " + valueUtf8;
        }
        if (assignTextField(barcode, barcodeRecordFields(), field, *value)) return std::nullopt;
        return unknownField;
    }
    for (Code2DRecord& code : store.codes2D) {
        if (code.fontName != fontCp932) continue;
        if (field == kTypeIndexField) {
            std::optional<int> index = typeIndex(kCode2DTypeCount);
            if (!index) return rangeError(kCode2DTypeCount);
            code.typeIndex = *index;
            return std::nullopt;
        }
        bool done = false;
        forEachCode2DParams(code, [&](std::string_view record, auto& params, auto fields, auto) {
            std::string_view rest = field;
            if (done || rest.substr(0, record.size()) != record ||
                rest.substr(record.size(), 1) != ".") {
                return;
            }
            done = assignTextField(params, fields, rest.substr(record.size() + 1), *value);
        });
        return done ? std::nullopt : std::optional<std::string>(unknownField);
    }
    return "unknown driver font: " + utf8FromCp932(fontCp932);
}

}  // namespace vx
