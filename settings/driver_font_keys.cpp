#include "settings/driver_font_keys.h"

#include <utility>

#include "settings/field_codes.h"

namespace vx {

namespace {

constexpr KeyCell N{};
constexpr KeyCell F(const char* defaultValue = nullptr) { return {KeyCell::Field, defaultValue}; }
constexpr KeyCell X(const char* fixed) { return {KeyCell::Fixed, fixed}; }

// Barcode cells: what the reader and the writer do with a key for a type.
constexpr BarcodeKeyCell None{};
// Read into the field (with the default) and written from it.
constexpr BarcodeKeyCell Kept(const char* defaultValue) { return {F(defaultValue), F()}; }
// Written as a constant; the reader leaves the field alone.
constexpr BarcodeKeyCell Written(const char* value) { return {N, X(value)}; }

using CW = CharacterWriteRule;
using FR = CharacterFontRecord;

// Rows with a field and no outline key are set to "default" for outline fonts.
constexpr CharacterKeyRow kCharacterRows[] = {
    {&FR::originX, "PCpb1pb2pb3pb4", F("default"), "PVpb1pb2pb3pb4", F("default"), CW::Always},
    {&FR::originY, "PCpc1pc2pc3pc4pc5", F("default"), "PVpc1pc2pc3pc4pc5", F("default"),
     CW::Always},
    {&FR::sizeX, "PCpd1pd2", F("1"), "PVpd1pd2pd3pd4", F("default"), CW::Always},
    {&FR::sizeY, "PCpe1pe2", F("1"), "PVpe1pe2pe3pe4", F("default"), CW::Always},
    {&FR::spacingAdjust, "PCpg", F("default"), "PVpg", F("default"), CW::Always},
    {&FR::spacing, "PCph1ph2", F("default"), "PVph1ph2ph3", F("default"),
     CW::UnlessSpacingAdjustDefault},
    {&FR::rotation, "PCpi1pi2", F("default"), "PVpi1pi2", F("default"), CW::Always},
    {&FR::decoration, "PCpj", F("B"), "PVpj", F("B"), CW::Always},
    {&FR::decorationParams, "PCpk1pk2pl1pl2", F("default"), "PVpk1pk2pl1pl2", F("default"),
     CW::Always},
    {&FR::emphasis, "PCJ", F("default"), nullptr, X("default"), CW::Always},
    {&FR::shiftX, "PCpm1pm2", F("default"), nullptr, X("default"), CW::UnlessEmphasisDefault},
    {&FR::shiftY, "PCpn1pn2", F("default"), nullptr, X("default"), CW::UnlessEmphasisDefault},
    {&FR::checkDigit, "PCM", F("default"), "PVM", F("default"), CW::Always},
    {&FR::checkDigitMode, "PCpo", F("default"), "PVpm", F("default"), CW::Always},
    {nullptr, "PCpp", X("+"), "PVpn", X("+"), CW::Always},
    {nullptr, "PCpq1pq2pq3pq4pq5pq6pq7pq8pq9pq10", X("0000000000"),
     "PVpo1po2po3po4po5po6po7po8po9po10", X("0000000000"), CW::Always},
    {&FR::zeroSuppress, "PCZ", F("default"), "PVZ", F("default"), CW::Always},
    {&FR::zeroSuppressDigits, "PCpr1pr2", F("default"), "PVpp1pp2", F("default"), CW::Always},
    {&FR::alignment, "PCP", F("default"), "PVP", F("default"), CW::Always},
    {&FR::alignmentMode, "PCps", F("default"), "PVpq", F("default"), CW::Always},
    {&FR::areaWidth, "PCpt1pt2pt3pt4", F("default"), "PVpr1pr2pr3pr4", F("default"), CW::AreaWidth},
    {&FR::lineFeed, "PCpu1pu2pu3", F("default"), nullptr, X("default"), CW::LineBreakMode},
    {&FR::areaLines, "PCpv1pv2", F("default"), nullptr, X("default"), CW::LineBreakMode},
};

using BR = BarcodeRecord;
constexpr const char* kTenZeros = "0000000000";

// Element-width family, columns: Codabar, Code 2of5, CODE39 (both), ITF, MSI/Plessey.
constexpr BarcodeKeyRow kElementWidthRows[] = {
    {"XBpe", &BR::checkDigit, {None, Kept("1"), Kept("1"), Kept("1"), Kept("1")}},
    {"XBpf1pf2", &BR::narrowBar, {Kept("03"), Kept("03"), Kept("03"), Kept("03"), Kept("03")}},
    {"XBpg1pg2", &BR::narrowSpace, {Kept("03"), Kept("03"), Kept("03"), Kept("03"), Kept("03")}},
    {"XBph1ph2", &BR::wideBar, {Kept("08"), Kept("08"), Kept("08"), Kept("08"), Kept("06")}},
    {"XBpi1pi2", &BR::wideSpace, {Kept("08"), Kept("08"), Kept("08"), Kept("08"), Kept("06")}},
    {"XBpj1pj2", &BR::charGap, {Kept("03"), Kept("03"), Kept("03"), Kept("03"), Kept("03")}},
    {"XBpk",
     &BR::rotation,
     {Kept("default"), Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBpl1pl2pl3pl4",
     &BR::height,
     {Kept("0100"), Kept("0100"), Kept("0100"), Kept("0100"), Kept("0100")}},
    {"XBpm", nullptr, {Written("+"), Written("+"), Written("+"), Written("+"), Written("+")}},
    {"XBpn1pn2pn3pn4pn5pn6pn7pn8pn9pn10",
     nullptr,
     {Written(kTenZeros), Written(kTenZeros), Written(kTenZeros), Written(kTenZeros),
      Written(kTenZeros)}},
    {"XBpo",
     &BR::humanReadable,
     {Kept("default"), Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBpp1pp2",
     &BR::zeroSuppress,
     {Written("00"),
      Kept("default"),
      Kept("default"),
      {X("default"), X("00")},
      {X("default"), X("00")}}},
    {"XBpq",
     &BR::startStop,
     {Kept("default"), {X("default"), N}, Kept("default"), {X("default"), N}, Kept("default")}},
};

// Module family, columns: CODE128, CODE93, UCC/EAN128, GS1 DataBar.
constexpr BarcodeKeyRow kModuleRows[] = {
    {"XBpd", &BR::autoSwitch, {Kept("9"), None, None, None}},
    {"XBpe", &BR::rssVersion, {None, None, None, Kept("1")}},
    {"XBpf1pf2", &BR::moduleWidth, {Kept("03"), Kept("03"), Kept("02"), Kept("03")}},
    {"XBpg", &BR::rotation, {Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBph1ph2ph3ph4", &BR::height, {Kept("0100"), Kept("0100"), Kept("0100"), Kept("0084")}},
    {"XBpi", nullptr, {Written("+"), Written("+"), Written("+"), Written("+")}},
    {"XBpj1pj2pj3pj4pj5pj6pj7pj8pj9pj10",
     nullptr,
     {Written(kTenZeros), Written(kTenZeros), Written(kTenZeros), Written(kTenZeros)}},
    {"XBpk1pk2pk3", nullptr, {Written("000"), Written("000"), Written("000"), None}},
    {"XBpl",
     &BR::humanReadable,
     {Kept("default"), Kept("default"), Kept("default"), {X("default"), N}}},
    {"XBpm1pm2", &BR::zeroSuppress, {Kept("default"), Kept("default"), Kept("default"), None}},
    {"XBpk1pk2", &BR::zeroSuppress, {None, None, None, Kept("default")}},
};

// EAN/UPC family, columns: JAN/EAN13, JAN/EAN8, UPC-A, UPC-E (with their
// "+2digits" and "+5digits" variants).
constexpr BarcodeKeyRow kEanUpcRows[] = {
    {"XBpe", &BR::checkDigit, {Kept("3"), Kept("1"), Kept("3"), Kept("3")}},
    {"XBpf1pf2", &BR::moduleWidth, {Kept("04"), Kept("04"), Kept("04"), Kept("04")}},
    {"XBpg", &BR::rotation, {Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBph1ph2ph3ph4", &BR::height, {Kept("0230"), Kept("0180"), Kept("0230"), Kept("0230")}},
    {"XBpi", nullptr, {Written("+"), Written("+"), Written("+"), Written("+")}},
    {"XBpj1pj2pj3pj4pj5pj6pj7pj8pj9pj10",
     nullptr,
     {Written(kTenZeros), Written(kTenZeros), Written(kTenZeros), Written(kTenZeros)}},
    {"XBpk1pk2pk3",
     &BR::guardBarLength,
     {Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBpl",
     &BR::humanReadable,
     {Kept("default"), Kept("default"), Kept("default"), Kept("default")}},
    {"XBpm1pm2", nullptr, {Written("00"), Written("00"), Written("00"), Written("00")}},
};

// Customer barcode: one column.
constexpr BarcodeKeyRow kCustomerRows[] = {
    {"XBpf1pf2", &BR::moduleWidth, {Kept("04")}},
    {"XBpg", &BR::rotation, {Kept("default")}},
    {"XBph1ph2ph3ph4", &BR::height, {Kept("0035")}},
};

using FixedField = std::pair<std::string BarcodeRecord::*, const char*>;
const FixedField kModuleFixed[] = {
    {&BR::narrowBar, "3"}, {&BR::narrowSpace, "3"}, {&BR::wideBar, "8"},
    {&BR::wideSpace, "8"}, {&BR::charGap, "3"},     {&BR::startStop, "default"},
};
const FixedField kEanUpcFixed[] = {
    {&BR::narrowBar, "3"},       {&BR::narrowSpace, "3"}, {&BR::wideBar, "8"},
    {&BR::wideSpace, "8"},       {&BR::charGap, "3"},     {&BR::zeroSuppress, "default"},
    {&BR::startStop, "default"},
};
const FixedField kCustomerFixed[] = {
    {&BR::narrowBar, "3"},       {&BR::narrowSpace, "3"}, {&BR::wideBar, "8"},
    {&BR::wideSpace, "8"},       {&BR::charGap, "3"},     {&BR::humanReadable, "default"},
    {&BR::startStop, "default"},
};

}  // namespace

std::span<const CharacterKeyRow> characterKeyRows() { return kCharacterRows; }

bool characterFieldWritten(const CharacterKeyRow& row, const CharacterFontRecord& font,
                           bool outline) {
    const std::string& mode = font.alignmentMode;
    switch (row.rule) {
        case CharacterWriteRule::Always:
            return true;
        case CharacterWriteRule::UnlessSpacingAdjustDefault:
            return font.spacingAdjust != codes::kDefault;
        case CharacterWriteRule::UnlessEmphasisDefault:
            return font.emphasis != codes::kDefault;
        case CharacterWriteRule::AreaWidth:
            return mode == codes::kJustifiedMode || (!outline && mode == codes::kLineBreakMode);
        case CharacterWriteRule::LineBreakMode:
            return mode == codes::kLineBreakMode;
    }
    return true;
}

BarcodeLayout barcodeLayout(BarcodeType type) {
    const BarcodeTypeRow& row = barcodeTypeRow(type);
    switch (row.family) {
        case BarcodeFamily::ElementWidth:
            return {kElementWidthRows, row.keyColumn, {}};
        case BarcodeFamily::Module:
            return {kModuleRows, row.keyColumn, kModuleFixed};
        case BarcodeFamily::EanUpc:
            return {kEanUpcRows, row.keyColumn, kEanUpcFixed};
        case BarcodeFamily::Customer:
            break;
    }
    return {kCustomerRows, row.keyColumn, kCustomerFixed};
}

// 2D code keys per parameter record, in the order read and written. The
// origin comes first in every record.
#define VX_ORIGIN(P) \
    {"XBpb1pb2pb3pb4", &P::originX, "default"}, { "XBpc1pc2pc3pc4pc5", &P::originY, "default" }

std::span<const Code2DKeyRow<DataMatrixParams>> code2DKeyRows(const DataMatrixParams*) {
    using P = DataMatrixParams;
    static constexpr Code2DKeyRow<P> rows[] = {
        VX_ORIGIN(P),
        {"XBpf1pf2", &P::moduleWidth, "03"},
        {"XBph", &P::rotation, "default"},
        {"XBC", &P::cellSizeMarker, "default"},
        {"XBpi1pi2pi3", &P::cellColumns, "default"},
        {"XBpj1pj2pj3", &P::cellRows, "default"},
    };
    return rows;
}

std::span<const Code2DKeyRow<MaxiCodeParams>> code2DKeyRows(const MaxiCodeParams*) {
    using P = MaxiCodeParams;
    static constexpr Code2DKeyRow<P> rows[] = {VX_ORIGIN(P), {"XBpe", &P::mode, "0"}};
    return rows;
}

std::span<const Code2DKeyRow<MicroPdf417Params>> code2DKeyRows(const MicroPdf417Params*) {
    using P = MicroPdf417Params;
    static constexpr Code2DKeyRow<P> rows[] = {
        VX_ORIGIN(P),
        {"XBpf1pf2", &P::moduleWidth, "03"},
        {"XBpg1pg2", &P::columnRowCount, "02"},
        {"XBph", &P::rotation, "default"},
        {"XBpi1pi2pi3pi4", &P::rowHeight, "0006"},
    };
    return rows;
}

std::span<const Code2DKeyRow<Pdf417Params>> code2DKeyRows(const Pdf417Params*) {
    using P = Pdf417Params;
    static constexpr Code2DKeyRow<P> rows[] = {
        VX_ORIGIN(P),
        {"XBpe1pe2", &P::securityLevel, "00"},
        {"XBpf1pf2", &P::moduleWidth, "03"},
        {"XBpg1pg2", &P::columnRowCount, "15"},
        {"XBph", &P::rotation, "default"},
        {"XBpi1pi2pi3pi4", &P::rowHeight, "0008"},
    };
    return rows;
}

std::span<const Code2DKeyRow<QrCodeParams>> code2DKeyRows(const QrCodeParams*) {
    using P = QrCodeParams;
    static constexpr Code2DKeyRow<P> rows[] = {
        VX_ORIGIN(P),
        {"XBpe", &P::errorCorrection, "L"},
        {"XBpf1pf2", &P::moduleWidth, "03"},
        {"XBpg", nullptr, "A"},
        {"XBph", &P::rotation, "default"},
        {"XBpi", &P::model, "2"},
    };
    return rows;
}

std::span<const Code2DKeyRow<Gs1CompositeParams>> code2DKeyRows(const Gs1CompositeParams*) {
    using P = Gs1CompositeParams;
    static constexpr Code2DKeyRow<P> rows[] = {
        VX_ORIGIN(P),
        {"XBpe1pe2", &P::linearType, "01"},
        {"XBpf1pf2", &P::moduleWidth, "03"},
        {"XBpg", &P::rotation, "default"},
        {"XBph1ph2ph3ph4", &P::rowHeight, "100"},
    };
    return rows;
}

#undef VX_ORIGIN

}  // namespace vx
