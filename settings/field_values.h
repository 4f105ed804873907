// A field's value against its entry of the field catalogue: whether the
// window could have stored it, the form it is stored in, and how the page
// shows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/field_catalogue.h"

namespace vx {

// What a field accepts, in words (UTF-8): "0〜1000 (x0.1mm)",
// "default (自動), 0 (0ﾟ), 1 (90ﾟ), 2 (180ﾟ), 3 (270ﾟ)".
std::string acceptedValues(const FieldSpec& spec);

// A number or code (code page 932) as the window stores it: a number in its
// key's width, a code as it stands; nothing when the window could not have
// stored it (out of range, not a number, not one of the codes, longer than
// the key allows).
std::optional<std::string> storedValue(const FieldSpec& spec, std::string_view value);

// The decoration's parameters as the window composes them for a
// decoration code: two two-digit numbers for reversed and framed
// characters, one for struck-through ones, "default" for plain ones.
std::optional<std::string> storedDecorationParams(std::string_view decoration,
                                                  std::string_view value);
std::string acceptedDecorationParams(std::string_view decoration);

// The value as the page shows it (UTF-8): a number without its leading
// zeros, "自動" for "default", a code as its list entry's text (for a list
// of several fields, the entry of `codes`, the values of its fields in
// order). A value the page would not show is given as it stands.
std::string shownValue(const FieldSpec& spec, std::string_view value,
                       std::span<const std::string_view> codes = {});

// The decoration's parameters as the page shows them: "3・7" for "0307",
// "なし" for "default".
std::string shownDecorationParams(std::string_view value);
// The page's words for the parameters of a decoration code: the label of
// the fields it makes usable ("白抜き文字外エリア 横・縦"); the catalogue's
// label for the plain one and for a code the page does not know.
std::string decorationParamsLabel(std::string_view decoration);

// True when the text holds a byte below 0x20 or DEL.
bool hasControlCharacter(std::string_view text);

}  // namespace vx
