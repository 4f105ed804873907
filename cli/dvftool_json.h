// dvftool's JSON: what dump, diff and printers print with --json, and what
// set reads with --json. Strings are UTF-8; every font is one object whose
// first member "font" names it and whose other members are its fields in
// dump order, the type index as a number.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/printer_files.h"
#include "settings/font_fields.h"

namespace vx {

inline constexpr std::string_view kFontMember = "font";

// [{"font": "...", "typeIndex": 2, "typeName": "...", ...}, ...]
std::string fontsJson(const std::vector<FontFields>& fonts);

// [{"font": "...", "originX": {"a": "0120", "b": "0100"}, ...}, ...]
std::string differencesJson(const std::vector<FontDifferences>& fonts);

// [{"printer": "...", "driver": "...", "file": "C:\\...\\ALTOD.DVF" or null}, ...]
std::string printersJson(const std::vector<ListedPrinter>& printers);

// One FIELD=VALUE of a font as JSON gives it (UTF-8; the type index as
// decimal digits).
using JsonAssignment = FieldAssignment;

// The assignments of a text in the shape of fontsJson, in the text's order;
// an error text when it is not of that shape.
std::variant<std::vector<JsonAssignment>, std::string> parseFontsJson(std::string_view text);

// True when the file's fields (`shown`) already show the assignment's value
// for the font (code page 932): such a field stays untouched.
bool showsAs(const std::vector<FontFields>& shown, const std::string& fontCp932,
             const JsonAssignment& assignment);

}  // namespace vx
