#include "settings/font_places.h"

#include "settings/font_names.h"

#include <algorithm>

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

FontFields fieldsOf(const CharacterFontRecord& font) {
    FontFields fields = withTypeIndex(font.fontName, font.typeIndex);
    addTextFields(fields, font, characterFontRecordFields());
    return fields;
}

FontFields fieldsOf(const BarcodeRecord& barcode) {
    FontFields fields = withTypeIndex(barcode.fontName, barcode.typeIndex);
    addTextFields(fields, barcode, barcodeRecordFields());
    return fields;
}

FontFields fieldsOf(const Code2DRecord& code) {
    FontFields fields = withTypeIndex(code.fontName, code.typeIndex);
    forEachCode2DParams(code, [&](std::string_view record, const auto& params, auto list, auto) {
        addTextFields(fields, params, list, record);
    });
    return fields;
}

template <class Records>
std::optional<std::size_t> numberOf(const Records& records, std::string_view fontCp932) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].fontName == fontCp932) return i;
    }
    return std::nullopt;
}

template <class Record>
std::string* slotIn(Record& record, std::span<const TextField<Record>> fields,
                    std::string_view name) {
    for (const TextField<Record>& field : fields) {
        if (field.name == name) return &(record.*field.member);
    }
    return nullptr;
}

}  // namespace

std::optional<FontPlace> placeOf(const SettingsStore& store, std::string_view fontCp932) {
    if (auto n = numberOf(store.fonts, fontCp932)) return FontPlace{FontKind::Character, *n};
    if (auto n = numberOf(store.barcodes, fontCp932)) return FontPlace{FontKind::Barcode, *n};
    if (auto n = numberOf(store.codes2D, fontCp932)) return FontPlace{FontKind::Code2D, *n};
    return std::nullopt;
}

FontFields fieldsAt(const SettingsStore& store, FontPlace place) {
    switch (place.kind) {
        case FontKind::Character:
            return fieldsOf(store.fonts[place.number]);
        case FontKind::Barcode:
            return fieldsOf(store.barcodes[place.number]);
        case FontKind::Code2D:
            break;
    }
    return fieldsOf(store.codes2D[place.number]);
}

int& typeIndexAt(SettingsStore& store, FontPlace place) {
    switch (place.kind) {
        case FontKind::Character:
            return store.fonts[place.number].typeIndex;
        case FontKind::Barcode:
            return store.barcodes[place.number].typeIndex;
        case FontKind::Code2D:
            break;
    }
    return store.codes2D[place.number].typeIndex;
}

const std::string& typeNameOf(FontKind kind, int typeIndex) {
    switch (kind) {
        case FontKind::Character:
            return characterTypeName(typeIndex);
        case FontKind::Barcode:
            return barcodeTypeName(typeIndex);
        case FontKind::Code2D:
            break;
    }
    return code2DTypeName(typeIndex);
}

int typeCountOf(FontKind kind) {
    switch (kind) {
        case FontKind::Character:
            return kCharacterTypeCount;
        case FontKind::Barcode:
            return kBarcodeTypeCount;
        case FontKind::Code2D:
            break;
    }
    return kCode2DTypeCount;
}

FieldName splitName(FontKind kind, std::string_view name) {
    if (kind != FontKind::Code2D) return {std::nullopt, name};
    for (const Code2DTypeRow& row : kCode2DTypes) {
        if (name.size() > row.recordName.size() && name.starts_with(row.recordName) &&
            name[row.recordName.size()] == '.') {
            return {row.type, name.substr(row.recordName.size() + 1)};
        }
    }
    return {std::nullopt, {}};
}

// The text field of a font by its dvftool name; nullptr for none.
std::string* slotOf(SettingsStore& store, FontPlace place, std::string_view name) {
    switch (place.kind) {
        case FontKind::Character:
            return slotIn(store.fonts[place.number], characterFontRecordFields(), name);
        case FontKind::Barcode:
            return slotIn(store.barcodes[place.number], barcodeRecordFields(), name);
        case FontKind::Code2D:
            break;
    }
    const FieldName split = splitName(FontKind::Code2D, name);
    if (!split.record) return nullptr;
    std::string* slot = nullptr;
    visitCode2DParams(store.codes2D[place.number], *split.record, [&](auto& params, auto fields) {
        slot = slotIn(params, fields, split.field);
    });
    return slot;
}

const std::string* findValue(const FontFields& font, std::string_view name) {
    for (const FieldValue& field : font.fields) {
        if (field.name == name) return &field.value;
    }
    return nullptr;
}

// The other fields of a list of several fields, for a field of it: the
// catalogue's entries of the same list for the type, in the order of their
// codes.
std::vector<const FieldSpec*> listFields(const FieldSpec& spec, int typeIndex) {
    std::vector<const FieldSpec*> members;
    if (spec.form != FieldForm::Code || spec.entries.empty() || spec.entries[0].codes[1].empty()) {
        return members;
    }
    for (const FieldSpec* other : fieldCatalogue(spec.kind)) {
        if (other->entries.data() == spec.entries.data() && other->types.contains(typeIndex)) {
            members.push_back(other);
        }
    }
    std::sort(members.begin(), members.end(),
              [](const FieldSpec* a, const FieldSpec* b) { return a->column < b->column; });
    return members;
}

std::string nameWithRecord(const FieldName& name, std::string_view field) {
    if (!name.record) return std::string(field);
    return std::string(code2DTypeRow(*name.record).recordName) + "." + std::string(field);
}

}  // namespace vx
