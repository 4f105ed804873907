#include "settings/font_type_numbers.h"

#include <climits>

#include "settings/barcode_types.h"
#include "settings/character_types.h"
#include "settings/code2d_types.h"

namespace vx {

namespace {

// Numbers come from the file and may be anything: the arithmetic saturates.
int offsetBy(int value, int offset) {
    long long result = static_cast<long long>(value) + offset;
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return static_cast<int>(result);
}

}  // namespace

// FontType 21 to 50 name no type of their own; 21 to 27 land on the outline
// types by the same arithmetic as 51 to 57.
int characterTypeIndexFromFontType(int fontType) {
    return fontType <= 50 ? offsetBy(fontType, -1) : offsetBy(fontType, -31);
}
int characterFontTypeFromTypeIndex(int typeIndex) {
    return typeIndex < kFirstOutlineTypeIndex ? offsetBy(typeIndex, 1) : offsetBy(typeIndex, 31);
}
int barcodeTypeIndexFromFontType(int fontType) {
    return offsetBy(fontType, -kBarcodeTypes[0].fontType);
}
int barcodeFontTypeFromTypeIndex(int typeIndex) {
    return offsetBy(typeIndex, kBarcodeTypes[0].fontType);
}
int code2DTypeIndexFromFontType(int fontType) {
    return offsetBy(fontType, -kCode2DTypes[0].fontType);
}
int code2DFontTypeFromTypeIndex(int typeIndex) {
    return offsetBy(typeIndex, kCode2DTypes[0].fontType);
}

std::string characterFactoryFontType(int fontNumber) {
    if (fontNumber < 20) return std::to_string(fontNumber + 1);
    if (fontNumber < 27) return std::to_string(fontNumber - 20 + 51);
    return std::to_string(fontNumber - 27 + 1);
}
// Barcode font n has type n; the 2D code fonts run twice through the first
// five types.
std::string barcodeFactoryFontType(int fontNumber) {
    return std::to_string(barcodeFontTypeFromTypeIndex(fontNumber));
}
std::string code2DFactoryFontType(int fontNumber) {
    return std::to_string(code2DFontTypeFromTypeIndex(fontNumber % 5));
}

}  // namespace vx
