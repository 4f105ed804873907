// The "FontType" number that the file gives a font's type, against the
// type's index in its table, and the number each font has from the factory.
#pragma once

#include <string>

namespace vx {

// "FontType" numbers and type indexes.
int characterTypeIndexFromFontType(int fontType);
int characterFontTypeFromTypeIndex(int typeIndex);
int barcodeTypeIndexFromFontType(int fontType);
int barcodeFontTypeFromTypeIndex(int typeIndex);
int code2DTypeIndexFromFontType(int fontType);
int code2DFontTypeFromTypeIndex(int typeIndex);

// The "FontType" a font has when its section holds none, as text.
std::string characterFactoryFontType(int fontNumber);
std::string barcodeFactoryFontType(int fontNumber);
std::string code2DFactoryFontType(int fontNumber);

}  // namespace vx
