#include "settings/field_catalogue.h"

#include <cctype>

#include "settings/driver_font_keys.h"
#include "settings/field_specs.h"
#include "settings/settings_store.h"

namespace vx {

namespace {

using namespace fields;

constexpr const FieldSpec* kCharacterFields[] = {
    &kCharTypeName,
    &kCharOriginX,
    &kCharOriginY,
    &kCharMagnificationX,
    &kCharWidth,
    &kCharMagnificationY,
    &kCharHeight,
    &kCharSpacingAdjust,
    &kBitmapSpacing,
    &kOutlineSpacing,
    &kCharRotation,
    &kKanjiRotation,
    &kDecoration,
    &kDecorationParams,
    &kReverseAreaX,
    &kReverseAreaY,
    &kFrameGapX,
    &kFrameGapY,
    &kStrikeEndLength,
    &kEmphasis,
    &kShiftX,
    &kShiftY,
    &kCharCheckDigit,
    &kCharCheckDigitMode,
    &kCharZeroSuppress,
    &kCharZeroSuppressDigits,
    &kBitmapAlignment,
    &kOutlineAlignment,
    &kBitmapAlignmentMode,
    &kOutlineAlignmentMode,
    &kAreaWidth,
    &kLineFeed,
    &kAreaLines,
};

constexpr const FieldSpec* kBarcodeFields[] = {
    &kBarcodeTypeName, &kBarcodeOriginX,     &kBarcodeOriginY, &kNarrowSpace,
    &kNarrowBar,       &kBarcodeModuleWidth, &kBarcodeHeight,  &kGuardBarLength,
    &kCharGap,         &kWideSpace,          &kWideBar,        &kBarcodeZeroSuppress,
    &kPlainCheckDigit, &kPriceCheckDigit,    &kMsiCheckDigit,  &kBarcodeRotation,
    &kRssVersion,      &kAutoSwitch,         &kStartStop,      &kHumanReadable,
};

constexpr const FieldSpec* kCode2DFields[] = {
    &kCode2DTypeName,  &kCode2DOriginX,  &kCode2DOriginY,  &kSecurityLevel,
    &kErrorCorrection, &kMaxiMode,       &kLinearType,     &kDataMatrixModuleWidth,
    &kPdfModuleWidth,  &kQrModuleWidth,  &kGs1ModuleWidth, &kMicroPdfColumnsRows,
    &kPdfColumnsRows,  &kCode2DRotation, &kCellSizeMarker, &kCellColumns,
    &kCellRows,        &kPdfRowHeight,   &kGs1RowHeight,   &kQrModel,
};

template <class Record>
std::string Record::*memberNamed(std::span<const TextField<Record>> fields, std::string_view name) {
    for (const TextField<Record>& field : fields) {
        if (field.name == name) return field.member;
    }
    return nullptr;
}

std::string_view characterKey(std::string_view name, int typeIndex) {
    std::string CharacterFontRecord::*member = memberNamed(characterFontRecordFields(), name);
    if (member == nullptr) return {};
    for (const CharacterKeyRow& row : characterKeyRows()) {
        if (row.field != member) continue;
        const bool outline = isOutlineType(typeIndex);
        const KeyCell& cell = outline ? row.outline : row.bitmap;
        const char* key = outline ? row.outlineKey : row.bitmapKey;
        return cell.op == KeyCell::Field && key != nullptr ? key : std::string_view();
    }
    return {};
}

std::string_view barcodeKey(std::string_view name, int typeIndex) {
    const std::optional<BarcodeType> type = barcodeTypeAt(typeIndex);
    std::string BarcodeRecord::*member = memberNamed(barcodeRecordFields(), name);
    if (!type || member == nullptr) return {};
    for (const BarcodeOriginKey& origin : kBarcodeOriginKeys) {
        if (origin.field == member) return origin.key;
    }
    const BarcodeLayout layout = barcodeLayout(*type);
    for (const BarcodeKeyRow& row : layout.rows) {
        const BarcodeKeyCell& cell = row.cells[static_cast<std::size_t>(layout.column)];
        if (row.field == member && cell.write.op == KeyCell::Field) return row.key;
    }
    return {};
}

std::string_view code2DKey(std::string_view name, int typeIndex) {
    const std::optional<Code2DType> type = code2DTypeAt(typeIndex);
    if (!type) return {};
    std::string_view key;
    Code2DRecord record;
    visitCode2DParams(record, *type, [&](auto& params, auto fields) {
        using Params = std::remove_reference_t<decltype(params)>;
        std::string Params::*member = memberNamed(fields, name);
        for (const auto& row : code2DKeyRows(&params)) {
            if (member != nullptr && row.field == member) key = row.key;
        }
    });
    return key;
}

}  // namespace

std::span<const FieldSpec* const> fieldCatalogue(FontKind kind) {
    switch (kind) {
        case FontKind::Character:
            return kCharacterFields;
        case FontKind::Barcode:
            return kBarcodeFields;
        case FontKind::Code2D:
            break;
    }
    return kCode2DFields;
}

const FieldSpec* findFieldSpec(FontKind kind, std::string_view name, int typeIndex) {
    const FieldSpec* named = nullptr;
    for (const FieldSpec* spec : fieldCatalogue(kind)) {
        if (spec->name != name) continue;
        if (spec->types.contains(typeIndex)) return spec;
        if (named == nullptr) named = spec;
    }
    return named;
}

std::string fieldLabel(const FieldSpec& spec) {
    std::string label(spec.label);
    if (!spec.part.empty()) label += " " + std::string(spec.part);
    return label;
}

std::string_view fieldKey(const FieldSpec& spec, int typeIndex) {
    switch (spec.kind) {
        case FontKind::Character:
            return characterKey(spec.name, typeIndex);
        case FontKind::Barcode:
            return barcodeKey(spec.name, typeIndex);
        case FontKind::Code2D:
            break;
    }
    return code2DKey(spec.name, typeIndex);
}

int keyWidth(std::string_view key) {
    int groups = 0;
    for (std::size_t i = 2; i + 2 < key.size(); ++i) {
        if (key[i] == 'p' && std::islower(static_cast<unsigned char>(key[i + 1])) &&
            std::isdigit(static_cast<unsigned char>(key[i + 2]))) {
            ++groups;
        }
    }
    return groups == 0 ? 1 : groups;
}

}  // namespace vx
