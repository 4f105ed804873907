// Conversions between the driver font file's code page (932, Shift-JIS),
// UTF-8 (the program's own texts) and UTF-16 (the Windows boundary).
// The system's ANSI code page is never consulted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Length in bytes of the Shift-JIS character that starts at text[i]: 2 for a
// lead byte followed by a valid trail byte, otherwise 1. Scanning by this
// length keeps trail bytes such as 0x5C or 0x5D from being taken for ASCII.
std::size_t sjisCharLength(std::string_view text, std::size_t i);

// The length of the control character at byte i of UTF-8 text: 1 for
// U+0000..U+001F and U+007F, 2 for U+0080..U+009F (which a terminal may take
// as the start of an escape sequence), 0 for anything else.
std::size_t utf8ControlLength(std::string_view text, std::size_t i);

// Decodes code page 932. A byte that starts no valid character becomes the
// lone surrogate U+DC00 + byte, so that distinct invalid bytes stay distinct.
std::u16string utf16FromCp932(std::string_view cp932);

// The platform's strict decoding: false when any byte is invalid.
bool decodeCp932Strict(std::string_view cp932, std::u16string& out);

// Decodes code page 932 for display; invalid bytes become U+FFFD.
std::string utf8FromCp932(std::string_view cp932);

// Encodes UTF-8 text in code page 932; nullopt when the text is not valid
// UTF-8 or holds a character that code page 932 lacks.
std::optional<std::string> cp932FromUtf8(std::string_view utf8);

// UTF-8 text of a program literal that is known to be representable; used
// for the constant names and type names, which address the file in 932.
std::string cp932(std::string_view utf8);

std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

}  // namespace vx
