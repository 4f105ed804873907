// The keys of the driver font file per font kind and type: one description
// that the reader and the writer both walk, in file order.
#pragma once

#include <span>
#include <string>

#include "settings/settings_store.h"

namespace vx {

// What a table cell asks for one type: nothing (the type has no such key),
// the record field (read with `value` as default / written from the field),
// or a fixed text (set without reading / written as a constant).
struct KeyCell {
    enum Op : char { None, Field, Fixed };
    Op op = None;
    const char* value = nullptr;
};

// --- Character fonts -------------------------------------------------------

// When a written field gives way to "default".
enum class CharacterWriteRule : char {
    Always,
    UnlessSpacingAdjustDefault,  // "default" when spacingAdjust is "default"
    UnlessEmphasisDefault,       // "default" when emphasis is "default"
    AreaWidth,                   // bitmap: modes "4" and "5"; outline: mode "4"
    LineBreakMode,               // only for mode "5"
};

struct CharacterKeyRow {
    std::string CharacterFontRecord::*field;  // nullptr for a constant key
    const char* bitmapKey;
    KeyCell bitmap;
    const char* outlineKey;  // nullptr: the outline family has no such key
    KeyCell outline;
    CharacterWriteRule rule;
};

std::span<const CharacterKeyRow> characterKeyRows();

// Whether the writer keeps the row's field as the font holds it, or writes
// "default" because the control the field depends on leaves it unused.
bool characterFieldWritten(const CharacterKeyRow& row, const CharacterFontRecord& font,
                           bool outline);

// --- Barcodes --------------------------------------------------------------

// A barcode key for one type: what the reader does (read into the field
// with a default, or set the field without reading) and what the writer
// does (write the field, or a constant).
struct BarcodeKeyCell {
    KeyCell read;
    KeyCell write;
};

// One row per key of a family, in the order written.
struct BarcodeKeyRow {
    const char* key;
    std::string BarcodeRecord::*field;  // nullptr for a constant key
    BarcodeKeyCell cells[5];            // one per column of the family
};

struct BarcodeLayout {
    std::span<const BarcodeKeyRow> rows;
    int column;  // the type's column in the family's rows
    // Fields that the family does not read, set after its keys.
    std::span<const std::pair<std::string BarcodeRecord::*, const char*>> fixedFields;
};

// The keys of a barcode type: its family's rows and its column in them.
BarcodeLayout barcodeLayout(BarcodeType type);

// The origin, which every barcode type has before its family's keys (read
// with "default" as default).
struct BarcodeOriginKey {
    const char* key;
    std::string BarcodeRecord::*field;
};
inline constexpr BarcodeOriginKey kBarcodeOriginKeys[] = {
    {"XBpb1pb2pb3pb4", &BarcodeRecord::originX},
    {"XBpc1pc2pc3pc4pc5", &BarcodeRecord::originY},
};

// --- 2D codes --------------------------------------------------------------

template <class Params>
struct Code2DKeyRow {
    const char* key;
    std::string Params::*field;  // nullptr for a constant key
    const char* value;           // reader default, or the constant written
};

std::span<const Code2DKeyRow<DataMatrixParams>> code2DKeyRows(const DataMatrixParams*);
std::span<const Code2DKeyRow<MaxiCodeParams>> code2DKeyRows(const MaxiCodeParams*);
std::span<const Code2DKeyRow<MicroPdf417Params>> code2DKeyRows(const MicroPdf417Params*);
std::span<const Code2DKeyRow<Pdf417Params>> code2DKeyRows(const Pdf417Params*);
std::span<const Code2DKeyRow<QrCodeParams>> code2DKeyRows(const QrCodeParams*);
std::span<const Code2DKeyRow<Gs1CompositeParams>> code2DKeyRows(const Gs1CompositeParams*);

}  // namespace vx
