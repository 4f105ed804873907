#include "pages/code2d_page.h"

#include "pages/symbol_rotations.h"
#include "resources/resource.h"

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
// template.
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_CODE2D_FONT_NAME, .kind = FontNameList, .label = "バーコードフォント名"},
    {.id = IDC_CODE2D_TYPE, .kind = TypeList, .label = "2次元コード種別"},
    {.id = IDC_CODE2D_ORIGIN_X, .kind = NumericEdit, .label = "基点X座標", .unit = "x0.1mm",
     .spin = IDC_CODE2D_ORIGIN_X_SPIN, .range = {0, 9999, 4},
     .autoBox = IDC_CODE2D_ORIGIN_X_AUTO, .field = sharedField("originX", kEveryType, Gs1Composite),
     .width = 4},
    {.id = IDC_CODE2D_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_CODE2D_ORIGIN_Y, .kind = NumericEdit, .label = "基点Y座標", .unit = "x0.1mm",
     .spin = IDC_CODE2D_ORIGIN_Y_SPIN, .range = {0, 32767, 5},
     .autoBox = IDC_CODE2D_ORIGIN_Y_AUTO, .field = sharedField("originY", kEveryType, Gs1Composite),
     .width = 5},
    {.id = IDC_CODE2D_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_CODE2D_ROTATION, .kind = List, .label = "回転方向", .codes = &kSymbolRotations,
     .codeFields = {sharedField("rotation", kAllButMaxiCode, QrCode)}},
    // The range of Data Matrix, the widest; the type shown narrows it.
    {.id = IDC_CODE2D_MODULE_WIDTH, .kind = NumericEdit, .label = "1モジュール／セル幅",
     .unit = "ドット", .spin = IDC_CODE2D_MODULE_WIDTH_SPIN, .range = {0, 99, 2},
     .field = sharedField("moduleWidth", kAllButMaxiCode, Gs1Composite), .width = 2},
    {.id = IDC_CODE2D_QR_ERROR_CORRECTION, .kind = List, .label = "誤り訂正レベル",
     .codes = &kErrorCorrections, .codeFields = {fieldOf(QrCode, "errorCorrection")}},
    {.id = IDC_CODE2D_QR_MODEL, .kind = List, .label = "モデル", .codes = &kModels,
     .codeFields = {fieldOf(QrCode, "model")}},
    {.id = IDC_CODE2D_DM_CELL_COUNT, .kind = List, .label = "セル数指定", .codes = &kCellCounts,
     .codeFields = {fieldOf(DataMatrix, "cellSizeMarker"), fieldOf(DataMatrix, "cellColumns"),
                    fieldOf(DataMatrix, "cellRows")}},
    // The range of MicroPDF417; PDF417 narrows it.
    {.id = IDC_CODE2D_PDF_COLUMNS_ROWS, .kind = NumericEdit, .label = "列・行数",
     .spin = IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN, .range = {0, 38, 2},
     .field = sharedField("columnRowCount", kPdfTypes, Pdf417), .width = 2},
    {.id = IDC_CODE2D_PDF_ROW_HEIGHT, .kind = NumericEdit, .label = "バーコード1行の高さ",
     .unit = "x0.1mm", .spin = IDC_CODE2D_PDF_ROW_HEIGHT_SPIN, .range = {0, 100, 3},
     .spinMinimum = 1, .field = sharedField("rowHeight", kPdfTypes, Pdf417), .width = 4},
    // A list of numbers, stored as a two-digit number.
    {.id = IDC_CODE2D_PDF_SECURITY_LEVEL, .kind = List, .label = "セキュリティレベル",
     .field = fieldOf(Pdf417, "securityLevel"), .width = 2},
    {.id = IDC_CODE2D_MAXI_MODE, .kind = List, .label = "モード", .codes = &kModes,
     .codeFields = {fieldOf(MaxiCode, "mode")}},
    {.id = IDC_CODE2D_GS1_LINEAR_TYPE, .kind = List, .label = "バーコード種別",
     .codes = &kLinearTypes, .codeFields = {fieldOf(Gs1Composite, "linearType")}},
    // Any number of digits is read; the check saturates.
    {.id = IDC_CODE2D_GS1_ROW_HEIGHT, .kind = NumericEdit, .label = "バーコード1行の高さ",
     .unit = "x0.1mm", .spin = IDC_CODE2D_GS1_ROW_HEIGHT_SPIN, .range = {0, 1000, 100},
     .spinMinimum = 1, .field = fieldOf(Gs1Composite, "rowHeight"), .width = 4},
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

// The controls that only some types use: every list and numeric edit but
// the font and type lists and the origins.
bool followsType(const Row& row) {
    return (row.kind == List || row.kind == NumericEdit) && row.autoBox == 0;
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

void Code2DPage::applyTypeRules() {
    auto enable = [this](const Row& control, bool usable) {
        controls().setEnabled(control.id, usable);
        if (control.spin != 0) controls().setEnabled(control.spin, usable);
    };
    for (const Row& control : rows()) {
        if (followsType(control)) enable(control, false);
    }
    const TypeUse use = typeUse(currentType());
    for (const int id : use.others) {
        if (id != 0) enable(*row(id), true);
    }
    const std::pair<int, const std::optional<FieldRange>&> ranged[] = {
        {IDC_CODE2D_MODULE_WIDTH, use.moduleWidth},
        {IDC_CODE2D_PDF_COLUMNS_ROWS, use.columnsRows},
    };
    for (const auto& [id, range] : ranged) {
        if (!range) continue;
        const Row& edit = *row(id);
        enable(edit, true);
        controls().setSpinRange(edit.spin, range->minimum, range->maximum);
    }
}

void Code2DPage::changeType() {
    storeCurrent();  // under the new type, with the values shown for the old one
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
    const TypeUse use = typeUse(type);
    switch (type) {
        case Code2DType::DataMatrix:
            bringBack(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
            break;
        case Code2DType::MicroPdf417:
            fitInto(IDC_CODE2D_MODULE_WIDTH, *use.moduleWidth, moduleWidth);
            bringBack(IDC_CODE2D_PDF_COLUMNS_ROWS, columnsRows);
            break;
        case Code2DType::Pdf417:
            fitInto(IDC_CODE2D_MODULE_WIDTH, *use.moduleWidth, moduleWidth);
            fitInto(IDC_CODE2D_PDF_COLUMNS_ROWS, *use.columnsRows, columnsRows);
            break;
        case Code2DType::QrCode:
            // A remembered width comes back once the QR code's range allows
            // it; until then the width stays at the top of that range.
            if (moduleWidth.empty()) {
                fitInto(IDC_CODE2D_MODULE_WIDTH, *use.moduleWidth, moduleWidth);
            } else if (leadingInteger(moduleWidth) > use.moduleWidth->maximum) {
                setEverywhere(IDC_CODE2D_MODULE_WIDTH, std::to_string(use.moduleWidth->maximum));
            } else {
                bringBack(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
            }
            break;
        case Code2DType::MaxiCode:
        case Code2DType::Gs1Composite:
            break;  // both values stay
    }
}

std::optional<FieldRange> Code2DPage::rangeOf(const Row& control) const {
    if (control.id == IDC_CODE2D_MODULE_WIDTH) return typeUse(currentType()).moduleWidth;
    if (control.id == IDC_CODE2D_PDF_COLUMNS_ROWS) return typeUse(currentType()).columnsRows;
    return control.range;
}

}  // namespace vx
