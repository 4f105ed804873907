// Numbers in the file's values as the printer driver reads them.
#pragma once

#include <string_view>

namespace vx {

// The leading decimal integer of a text as the C library reads it: leading
// white space and a sign accepted, stops at the first non-digit, 0 without
// digits. Saturates instead of overflowing.
int leadingInteger(std::string_view text);

}  // namespace vx
