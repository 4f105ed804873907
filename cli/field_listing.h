// dvftool fields: which field is which control of the window. Without a
// file, the field catalogue (name, the page's label and unit, what is
// accepted, the types that use it); with one, each font's fields that its
// type uses, as the page shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/field_catalogue.h"
#include "settings/settings_store.h"

namespace vx {

// The kind of a driver font name (code page 932); nothing for another text.
std::optional<FontKind> fontKindOfName(std::string_view fontCp932);

// The catalogue of one kind, or of all three: one line per field (2D code
// fields once per parameter record that holds them),
// <field> TAB <label> TAB <unit> TAB <accepted> TAB <types>; with `json` an
// array of objects for a script: "min", "max" and "width" of a number,
// "default" (whether "default" is allowed) and what the page shows for it,
// "codes" ({"code", "text"}) of a list, "key" and "keyWidth", "types"
// ({"index", "name"}), and beside them the texts "accepted" and
// "typesText".
std::string catalogueListing(std::optional<FontKind> kind, bool json);

// The fields of the named fonts (code page 932; all 60 when none is named)
// that their types use: <font> TAB <field> TAB <label> TAB <value as
// stored> TAB <value as shown, with its unit>; with `json` one object per
// font with "font" and "fields".
std::string shownListing(const SettingsStore& store, const std::vector<std::string>& fonts,
                         bool json);

}  // namespace vx
