// The SHA-256 digest of a file's bytes, as the sheet of settings gives it so
// that a copy can be told from the file it was made from.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// 64 lowercase hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace vx
