// Where a driver font is in the settings store, and its fields by the names
// dvftool gives them: what the field listing, the assignments and the
// comparison share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/field_catalogue.h"
#include "settings/font_fields.h"
#include "settings/settings_store.h"

namespace vx {

struct FontPlace {
    FontKind kind;
    std::size_t number;  // the font number within its kind
};

// The font of a name (code page 932); nothing for another text.
std::optional<FontPlace> placeOf(const SettingsStore& store, std::string_view fontCp932);

// The font's type index, then its text fields in record order.
FontFields fieldsAt(const SettingsStore& store, FontPlace place);
int& typeIndexAt(SettingsStore& store, FontPlace place);

// Type names (code page 932) and the number of types of a kind.
const std::string& typeNameOf(FontKind kind, int typeIndex);
int typeCountOf(FontKind kind);

// A 2D code field's name is its parameter record's and its own
// ("QrCodeParams.model"); other fields have no record.
struct FieldName {
    std::optional<Code2DType> record;
    std::string_view field;
};
// An empty field for a 2D code name without a known record.
FieldName splitName(FontKind kind, std::string_view name);
// The full name of another field of the same record.
std::string nameWithRecord(const FieldName& name, std::string_view field);

// The text field of a font by its full name; nullptr for none.
std::string* slotOf(SettingsStore& store, FontPlace place, std::string_view name);
const std::string* findValue(const FontFields& font, std::string_view name);

// The catalogue's entries of the list that a field belongs to, for a type,
// in the order of their codes; none for a field that is no list of
// several fields.
std::vector<const FieldSpec*> listFields(const FieldSpec& spec, int typeIndex);

}  // namespace vx
