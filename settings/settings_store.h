// The in-memory settings of the 60 driver fonts: the store and its records.
// Every field except a type index holds exactly the bytes (code page 932)
// of one driver font file value.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "settings/barcode_types.h"
#include "settings/character_types.h"
#include "settings/code2d_types.h"

namespace vx {

// The value that leaves a parameter to the printer driver.
inline constexpr std::string_view kDefault = "default";

inline constexpr int kCharacterFontCount = 30;
inline constexpr int kBarcodeFontCount = 20;
inline constexpr int kCode2DFontCount = 10;

struct CharacterFontRecord {
    std::string fontName;
    int typeIndex = 0;
    std::string typeName;
    std::string originX, originY, sizeX, sizeY, spacingAdjust, spacing, rotation, decoration,
        decorationParams;
    // Working values of the decoration parameters; never written to the file.
    std::string reverseAreaX, reverseAreaY, frameGapX, frameGapY, strikeEndLength;
    std::string emphasis, shiftX, shiftY, checkDigit, checkDigitMode, zeroSuppress,
        zeroSuppressDigits, alignment, alignmentMode, areaWidth, lineFeed, areaLines;
    bool operator==(const CharacterFontRecord&) const = default;
};

struct BarcodeRecord {
    std::string fontName;
    // The type's index and name always name the same type (the writer takes
    // the "FontType" from one and the keys from the other): set them
    // together through setType or setTypeByName.
    int typeIndex = 0;
    std::string typeName;
    std::string originX, originY, narrowSpace, narrowBar, moduleWidth, height, guardBarLength,
        charGap, wideSpace, wideBar, zeroSuppress, checkDigit, rotation, rssVersion, autoSwitch,
        startStop, humanReadable;

    // An index outside the type table leaves the name empty.
    void setType(int index);
    // The type with this name (code page 932); false, and nothing changes,
    // when no type has it.
    bool setTypeByName(std::string_view name);
    bool operator==(const BarcodeRecord&) const = default;
};

struct DataMatrixParams {
    std::string typeName, originX, originY, moduleWidth, rotation, cellSizeMarker, cellColumns,
        cellRows;
    bool operator==(const DataMatrixParams&) const = default;
};
struct MaxiCodeParams {
    std::string typeName, originX, originY, mode;
    bool operator==(const MaxiCodeParams&) const = default;
};
struct MicroPdf417Params {
    std::string typeName, originX, originY, moduleWidth, columnRowCount, rotation, rowHeight;
    bool operator==(const MicroPdf417Params&) const = default;
};
struct Pdf417Params {
    std::string typeName, originX, originY, securityLevel, moduleWidth, columnRowCount, rotation,
        rowHeight;
    bool operator==(const Pdf417Params&) const = default;
};
struct QrCodeParams {
    std::string typeName, originX, originY, errorCorrection, moduleWidth, rotation, model;
    bool operator==(const QrCodeParams&) const = default;
};
struct Gs1CompositeParams {
    std::string typeName, originX, originY, moduleWidth, rotation, rowHeight, linearType;
    bool operator==(const Gs1CompositeParams&) const = default;
};

// A 2D code font keeps the parameters of all six types, so that the page can
// switch types without losing what the file held; only the selected type's
// record is written back.
struct Code2DRecord {
    std::string fontName;
    int typeIndex = 0;
    DataMatrixParams dataMatrix;
    MaxiCodeParams maxiCode;
    MicroPdf417Params microPdf417;
    Pdf417Params pdf417;
    QrCodeParams qrCode;
    Gs1CompositeParams gs1Composite;
    bool operator==(const Code2DRecord&) const = default;
};

struct SettingsStore {
    std::array<CharacterFontRecord, kCharacterFontCount> fonts;
    std::array<BarcodeRecord, kBarcodeFontCount> barcodes;
    std::array<Code2DRecord, kCode2DFontCount> codes2D;
};

// Text fields of a record by name, in record order, for tools that address
// fields by name (the type index is not among them).
template <class Record>
struct TextField {
    std::string_view name;
    std::string Record::*member;
};

std::span<const TextField<CharacterFontRecord>> characterFontRecordFields();
std::span<const TextField<BarcodeRecord>> barcodeRecordFields();
std::span<const TextField<DataMatrixParams>> dataMatrixFields();
std::span<const TextField<MaxiCodeParams>> maxiCodeFields();
std::span<const TextField<MicroPdf417Params>> microPdf417Fields();
std::span<const TextField<Pdf417Params>> pdf417Fields();
std::span<const TextField<QrCodeParams>> qrCodeFields();
std::span<const TextField<Gs1CompositeParams>> gs1CompositeFields();

// The type a 2D code font is shown and drawn with: "Data Matrix" for a type
// index outside the table.
inline Code2DType shownCode2DType(const Code2DRecord& record) {
    return code2DTypeAt(record.typeIndex).value_or(Code2DType::DataMatrix);
}

// Calls visit(params, fields) with the parameter record of one type of a
// 2D code font and its fields.
template <class Code2D, class Visitor>
void visitCode2DParams(Code2D& record, Code2DType type, Visitor&& visit) {
    switch (type) {
        case Code2DType::DataMatrix:
            visit(record.dataMatrix, dataMatrixFields());
            return;
        case Code2DType::MaxiCode:
            visit(record.maxiCode, maxiCodeFields());
            return;
        case Code2DType::MicroPdf417:
            visit(record.microPdf417, microPdf417Fields());
            return;
        case Code2DType::Pdf417:
            visit(record.pdf417, pdf417Fields());
            return;
        case Code2DType::QrCode:
            visit(record.qrCode, qrCodeFields());
            return;
        case Code2DType::Gs1Composite:
            visit(record.gs1Composite, gs1CompositeFields());
            return;
    }
}

// Calls visit(recordName, params, fields, type) for the six parameter
// records of a 2D code font, in type-table order.
template <class Code2D, class Visitor>
void forEachCode2DParams(Code2D& record, Visitor&& visit) {
    for (const Code2DTypeRow& row : kCode2DTypes) {
        visitCode2DParams(record, row.type, [&](auto& params, auto fields) {
            visit(row.recordName, params, fields, row.type);
        });
    }
}

}  // namespace vx
