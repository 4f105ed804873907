#include "settings/settings_store.h"

#include "settings/font_names.h"

namespace vx {

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

}  // namespace vx
