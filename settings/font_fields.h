// The settings of the 60 driver fonts as named fields, the way dvftool
// shows and assigns them and the history compares them: each font's type
// index, then its text fields in record order (2D codes: every parameter
// record, "QrCodeParams.model"). Assignments follow the field catalogue, so
// that they store only what the window could store.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/field_catalogue.h"
#include "settings/settings_store.h"

namespace vx {

inline constexpr std::string_view kTypeIndexField = "typeIndex";

struct FieldValue {
    std::string name;
    std::string value;  // code page 932 bytes; decimal digits for the type index
};

struct FontFields {
    std::string fontName;  // code page 932
    std::vector<FieldValue> fields;
};

// Every field of every font, in font order.
std::vector<FontFields> listFontFields(const SettingsStore& store);

// True when the store has a font of this name (code page 932).
bool hasFont(const SettingsStore& store, std::string_view fontCp932);

// FONT FIELD=VALUE, in UTF-8.
struct FieldAssignment {
    std::string font;
    std::string field;
    std::string value;
};

// Makes the assignments, all or nothing. A field whose value is as the
// store holds it is left alone and not checked; the others must be values
// the window could store for the font's type after the assignments (a
// number in range, one of a list's codes, a field the type uses), and are
// stored in their key's width. The type's name and index are one setting:
// either sets both. Returns one line per refusal (UTF-8, "FONT FIELD=VALUE:
// what is accepted"); with any, the store is unchanged.
//
// A field that the font's type does not use is refused when named on its
// own; in a whole font's listing (a dump taken back) it is passed over,
// since no save writes it and it cannot change the file.
enum class UnusedFields { Refuse, PassOver };
std::vector<std::string> assignFontFields(SettingsStore& store,
                                          std::span<const FieldAssignment> assignments,
                                          UnusedFields unused = UnusedFields::Refuse);

// A field as the page shows it.
struct ShownField {
    std::string name;   // as dvftool names it
    std::string label;  // the page's label (UTF-8); the name for a field without one
    std::string unit;
    std::string value;  // as stored (code page 932)
    std::string shown;  // as the page shows it (UTF-8)
    bool used = false;  // whether the font's type uses it
};

// The fields of a font (code page 932) with the page's labels and shown
// values, in dump order; none for an unknown font.
std::vector<ShownField> shownFields(const SettingsStore& store, std::string_view fontCp932);

// The shown value with its unit where it is a number ("321 x0.1mm", "自動").
std::string shownWithUnit(const ShownField& field);
// The label with the field's name beside it: "基点X座標 (originX)".
std::string labelWithName(const ShownField& field);

// The store as a save writes it and the next load reads it back. Fields
// that the file cannot hold apart (a value that gives way to "default", the
// parameters of a 2D code's other types, which share its keys) then look
// the same in two files that a save would give the same font sections.
SettingsStore asSaved(const SettingsStore& store);

struct FieldDifference {
    std::string name;
    std::string a, b;  // as in FieldValue
};

struct FontDifferences {
    std::string fontName;  // code page 932
    std::vector<FieldDifference> fields;
};

// The fields whose values differ between two stores as a save would write
// them, byte for byte, in font order; only the named fonts (code page 932)
// when any are named. Fonts without a difference are left out.
std::vector<FontDifferences> compareFontFields(const SettingsStore& a, const SettingsStore& b,
                                               const std::vector<std::string>& fonts);

}  // namespace vx
