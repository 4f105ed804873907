// The 2D code types as zint symbologies, their sample data and the
// record's geometry.
#include <zint.h>

#include <algorithm>
#include <array>

#include "preview/symbol_layout.h"
#include "preview/symbol_preview.h"
#include "settings/field_codes.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

// GS1 Composite linear types "01" to "11", in the order of their list.
struct LinearType {
    int symbology;
    const char* linear;  // sample linear data
    int compositeType;   // 1: CC-A, 3: CC-C
    // EAN and UPC: the linear digits without the check digit.
    std::size_t digits = 0;
};
const std::array<LinearType, 11> kLinearTypes = {{
    {BARCODE_EANX_CC, "490123456789", 1, 12},
    {BARCODE_EANX_CC, "4901234", 1, 7},
    {BARCODE_UPCA_CC, "04901234567", 1, 11},
    {BARCODE_UPCE_CC, "0123456", 1, 7},
    {BARCODE_DBAR_OMN_CC, "0950110153000", 1},
    {BARCODE_DBAR_OMN_CC, "0950110153000", 1},
    {BARCODE_DBAR_STK_CC, "0950110153000", 1},
    {BARCODE_DBAR_OMNSTK_CC, "0950110153000", 1},
    {BARCODE_DBAR_LTD_CC, "0950110153000", 1},
    {BARCODE_GS1_128_CC, "[01]09501101530003", 1},
    {BARCODE_GS1_128_CC, "[01]09501101530003", 3},
}};
static_assert(std::size(codes::kLinearTypeEntries) == 11);
constexpr int kTruncatedDataBar = 5;  // index of "GS1 DataBar Truncated"

const LinearType& linearTypeOf(const Gs1CompositeParams& params) {
    const int code = leadingInteger(params.linearType);
    return kLinearTypes[code >= 1 && code <= 11 ? code - 1 : 0];
}

// Data Matrix rectangles "columns × rows" and zint's size numbers.
struct CellCount {
    int columns, rows, zintSize;
};
constexpr CellCount kRectangles[] = {{18, 8, 25},  {32, 8, 26},  {26, 12, 27},
                                     {36, 12, 28}, {36, 16, 29}, {48, 16, 30}};

double atLeastOne(int value) { return value < 1 ? 1.0 : value; }

double dotsOfTenthsMm(const std::string& text, double dpi) {
    return wholeDots(leadingInteger(text) / 10.0, dpi);
}

// "structured|message": the part before "|" goes to zint's primary data.
void splitPrimary(const std::string& data, EncodeRequest& request) {
    const auto bar = data.find('|');
    if (bar == std::string::npos) {
        request.data = data;
        return;
    }
    request.primary = data.substr(0, bar);
    request.data = data.substr(bar + 1);
}

void planDataMatrix(const DataMatrixParams& p, SymbolPlan& plan) {
    plan.request.symbology = BARCODE_DATAMATRIX;
    plan.shape = SymbolShape::Matrix;
    plan.moduleDots = atLeastOne(leadingInteger(p.moduleWidth));
    if (p.cellSizeMarker != codes::kCellSizeMarker) return;  // the smallest symbol
    const int columns = leadingInteger(p.cellColumns), rows = leadingInteger(p.cellRows);
    for (const CellCount& cells : kRectangles) {
        if (cells.columns == columns && cells.rows == rows) {
            plan.request.option2 = cells.zintSize;
            return;
        }
    }
    plan.notes.push_back("このセル数は描けません：最小のシンボルで表示します。");
}

void planMaxiCode(const MaxiCodeParams& p, SymbolPlan& plan) {
    plan.request.symbology = BARCODE_MAXICODE;
    plan.shape = SymbolShape::MaxiCode;
    plan.request.option1 = p.mode == codes::kMode3 ? 3 : p.mode == codes::kMode4 ? 4 : 2;
}

void planMicroPdf417(const MicroPdf417Params& p, double dpi, SymbolPlan& plan) {
    plan.request.symbology = BARCODE_MICROPDF417;
    plan.shape = SymbolShape::Stacked;
    plan.moduleDots = atLeastOne(leadingInteger(p.moduleWidth));
    plan.rowHeightDots = dotsOfTenthsMm(p.rowHeight, dpi);
    const int columns = leadingInteger(p.columnRowCount);
    if (columns >= 1 && columns <= 4) {
        plan.request.option2 = columns;
    } else if (columns != 0) {
        plan.notes.push_back(
            "列・行数は1～4の列数として表示します：この値では列数を自動で選びます。");
    }
}

void planPdf417(const Pdf417Params& p, double dpi, SymbolPlan& plan) {
    plan.request.symbology = BARCODE_PDF417;
    plan.shape = SymbolShape::Stacked;
    plan.moduleDots = atLeastOne(leadingInteger(p.moduleWidth));
    plan.rowHeightDots = dotsOfTenthsMm(p.rowHeight, dpi);
    plan.request.option1 = std::clamp(leadingInteger(p.securityLevel), 0, 8);
    plan.request.option2 = std::clamp(leadingInteger(p.columnRowCount), 1, 30);
}

void planQrCode(const QrCodeParams& p, SymbolPlan& plan) {
    plan.request.symbology = BARCODE_QRCODE;
    plan.shape = SymbolShape::Matrix;
    plan.moduleDots = atLeastOne(leadingInteger(p.moduleWidth));
    const std::string& level = p.errorCorrection;
    plan.request.option1 = level == "M" ? 2 : level == "Q" ? 3 : level == "H" ? 4 : 1;
    if (p.model == "1") plan.notes.push_back("モデル1は描けません：モデル2で表示します。");
}

void planComposite(const Gs1CompositeParams& p, double dpi, SymbolPlan& plan) {
    const LinearType& linear = linearTypeOf(p);
    plan.request.symbology = linear.symbology;
    plan.request.option1 = linear.compositeType;
    plan.request.gs1Data = true;
    plan.shape = SymbolShape::Linear;
    plan.moduleDots = atLeastOne(leadingInteger(p.moduleWidth));
    plan.barHeightDots = dotsOfTenthsMm(p.rowHeight, dpi);
    plan.heightIsTotal = false;
    if (&linear == &kLinearTypes[kTruncatedDataBar]) {
        plan.notes.push_back("Truncatedはバーコード1行の高さのとおりに表示します。");
    }
}

// EAN linear digits of another count would make zint draw the other EAN,
// UPC digits fewer it would pad with zeros: refused. zint checks a check
// digit given with them.
void checkLinearDigits(const Gs1CompositeParams& p, SymbolPlan& plan) {
    const LinearType& linear = linearTypeOf(p);
    const std::string& data = plan.request.primary;
    if (linear.digits == 0 || data.empty() || data.find_first_not_of("0123456789") != data.npos) {
        return;  // zint says why
    }
    if (data.size() == linear.digits || data.size() == linear.digits + 1) return;
    const auto index = static_cast<std::size_t>(&linear - kLinearTypes.data());
    plan.refusal = std::string(codes::kLinearTypeEntries[index].text) + " のリニア部分は " +
                   std::to_string(linear.digits) + " 桁の数字です（チェックデジットを含めて " +
                   std::to_string(linear.digits + 1) + " 桁）。";
}

}  // namespace

std::string sampleCode2DData(const Code2DRecord& record) {
    switch (shownCode2DType(record)) {
        case Code2DType::DataMatrix:
            return "0123456789";
        case Code2DType::MaxiCode:
            if (record.maxiCode.mode == codes::kMode4) return "ZEL VEXTORA 0123456789";
            return record.maxiCode.mode == codes::kMode3 ? "AB12CD826001|ZEL VEXTORA"
                                                         : "152382802840001|ZEL VEXTORA";
        case Code2DType::MicroPdf417:
            return "ZEL-Vextora-0123";
        case Code2DType::Pdf417:
            return "ZEL Vextora PDF417 0123456789";
        case Code2DType::QrCode:
            break;
        case Code2DType::Gs1Composite:
            return std::string(linearTypeOf(record.gs1Composite).linear) + "|[10]ABC123";
    }
    return "ZEL-VEXTORA-0001";
}

SymbolPlan code2DPlan(const Code2DRecord& record, const std::string& data, double dpi) {
    SymbolPlan plan;
    switch (shownCode2DType(record)) {
        case Code2DType::DataMatrix:
            planDataMatrix(record.dataMatrix, plan);
            break;
        case Code2DType::MaxiCode:
            planMaxiCode(record.maxiCode, plan);
            break;
        case Code2DType::MicroPdf417:
            planMicroPdf417(record.microPdf417, dpi, plan);
            break;
        case Code2DType::Pdf417:
            planPdf417(record.pdf417, dpi, plan);
            break;
        case Code2DType::QrCode:
            planQrCode(record.qrCode, plan);
            break;
        case Code2DType::Gs1Composite:
            planComposite(record.gs1Composite, dpi, plan);
            break;
    }
    splitPrimary(data, plan.request);
    if (shownCode2DType(record) == Code2DType::Gs1Composite) {
        checkLinearDigits(record.gs1Composite, plan);
    }
    return plan;
}

}  // namespace vx
