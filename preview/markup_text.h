// Text from a driver font file, or from the user, put into HTML or SVG as
// text or an attribute's value: it can never open a tag, an attribute or an
// entity, and never makes the SVG ill-formed.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// UTF-8 text with &, <, >, " and ' as character references; control
// characters other than tab and line feed, and bytes that are not UTF-8,
// become U+FFFD, which is shown as a visible mark instead of being acted on
// (or refused by an XML reader).
std::string markupText(std::string_view utf8);

}  // namespace vx
