#include "settings/font_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/field_codes.h"
#include "settings/field_values.h"

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

// Where a font is in the store.
struct FontPlace {
    FontKind kind;
    std::size_t number;
};

template <class Records>
std::optional<std::size_t> numberOf(const Records& records, std::string_view fontCp932) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].fontName == fontCp932) return i;
    }
    return std::nullopt;
}

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

// A 2D code field's name is its parameter record's and its own.
struct FieldName {
    std::optional<Code2DType> record;
    std::string_view field;
};

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

template <class Record>
std::string* slotIn(Record& record, std::span<const TextField<Record>> fields,
                    std::string_view name) {
    for (const TextField<Record>& field : fields) {
        if (field.name == name) return &(record.*field.member);
    }
    return nullptr;
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

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// The assignments of one font, checked against the catalogue and made in a
// copy of the store.
class FontAssignment {
public:
    FontAssignment(SettingsStore& store, FontPlace place, std::string fontUtf8,
                   std::vector<std::string>& refusals)
        : store_(store),
          place_(place),
          font_(std::move(fontUtf8)),
          before_(fieldsAt(store, place)),
          refusals_(refusals) {}

    void run(const std::vector<const FieldAssignment*>& assignments) {
        std::vector<Pending> pending;
        for (const FieldAssignment* assignment : assignments) {
            std::optional<std::string> value = cp932FromUtf8(assignment->value);
            const std::string* present = findValue(before_, assignment->field);
            if (!value) {
                refuse(*assignment, "Shift-JIS で書けない文字があります");
            } else if (present == nullptr) {
                refuse(*assignment, "この項目はありません");
            } else if (*present != *value) {
                pending.push_back({assignment, std::move(*value)});
            }
        }
        assignType(pending);
        const int typeIndex = typeIndexAt(store_, place_);
        for (const Pending& change : pending) {
            if (!isTypeField(change.assignment->field)) assignField(change, typeIndex);
        }
        for (const Pending& change : pending) checkTogether(change, typeIndex);
    }

private:
    struct Pending {
        const FieldAssignment* assignment;
        std::string value;  // code page 932
    };

    bool isTypeField(std::string_view name) const {
        return name == kTypeIndexField || (place_.kind != FontKind::Code2D && name == "typeName");
    }

    void refuse(const FieldAssignment& assignment, std::string_view accepted) {
        refuseField(assignment.field, assignment.value, accepted);
    }
    void refuseField(std::string_view field, std::string_view valueUtf8,
                     std::string_view accepted) {
        refusals_.push_back(font_ + " " + std::string(field) + "=" + std::string(valueUtf8) + ": " +
                            std::string(accepted));
    }

    // The type's index and name name the same type: either sets both, and
    // both together must agree.
    void assignType(const std::vector<Pending>& pending) {
        std::optional<int> chosen;
        for (const Pending& change : pending) {
            const std::string& name = change.assignment->field;
            if (!isTypeField(name)) continue;
            const int count = typeCountOf(place_.kind);
            std::optional<int> index;
            if (name == kTypeIndexField) {
                index = parseInteger(change.value);
                if (index && (*index < 0 || *index >= count)) index.reset();
                if (!index) {
                    refuse(*change.assignment, "0〜" + std::to_string(count - 1) + " (種別の番号)");
                }
            } else {
                for (int i = 0; i < count && !index; ++i) {
                    if (typeNameOf(place_.kind, i) == change.value) index = i;
                }
                if (!index) refuse(*change.assignment, "種別の名前ではありません");
            }
            if (!index) continue;
            if (chosen && *chosen != *index) {
                refuse(*change.assignment, "typeIndex と typeName が別の種別を指しています");
                continue;
            }
            chosen = index;
        }
        if (!chosen) return;
        typeIndexAt(store_, place_) = *chosen;
        if (std::string* name = slotOf(store_, place_, "typeName")) {
            *name = typeNameOf(place_.kind, *chosen);
        }
    }

    std::string typeUtf8(int typeIndex) const {
        return utf8FromCp932(typeNameOf(place_.kind, typeIndex));
    }

    void assignField(const Pending& change, int typeIndex) {
        const FieldAssignment& assignment = *change.assignment;
        const FieldName name = splitName(place_.kind, assignment.field);
        const FieldSpec* spec = findFieldSpec(place_.kind, name.field, typeIndex);
        if (spec == nullptr) return refuse(assignment, "この項目はありません");
        if (spec->form == FieldForm::Working) {
            return refuse(assignment, "画面の作業用の値で、ファイルには書かれません");
        }
        if (spec->form == FieldForm::Fixed) return refuse(assignment, "変えられません");
        const bool ownRecord = !name.record || typeIndexOf(*name.record) == typeIndex;
        if (!ownRecord || !spec->types.contains(typeIndex)) {
            return refuse(assignment, typeUtf8(typeIndex) + " では使いません");
        }
        if (hasControlCharacter(change.value)) return refuse(assignment, "制御文字は使えません");
        std::string* slot = slotOf(store_, place_, assignment.field);
        if (spec->form == FieldForm::Composite) {
            *slot = change.value;  // checked with the decoration, below
            return;
        }
        const std::optional<std::string> stored = storedValue(*spec, change.value);
        if (!stored) return refuse(assignment, acceptedValues(*spec));
        *slot = *stored;
    }

    // Values that only make sense together: the fields of one list, the
    // decoration and its parameters, zero suppression and its digits.
    void checkTogether(const Pending& change, int typeIndex) {
        const FieldName name = splitName(place_.kind, change.assignment->field);
        const FieldSpec* spec = findFieldSpec(place_.kind, name.field, typeIndex);
        if (spec == nullptr || !spec->types.contains(typeIndex)) return;
        if (spec->kind == FontKind::Character) checkCharacterPairs(*spec);
        const std::vector<const FieldSpec*> members = listFields(*spec, typeIndex);
        if (members.empty() || !checkedLists_.insert(spec->entries.data()).second) return;
        std::array<std::string_view, 3> values{};
        std::vector<std::string> held;
        held.reserve(members.size());
        for (const FieldSpec* member : members) {
            held.push_back(*slotOf(store_, place_, nameWithRecord(name, member->name)));
        }
        for (std::size_t i = 0; i < held.size(); ++i) values[i] = held[i];
        const bool offered =
            std::any_of(spec->entries.begin(), spec->entries.end(), [&](const CodedEntry& entry) {
                for (std::size_t i = 0; i < held.size(); ++i) {
                    if (entry.codes[i] != values[i]) return false;
                }
                return true;
            });
        if (offered) return;
        std::string together;
        for (const CodedEntry& entry : spec->entries) {
            if (!together.empty()) together += ", ";
            for (std::size_t i = 0; i < held.size(); ++i) {
                together += (i == 0 ? "" : "+") + std::string(entry.codes[i]);
            }
        }
        refuse(*change.assignment,
               "「" + std::string(spec->label) + "」の組み合わせは " + together + " のどれかです");
    }

    void checkCharacterPairs(const FieldSpec& spec) {
        CharacterFontRecord& font = store_.fonts[place_.number];
        if ((spec.name == "decoration" || spec.name == "decorationParams") &&
            checkedPairs_.insert("decoration").second) {
            if (auto stored = storedDecorationParams(font.decoration, font.decorationParams)) {
                font.decorationParams = *stored;
            } else {
                refuseField("decorationParams", utf8FromCp932(font.decorationParams),
                            acceptedDecorationParams(font.decoration));
            }
        }
        if ((spec.name == "zeroSuppress" || spec.name == "zeroSuppressDigits") &&
            checkedPairs_.insert("zeroSuppress").second) {
            const bool on = font.zeroSuppress == codes::kZeroSuppress;
            if (on == (font.zeroSuppressDigits == codes::kDefault)) {
                refuseField(
                    "zeroSuppressDigits", utf8FromCp932(font.zeroSuppressDigits),
                    on ? "zeroSuppress=Z には 1〜40 (桁)" : "zeroSuppress=default には default");
            }
        }
    }

    SettingsStore& store_;
    FontPlace place_;
    std::string font_;
    FontFields before_;
    std::vector<std::string>& refusals_;
    std::set<const CodedEntry*> checkedLists_;
    std::set<std::string_view> checkedPairs_;
};

}  // namespace

std::vector<FontFields> listFontFields(const SettingsStore& store) {
    std::vector<FontFields> fonts;
    for (const CharacterFontRecord& font : store.fonts) fonts.push_back(fieldsOf(font));
    for (const BarcodeRecord& barcode : store.barcodes) fonts.push_back(fieldsOf(barcode));
    for (const Code2DRecord& code : store.codes2D) fonts.push_back(fieldsOf(code));
    return fonts;
}

bool hasFont(const SettingsStore& store, std::string_view fontCp932) {
    return placeOf(store, fontCp932).has_value();
}

std::vector<std::string> assignFontFields(SettingsStore& store,
                                          std::span<const FieldAssignment> assignments) {
    SettingsStore changed = store;
    std::vector<std::string> refusals;
    // Each font's assignments together, fonts in the order first named.
    std::vector<std::pair<std::string, std::vector<const FieldAssignment*>>> fonts;
    for (const FieldAssignment& assignment : assignments) {
        auto font = std::find_if(fonts.begin(), fonts.end(),
                                 [&](const auto& f) { return f.first == assignment.font; });
        if (font == fonts.end()) font = fonts.insert(fonts.end(), {assignment.font, {}});
        font->second.push_back(&assignment);
    }
    for (const auto& [font, list] : fonts) {
        const std::optional<std::string> name = cp932FromUtf8(font);
        const std::optional<FontPlace> place = name ? placeOf(changed, *name) : std::nullopt;
        if (!place) {
            refusals.push_back(font + ": ドライバフォント名ではありません");
            continue;
        }
        FontAssignment(changed, *place, font, refusals).run(list);
    }
    if (refusals.empty()) store = std::move(changed);
    return refusals;
}

std::vector<ShownField> shownFields(const SettingsStore& store, std::string_view fontCp932) {
    std::vector<ShownField> shown;
    const std::optional<FontPlace> place = placeOf(store, fontCp932);
    if (!place) return shown;
    const FontFields font = fieldsAt(store, *place);
    const int typeIndex = std::stoi(font.fields.front().value);
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
            }
        }
        shown.push_back(std::move(row));
    }
    return shown;
}

std::string shownWithUnit(const ShownField& field) {
    const bool number =
        !field.shown.empty() && field.shown.find_first_not_of("0123456789・") == std::string::npos;
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
