// Text from a driver font file, or from the user, put into the sheet's HTML
// as text: it can never open a tag, an attribute or an entity.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// UTF-8 text with &, <, >, " and ' as character references; control
// characters other than tab and line feed become U+FFFD, which HTML shows
// as a visible mark instead of acting on them.
std::string htmlText(std::string_view utf8);

}  // namespace vx
