#include "pages/code2d_page.h"

#include "pages/symbol_rotations.h"
#include "resources/resource.h"
#include "settings/field_specs.h"
#include "settings/font_names.h"
#include "settings/leading_integer.h"

namespace vx {

using namespace code2d;

namespace {

using R = Code2DRecord;
using Row = ControlRow<R>;
using enum ControlKind;

using enum Code2DType;

// The values that several types share are stored into the record of each
// of them. A font of a type without one shows it from GS1 Composite (the
// module width), the QR code (the rotation: GS1 Composite keeps its own
// under another key) or PDF417 (columns/rows and row height).
constexpr Code2DTypes kEveryType = Code2DTypes::all();
constexpr Code2DTypes kAllButMaxiCode = kEveryType.without(MaxiCode);
constexpr Code2DTypes kPdfTypes = {MicroPdf417, Pdf417};

// The left column with the values every type shares and the QR code's
// group, the right column with the groups of Data Matrix, PDF417 and
// MaxiCode, then GS1 Composite across the page: the tab order of the
// template. Labels, units, ranges and stored widths are the fields' in the
// catalogue; a type with its own range for a field narrows the row's.
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_CODE2D_FONT_NAME, .kind = FontNameList, .label = "バーコードフォント名"},
    {.id = IDC_CODE2D_TYPE, .kind = TypeList, .label = "2次元コード種別"},
    described<R>(fields::kCode2DOriginX, {.id = IDC_CODE2D_ORIGIN_X, .kind = NumericEdit,
        .spin = IDC_CODE2D_ORIGIN_X_SPIN, .autoBox = IDC_CODE2D_ORIGIN_X_AUTO,
        .field = sharedField("originX", kEveryType, Gs1Composite)}),
    {.id = IDC_CODE2D_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kCode2DOriginY, {.id = IDC_CODE2D_ORIGIN_Y, .kind = NumericEdit,
        .spin = IDC_CODE2D_ORIGIN_Y_SPIN, .autoBox = IDC_CODE2D_ORIGIN_Y_AUTO,
        .field = sharedField("originY", kEveryType, Gs1Composite)}),
    {.id = IDC_CODE2D_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kCode2DRotation, {.id = IDC_CODE2D_ROTATION, .kind = List,
        .codes = &kSymbolRotations, .codeFields = {sharedField("rotation", kAllButMaxiCode, QrCode)}}),
    // The range of Data Matrix, the widest.
    described<R>(fields::kDataMatrixModuleWidth, {.id = IDC_CODE2D_MODULE_WIDTH,
        .kind = NumericEdit, .spin = IDC_CODE2D_MODULE_WIDTH_SPIN,
        .field = sharedField("moduleWidth", kAllButMaxiCode, Gs1Composite)}),
    described<R>(fields::kErrorCorrection, {.id = IDC_CODE2D_QR_ERROR_CORRECTION, .kind = List,
        .codes = &kErrorCorrections, .codeFields = {fieldOf(QrCode, "errorCorrection")}}),
    described<R>(fields::kQrModel, {.id = IDC_CODE2D_QR_MODEL, .kind = List, .codes = &kModels,
        .codeFields = {fieldOf(QrCode, "model")}}),
    described<R>(fields::kCellSizeMarker, {.id = IDC_CODE2D_DM_CELL_COUNT, .kind = List,
        .codes = &kCellCounts, .codeFields = {fieldOf(DataMatrix, "cellSizeMarker"),
        fieldOf(DataMatrix, "cellColumns"), fieldOf(DataMatrix, "cellRows")}}),
    // The range of MicroPDF417.
    described<R>(fields::kMicroPdfColumnsRows, {.id = IDC_CODE2D_PDF_COLUMNS_ROWS,
        .kind = NumericEdit, .spin = IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN,
        .field = sharedField("columnRowCount", kPdfTypes, Pdf417)}),
    described<R>(fields::kPdfRowHeight, {.id = IDC_CODE2D_PDF_ROW_HEIGHT, .kind = NumericEdit,
        .spin = IDC_CODE2D_PDF_ROW_HEIGHT_SPIN, .spinMinimum = 1,
        .field = sharedField("rowHeight", kPdfTypes, Pdf417)}),
    // A list of numbers, stored as a two-digit number.
    described<R>(fields::kSecurityLevel, {.id = IDC_CODE2D_PDF_SECURITY_LEVEL, .kind = List,
        .field = fieldOf(Pdf417, "securityLevel")}),
    described<R>(fields::kMaxiMode, {.id = IDC_CODE2D_MAXI_MODE, .kind = List, .codes = &kModes,
        .codeFields = {fieldOf(MaxiCode, "mode")}}),
    described<R>(fields::kLinearType, {.id = IDC_CODE2D_GS1_LINEAR_TYPE, .kind = List,
        .codes = &kLinearTypes, .codeFields = {fieldOf(Gs1Composite, "linearType")}}),
    described<R>(fields::kGs1RowHeight, {.id = IDC_CODE2D_GS1_ROW_HEIGHT, .kind = NumericEdit,
        .spin = IDC_CODE2D_GS1_ROW_HEIGHT_SPIN, .spinMinimum = 1,
        .field = fieldOf(Gs1Composite, "rowHeight")}),
};
// clang-format on

const PageDescription<R> kDescription = {
    kRows,
    kCode2DFontCount,
    code2DFontName,
    kCode2DTypeCount,
    code2DTypeName,
    [](SettingsStore& store, int font) -> R& {
        return store.codes2D[static_cast<std::size_t>(font)];
    },
};

// The range of a field for a type, from its entry in the catalogue.
FieldRange rangeFor(const Row& row, Code2DType type) {
    return rangeOfSpec(*findFieldSpec(FontKind::Code2D, row.spec->name, typeIndexOf(type)));
}

}  // namespace

std::span<const ControlRow<Code2DRecord>> code2DPageRows() { return kRows; }

Code2DPage::Code2DPage(SettingsStore& store, Controls& controls)
    : RowPage(kDescription, store, controls),
      rememberedModuleWidth_(memoryRegistry().add(std::string())),
      rememberedColumnRowCount_(memoryRegistry().add(std::string())) {
    // Leaving one of these fields confirms what it shows: a value that a
    // type change replaced is no longer brought back.
    react(PageEvent::EditLostFocus, IDC_CODE2D_MODULE_WIDTH,
          [this] { rememberedModuleWidth_[currentFont()].clear(); });
    react(PageEvent::EditLostFocus, IDC_CODE2D_PDF_COLUMNS_ROWS,
          [this] { rememberedColumnRowCount_[currentFont()].clear(); });
}

void Code2DPage::create() {
    controls().setItems(IDC_CODE2D_PDF_SECURITY_LEVEL, securityLevels());
    RowPage::create();
}

std::string Code2DPage::typeText(const Code2DRecord& record) const {
    return pageText(code2DTypeName(typeIndexOf(shownCode2DType(record))));
}

void Code2DPage::storeType(Code2DRecord& record, std::string_view typeText) {
    if (const int index = code2DTypeIndexOf(typeText); index >= 0) record.typeIndex = index;
}

int Code2DPage::shownTypeIndex() const { return typeIndexOf(currentType()); }

std::optional<FieldRange> Code2DPage::rangeOf(const Row& row) const {
    // A value the type does not use stays as typed: the records of the
    // types that use it share it.
    const int type = shownTypeIndex();
    if (row.spec != nullptr && !specFor(row, type)->types.contains(type)) return std::nullopt;
    return RowPage::rangeOf(row);
}

void Code2DPage::applyTypeRules() { enableRowsOfType(shownTypeIndex()); }

void Code2DPage::changeType() {
    storeShown();  // under the new type, with the values shown for the old one
    fitToType();
    showCurrent();
}

void Code2DPage::setEverywhere(int control, std::string_view text) {
    const Row& edit = *row(control);
    storeField(record(), edit.field, paddedRecordText(text, edit.width));
}

void Code2DPage::fitInto(int control, const FieldRange& range, std::string& memory) {
    const std::string& text = fields().text(control);
    const int value = leadingInteger(text);
    if (value >= range.minimum && value <= range.maximum) return;
    memory = text;
    setEverywhere(control, std::to_string(value < range.minimum ? range.minimum : range.maximum));
}

void Code2DPage::bringBack(int control, std::string& memory) {
    if (memory.empty()) return;
    setEverywhere(control, memory);
    memory.clear();
}

void Code2DPage::fitToType() {
    std::string& moduleWidth = rememberedModuleWidth_[currentFont()];
    std::string& columnsRows = rememberedColumnRowCount_[currentFont()];
    const Code2DType type = currentType();
    const FieldRange moduleRange = rangeFor(*row(IDC_CODE2D_MODULE_WIDTH), type);
    const FieldRange columnsRange = rangeFor(*row(IDC_CODE2D_PDF_COLUMNS_ROWS), type);
    switch (type) {
        case Code2DType::DataMatrix:
            bringBack(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
            break;
        case Code2DType::MicroPdf417:
            fitInto(IDC_CODE2D_MODULE_WIDTH, moduleRange, moduleWidth);
            bringBack(IDC_CODE2D_PDF_COLUMNS_ROWS, columnsRows);
            break;
        case Code2DType::Pdf417:
            fitInto(IDC_CODE2D_MODULE_WIDTH, moduleRange, moduleWidth);
            fitInto(IDC_CODE2D_PDF_COLUMNS_ROWS, columnsRange, columnsRows);
            break;
        case Code2DType::QrCode:
            // A remembered width comes back once the QR code's range allows
            // it; until then the width stays at the top of that range.
            if (moduleWidth.empty()) {
                fitInto(IDC_CODE2D_MODULE_WIDTH, moduleRange, moduleWidth);
            } else if (leadingInteger(moduleWidth) > moduleRange.maximum) {
                setEverywhere(IDC_CODE2D_MODULE_WIDTH, std::to_string(moduleRange.maximum));
            } else {
                bringBack(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
            }
            break;
        case Code2DType::MaxiCode:
        case Code2DType::Gs1Composite:
            break;  // both values stay
    }
}

}  // namespace vx
