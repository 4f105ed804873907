// The names of the driver fonts and of their types as the file writes them
// (code page 932): section names by font number, type names by type index.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// Driver font names (also section names), code page 932, by font number.
const std::string& characterFontName(int fontNumber);
const std::string& barcodeFontName(int fontNumber);
const std::string& code2DFontName(int fontNumber);

// Type names, code page 932, by type index; an empty text for an index
// outside the table.
const std::string& characterTypeName(int typeIndex);
const std::string& barcodeTypeName(int typeIndex);
const std::string& code2DTypeName(int typeIndex);

// Type index of a type name (byte-wise comparison), -1 when none matches.
int characterTypeIndexOf(std::string_view typeName);
int barcodeTypeIndexOf(std::string_view typeName);
int code2DTypeIndexOf(std::string_view typeName);

}  // namespace vx
