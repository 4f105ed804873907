#include "pages/code2d_page.h"

#include "pages/symbol_rotations.h"
#include "resources/resource.h"

namespace vx {

using namespace code2d;

namespace {

using R = Code2DRecord;
using Row = ControlRow<R>;
using enum ControlKind;

// The left column with the values every type shares and the QR code's
// group, the right column with the groups of Data Matrix, PDF417 and
// MaxiCode, then GS1 Composite across the page: the tab order of the
// template. No row names a record field: the page moves every value itself,
// into each parameter record that holds it (code2d::recordValues).
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_CODE2D_FONT_NAME, .kind = FontNameList, .label = "バーコードフォント名"},
    {.id = IDC_CODE2D_TYPE, .kind = TypeList, .label = "2次元コード種別"},
    {.id = IDC_CODE2D_ORIGIN_X, .kind = NumericEdit, .label = "基点X座標", .unit = "x0.1mm",
     .spin = IDC_CODE2D_ORIGIN_X_SPIN, .range = {0, 9999, 4},
     .autoBox = IDC_CODE2D_ORIGIN_X_AUTO, .width = 4},
    {.id = IDC_CODE2D_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_CODE2D_ORIGIN_Y, .kind = NumericEdit, .label = "基点Y座標", .unit = "x0.1mm",
     .spin = IDC_CODE2D_ORIGIN_Y_SPIN, .range = {0, 32767, 5},
     .autoBox = IDC_CODE2D_ORIGIN_Y_AUTO, .width = 5},
    {.id = IDC_CODE2D_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_CODE2D_ROTATION, .kind = List, .label = "回転方向", .codes = &kSymbolRotations},
    // The range of Data Matrix, the widest; the type shown narrows it.
    {.id = IDC_CODE2D_MODULE_WIDTH, .kind = NumericEdit, .label = "1モジュール／セル幅",
     .unit = "ドット", .spin = IDC_CODE2D_MODULE_WIDTH_SPIN, .range = {0, 99, 2}, .width = 2},
    {.id = IDC_CODE2D_QR_ERROR_CORRECTION, .kind = List, .label = "誤り訂正レベル",
     .codes = &kErrorCorrections},
    {.id = IDC_CODE2D_QR_MODEL, .kind = List, .label = "モデル", .codes = &kModels},
    {.id = IDC_CODE2D_DM_CELL_COUNT, .kind = List, .label = "セル数指定", .codes = &kCellCounts},
    // The range of MicroPDF417; PDF417 narrows it.
    {.id = IDC_CODE2D_PDF_COLUMNS_ROWS, .kind = NumericEdit, .label = "列・行数",
     .spin = IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN, .range = {0, 38, 2}, .width = 2},
    {.id = IDC_CODE2D_PDF_ROW_HEIGHT, .kind = NumericEdit, .label = "バーコード1行の高さ",
     .unit = "x0.1mm", .spin = IDC_CODE2D_PDF_ROW_HEIGHT_SPIN, .range = {0, 100, 3},
     .spinMinimum = 1, .width = 4},
    // A list of numbers, stored as a two-digit number.
    {.id = IDC_CODE2D_PDF_SECURITY_LEVEL, .kind = List, .label = "セキュリティレベル",
     .width = 2},
    {.id = IDC_CODE2D_MAXI_MODE, .kind = List, .label = "モード", .codes = &kModes},
    {.id = IDC_CODE2D_GS1_LINEAR_TYPE, .kind = List, .label = "バーコード種別",
     .codes = &kLinearTypes},
    // Any number of digits is read; the check saturates.
    {.id = IDC_CODE2D_GS1_ROW_HEIGHT, .kind = NumericEdit, .label = "バーコード1行の高さ",
     .unit = "x0.1mm", .spin = IDC_CODE2D_GS1_ROW_HEIGHT_SPIN, .range = {0, 1000, 100},
     .spinMinimum = 1, .width = 4},
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

// The type a font is shown with: "Data Matrix" for an index outside the
// table.
Code2DType shownType(const R& record) {
    return code2DTypeAt(record.typeIndex).value_or(Code2DType::DataMatrix);
}

}  // namespace

std::span<const ControlRow<Code2DRecord>> code2DPageRows() { return kRows; }

Code2DPage::Code2DPage(SettingsStore& store, Controls& controls)
    : FontPage(kDescription, store, controls),
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
    FontPage::create();
}

std::string Code2DPage::typeText(const Code2DRecord& record) const {
    return pageText(code2DTypeName(typeIndexOf(shownType(record))));
}

void Code2DPage::storeType(Code2DRecord& record, std::string_view typeText) {
    if (const std::optional<Code2DType> type = code2DTypeAt(code2DTypeIndexOf(typeText))) {
        record.typeIndex = typeIndexOf(*type);
        currentType_ = *type;
    }
}

void Code2DPage::storeValue(const RecordValue& value, Code2DRecord& r) {
    const Row& control = *row(value.control);
    const std::string& text = fields().text(value.control);
    std::string stored;
    if (control.autoBox != 0 && fields().flag(control.autoBox)) {
        stored = kDefault;
    } else if (control.codes != nullptr) {
        stored = control.codes->codeFor(text);
    } else {
        stored = paddedRecordText(text, control.width);
    }
    for (const Slot slot : value.slots) {
        if (slot != nullptr) *slot(r) = stored;
    }
}

void Code2DPage::storeSteps(Code2DRecord& r) {
    const int font = currentFont();
    for (const int origin : {IDC_CODE2D_ORIGIN_X, IDC_CODE2D_ORIGIN_Y}) {
        rememberedTextOf(origin)[font] = fields().text(origin);
    }
    for (const RecordValue& value : recordValues()) storeValue(value, r);

    // Every list of this page stores something for any text.
    const CodedEntry& cells = *kCellCounts.entryFor(fields().text(IDC_CODE2D_DM_CELL_COUNT));
    r.dataMatrix.cellSizeMarker = cells.codes[0];
    r.dataMatrix.cellColumns = cells.codes[1];
    r.dataMatrix.cellRows = cells.codes[2];
}

void Code2DPage::showValue(const RecordValue& value, Code2DRecord& r) {
    const Row& control = *row(value.control);
    const auto slotOf = [&value](Code2DType type) {
        return value.slots[static_cast<std::size_t>(typeIndexOf(type))];
    };
    const Slot source =
        slotOf(currentType_) != nullptr ? slotOf(currentType_) : slotOf(value.shownOtherwise);
    const std::string& stored = *source(r);
    if (control.autoBox != 0) {
        const bool automatic = stored == kDefault;
        fields().setText(control.id, automatic ? rememberedTextOf(control.id)[currentFont()]
                                               : decimalText(stored));
        fields().setFlag(control.autoBox, automatic);
    } else if (control.codes != nullptr) {
        fields().setText(control.id, control.codes->textFor(stored));
    } else {
        fields().setText(control.id, decimalText(stored));
    }
}

void Code2DPage::showSteps(Code2DRecord& r) {
    currentType_ = shownType(r);
    for (const RecordValue& value : recordValues()) showValue(value, r);

    const std::string_view cells[] = {r.dataMatrix.cellSizeMarker, r.dataMatrix.cellColumns,
                                      r.dataMatrix.cellRows};
    fields().setText(IDC_CODE2D_DM_CELL_COUNT, kCellCounts.textFor(cells));
}

void Code2DPage::applyTypeRules() {
    auto enable = [this](const Row& control, bool usable) {
        controls().setEnabled(control.id, usable);
        if (control.spin != 0) controls().setEnabled(control.spin, usable);
    };
    for (const Row& control : rows()) {
        if (followsType(control)) enable(control, false);
    }
    const TypeUse use = typeUse(currentType_);
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
    const std::string stored = paddedRecordText(text, row(control)->width);
    for (const Slot slot : recordValue(control).slots) {
        if (slot != nullptr) *slot(record()) = stored;
    }
}

void Code2DPage::fitInto(int control, const FieldRange& range, std::string& memory) {
    const std::string& text = fields().text(control);
    const int value = leadingInteger(text);
    if (value >= range.minimum && value <= range.maximum) return;
    memory = text;
    setEverywhere(control, std::to_string(value < range.minimum ? range.minimum : range.maximum));
}

void Code2DPage::fitToType() {
    std::string& moduleWidth = rememberedModuleWidth_[currentFont()];
    std::string& columnsRows = rememberedColumnRowCount_[currentFont()];
    const TypeUse use = typeUse(currentType_);
    switch (currentType_) {
        case Code2DType::DataMatrix:
            if (!moduleWidth.empty()) {
                setEverywhere(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
                moduleWidth.clear();
            }
            break;
        case Code2DType::MicroPdf417:
            fitInto(IDC_CODE2D_MODULE_WIDTH, *use.moduleWidth, moduleWidth);
            if (!columnsRows.empty()) {
                setEverywhere(IDC_CODE2D_PDF_COLUMNS_ROWS, columnsRows);
                columnsRows.clear();
            }
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
                setEverywhere(IDC_CODE2D_MODULE_WIDTH, moduleWidth);
                moduleWidth.clear();
            }
            break;
        case Code2DType::MaxiCode:
        case Code2DType::Gs1Composite:
            break;  // both values stay
    }
}

std::optional<FieldRange> Code2DPage::rangeOf(const Row& control) const {
    if (control.id == IDC_CODE2D_MODULE_WIDTH) return typeUse(currentType_).moduleWidth;
    if (control.id == IDC_CODE2D_PDF_COLUMNS_ROWS) return typeUse(currentType_).columnsRows;
    return control.range;
}

}  // namespace vx
