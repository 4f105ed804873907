// The settings of the 60 driver fonts as named fields, the way dvftool
// shows and assigns them: each font's type index, then its text fields in
// record order (2D codes: every parameter record, "QrCodeParams.model").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Assigns FIELD=VALUE (value in UTF-8) to the font named `fontCp932`. A type
// index also sets the type name that goes with it. An error text when the
// font, field or value is not accepted; the store is then unchanged.
std::optional<std::string> assignFontField(SettingsStore& store, const std::string& fontCp932,
                                           std::string_view field, const std::string& valueUtf8);

// True when the store has a font of this name (code page 932).
bool hasFont(const SettingsStore& store, std::string_view fontCp932);

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
