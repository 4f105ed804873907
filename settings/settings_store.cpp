#include "settings/settings_store.h"

#include <climits>
#include <cstdio>
#include <vector>

#include "settings/codepage.h"

namespace vx {

namespace {

// The type names of a type table, converted likewise.
template <class Row, std::size_t N>
std::vector<std::string> encodeNames(const Row (&rows)[N]) {
    std::vector<std::string> out;
    out.reserve(N);
    for (const Row& row : rows) out.push_back(cp932(row.name));
    return out;
}

std::vector<std::string> numberedNames(std::string_view prefixUtf8, int count) {
    std::vector<std::string> out;
    const std::string prefix = cp932(prefixUtf8);
    for (int n = 1; n <= count; ++n) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%02d", n);
        out.push_back(prefix + digits);
    }
    return out;
}

const std::string& entryOrEmpty(const std::vector<std::string>& table, int index) {
    static const std::string empty;
    if (index < 0 || index >= static_cast<int>(table.size())) return empty;
    return table[static_cast<std::size_t>(index)];
}

int indexOf(const std::vector<std::string>& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == name) return static_cast<int>(i);
    }
    return -1;
}

const std::vector<std::string>& characterTypes() {
    static const std::vector<std::string> table = encodeNames(kCharacterTypes);
    return table;
}
const std::vector<std::string>& barcodeTypes() {
    static const std::vector<std::string> table = encodeNames(kBarcodeTypes);
    return table;
}
const std::vector<std::string>& code2DTypes() {
    static const std::vector<std::string> table = encodeNames(kCode2DTypes);
    return table;
}

}  // namespace

const std::string& characterFontName(int fontNumber) {
    static const std::vector<std::string> names =
        numberedNames("ZEL文字フォント", kCharacterFontCount);
    return entryOrEmpty(names, fontNumber);
}
const std::string& barcodeFontName(int fontNumber) {
    static const std::vector<std::string> names = numberedNames("ZELバーコード", kBarcodeFontCount);
    return entryOrEmpty(names, fontNumber);
}
const std::string& code2DFontName(int fontNumber) {
    static const std::vector<std::string> names = numberedNames("ZEL2次元コード", kCode2DFontCount);
    return entryOrEmpty(names, fontNumber);
}

const std::string& characterTypeName(int typeIndex) {
    return entryOrEmpty(characterTypes(), typeIndex);
}
const std::string& barcodeTypeName(int typeIndex) {
    return entryOrEmpty(barcodeTypes(), typeIndex);
}
const std::string& code2DTypeName(int typeIndex) { return entryOrEmpty(code2DTypes(), typeIndex); }

int characterTypeIndexOf(std::string_view typeName) { return indexOf(characterTypes(), typeName); }
int barcodeTypeIndexOf(std::string_view typeName) { return indexOf(barcodeTypes(), typeName); }

void BarcodeRecord::setType(int index) {
    typeIndex = index;
    typeName = barcodeTypeName(index);
}

bool BarcodeRecord::setTypeByName(std::string_view name) {
    const int index = barcodeTypeIndexOf(name);
    if (index < 0) return false;
    setType(index);
    return true;
}
int code2DTypeIndexOf(std::string_view typeName) { return indexOf(code2DTypes(), typeName); }

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

#define VX_FIELD(Record, name) \
    TextField<Record> { #name, &Record::name }

std::span<const TextField<CharacterFontRecord>> characterFontRecordFields() {
    static constexpr TextField<CharacterFontRecord> fields[] = {
        VX_FIELD(CharacterFontRecord, typeName),
        VX_FIELD(CharacterFontRecord, originX),
        VX_FIELD(CharacterFontRecord, originY),
        VX_FIELD(CharacterFontRecord, sizeX),
        VX_FIELD(CharacterFontRecord, sizeY),
        VX_FIELD(CharacterFontRecord, spacingAdjust),
        VX_FIELD(CharacterFontRecord, spacing),
        VX_FIELD(CharacterFontRecord, rotation),
        VX_FIELD(CharacterFontRecord, decoration),
        VX_FIELD(CharacterFontRecord, decorationParams),
        VX_FIELD(CharacterFontRecord, reverseAreaX),
        VX_FIELD(CharacterFontRecord, reverseAreaY),
        VX_FIELD(CharacterFontRecord, frameGapX),
        VX_FIELD(CharacterFontRecord, frameGapY),
        VX_FIELD(CharacterFontRecord, strikeEndLength),
        VX_FIELD(CharacterFontRecord, emphasis),
        VX_FIELD(CharacterFontRecord, shiftX),
        VX_FIELD(CharacterFontRecord, shiftY),
        VX_FIELD(CharacterFontRecord, checkDigit),
        VX_FIELD(CharacterFontRecord, checkDigitMode),
        VX_FIELD(CharacterFontRecord, zeroSuppress),
        VX_FIELD(CharacterFontRecord, zeroSuppressDigits),
        VX_FIELD(CharacterFontRecord, alignment),
        VX_FIELD(CharacterFontRecord, alignmentMode),
        VX_FIELD(CharacterFontRecord, areaWidth),
        VX_FIELD(CharacterFontRecord, lineFeed),
        VX_FIELD(CharacterFontRecord, areaLines),
    };
    return fields;
}

std::span<const TextField<BarcodeRecord>> barcodeRecordFields() {
    static constexpr TextField<BarcodeRecord> fields[] = {
        VX_FIELD(BarcodeRecord, typeName),   VX_FIELD(BarcodeRecord, originX),
        VX_FIELD(BarcodeRecord, originY),    VX_FIELD(BarcodeRecord, narrowSpace),
        VX_FIELD(BarcodeRecord, narrowBar),  VX_FIELD(BarcodeRecord, moduleWidth),
        VX_FIELD(BarcodeRecord, height),     VX_FIELD(BarcodeRecord, guardBarLength),
        VX_FIELD(BarcodeRecord, charGap),    VX_FIELD(BarcodeRecord, wideSpace),
        VX_FIELD(BarcodeRecord, wideBar),    VX_FIELD(BarcodeRecord, zeroSuppress),
        VX_FIELD(BarcodeRecord, checkDigit), VX_FIELD(BarcodeRecord, rotation),
        VX_FIELD(BarcodeRecord, rssVersion), VX_FIELD(BarcodeRecord, autoSwitch),
        VX_FIELD(BarcodeRecord, startStop),  VX_FIELD(BarcodeRecord, humanReadable),
    };
    return fields;
}

std::span<const TextField<DataMatrixParams>> dataMatrixFields() {
    static constexpr TextField<DataMatrixParams> fields[] = {
        VX_FIELD(DataMatrixParams, typeName),    VX_FIELD(DataMatrixParams, originX),
        VX_FIELD(DataMatrixParams, originY),     VX_FIELD(DataMatrixParams, moduleWidth),
        VX_FIELD(DataMatrixParams, rotation),    VX_FIELD(DataMatrixParams, cellSizeMarker),
        VX_FIELD(DataMatrixParams, cellColumns), VX_FIELD(DataMatrixParams, cellRows),
    };
    return fields;
}

std::span<const TextField<MaxiCodeParams>> maxiCodeFields() {
    static constexpr TextField<MaxiCodeParams> fields[] = {
        VX_FIELD(MaxiCodeParams, typeName),
        VX_FIELD(MaxiCodeParams, originX),
        VX_FIELD(MaxiCodeParams, originY),
        VX_FIELD(MaxiCodeParams, mode),
    };
    return fields;
}

std::span<const TextField<MicroPdf417Params>> microPdf417Fields() {
    static constexpr TextField<MicroPdf417Params> fields[] = {
        VX_FIELD(MicroPdf417Params, typeName),       VX_FIELD(MicroPdf417Params, originX),
        VX_FIELD(MicroPdf417Params, originY),        VX_FIELD(MicroPdf417Params, moduleWidth),
        VX_FIELD(MicroPdf417Params, columnRowCount), VX_FIELD(MicroPdf417Params, rotation),
        VX_FIELD(MicroPdf417Params, rowHeight),
    };
    return fields;
}

std::span<const TextField<Pdf417Params>> pdf417Fields() {
    static constexpr TextField<Pdf417Params> fields[] = {
        VX_FIELD(Pdf417Params, typeName),    VX_FIELD(Pdf417Params, originX),
        VX_FIELD(Pdf417Params, originY),     VX_FIELD(Pdf417Params, securityLevel),
        VX_FIELD(Pdf417Params, moduleWidth), VX_FIELD(Pdf417Params, columnRowCount),
        VX_FIELD(Pdf417Params, rotation),    VX_FIELD(Pdf417Params, rowHeight),
    };
    return fields;
}

std::span<const TextField<QrCodeParams>> qrCodeFields() {
    static constexpr TextField<QrCodeParams> fields[] = {
        VX_FIELD(QrCodeParams, typeName),    VX_FIELD(QrCodeParams, originX),
        VX_FIELD(QrCodeParams, originY),     VX_FIELD(QrCodeParams, errorCorrection),
        VX_FIELD(QrCodeParams, moduleWidth), VX_FIELD(QrCodeParams, rotation),
        VX_FIELD(QrCodeParams, model),
    };
    return fields;
}

std::span<const TextField<Gs1CompositeParams>> gs1CompositeFields() {
    static constexpr TextField<Gs1CompositeParams> fields[] = {
        VX_FIELD(Gs1CompositeParams, typeName),   VX_FIELD(Gs1CompositeParams, originX),
        VX_FIELD(Gs1CompositeParams, originY),    VX_FIELD(Gs1CompositeParams, moduleWidth),
        VX_FIELD(Gs1CompositeParams, rotation),   VX_FIELD(Gs1CompositeParams, rowHeight),
        VX_FIELD(Gs1CompositeParams, linearType),
    };
    return fields;
}

#undef VX_FIELD

int leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace vx
