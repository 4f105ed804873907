#include "pages/code2d_page_lists.h"

#include <stdexcept>

#include "resources/resource.h"

namespace vx::code2d {

namespace {

constexpr CodedEntry kErrorCorrectionEntries[] = {
    {"L：高密度レベル", {"L"}},
    {"M：標準レベル", {"M"}},
    {"Q：信頼レベル", {"Q"}},
    {"H：高信頼レベル", {"H"}},
};

constexpr CodedEntry kModelEntries[] = {{"モデル1", {"1"}}, {"モデル2", {"2"}}};

constexpr CodedEntry kModeEntries[] = {{"モード2", {"0"}}, {"モード3", {"3"}}, {"モード4", {"4"}}};

constexpr CodedEntry kLinearTypeEntries[] = {
    {"EAN-13 with CC-A", {"01"}},
    {"EAN-8 with CC-A", {"02"}},
    {"UPC-A with CC-A", {"03"}},
    {"UPC-E with CC-A", {"04"}},
    {"GS1 DataBar Standard with CC-A", {"05"}},
    {"GS1 DataBar Truncated with CC-A", {"06"}},
    {"GS1 DataBar Stacked with CC-A", {"07"}},
    {"GS1 DataBar Stacked Omnidirection with CC-A", {"08"}},
    {"GS1 DataBar Limited with CC-A", {"09"}},
    {"GS1-128 with CC-A", {"10"}},
    {"GS1-128 with CC-C", {"11"}},
};

// The "×" is the double-byte multiplication sign, with a blank each side.
constexpr CodedEntry kCellCountEntries[] = {
    {"最小", {"default", "default", "default"}},
    {"18 × 8", {"C", "018", "008"}},
    {"32 × 8", {"C", "032", "008"}},
    {"26 × 12", {"C", "026", "012"}},
    {"36 × 12", {"C", "036", "012"}},
    {"36 × 16", {"C", "036", "016"}},
    {"48 × 16", {"C", "048", "016"}},
};

// The field `field` of the parameter record `params`.
template <auto params, auto field>
std::string* at(Code2DRecord& record) {
    return &(record.*params.*field);
}

using C = Code2DRecord;
using DM = DataMatrixParams;
using MC = MaxiCodeParams;
using MP = MicroPdf417Params;
using PD = Pdf417Params;
using QR = QrCodeParams;
using GS = Gs1CompositeParams;

// Slots by type index: Data Matrix, MaxiCode, MicroPDF417, PDF417, QR code,
// GS1 Composite. A font of another type shows the origins, the module width
// and the linear type's row height from GS1 Composite, the rotation from
// the QR code (GS1 Composite keeps its rotation under another key), the
// PDF values from PDF417.
const RecordValue kRecordValues[] = {
    {IDC_CODE2D_ORIGIN_X,
     Code2DType::Gs1Composite,
     {at<&C::dataMatrix, &DM::originX>, at<&C::maxiCode, &MC::originX>,
      at<&C::microPdf417, &MP::originX>, at<&C::pdf417, &PD::originX>, at<&C::qrCode, &QR::originX>,
      at<&C::gs1Composite, &GS::originX>}},
    {IDC_CODE2D_ORIGIN_Y,
     Code2DType::Gs1Composite,
     {at<&C::dataMatrix, &DM::originY>, at<&C::maxiCode, &MC::originY>,
      at<&C::microPdf417, &MP::originY>, at<&C::pdf417, &PD::originY>, at<&C::qrCode, &QR::originY>,
      at<&C::gs1Composite, &GS::originY>}},
    {IDC_CODE2D_ROTATION,
     Code2DType::QrCode,
     {at<&C::dataMatrix, &DM::rotation>, nullptr, at<&C::microPdf417, &MP::rotation>,
      at<&C::pdf417, &PD::rotation>, at<&C::qrCode, &QR::rotation>,
      at<&C::gs1Composite, &GS::rotation>}},
    {IDC_CODE2D_MODULE_WIDTH,
     Code2DType::Gs1Composite,
     {at<&C::dataMatrix, &DM::moduleWidth>, nullptr, at<&C::microPdf417, &MP::moduleWidth>,
      at<&C::pdf417, &PD::moduleWidth>, at<&C::qrCode, &QR::moduleWidth>,
      at<&C::gs1Composite, &GS::moduleWidth>}},
    {IDC_CODE2D_QR_ERROR_CORRECTION,
     Code2DType::QrCode,
     {nullptr, nullptr, nullptr, nullptr, at<&C::qrCode, &QR::errorCorrection>, nullptr}},
    {IDC_CODE2D_QR_MODEL,
     Code2DType::QrCode,
     {nullptr, nullptr, nullptr, nullptr, at<&C::qrCode, &QR::model>, nullptr}},
    {IDC_CODE2D_PDF_COLUMNS_ROWS,
     Code2DType::Pdf417,
     {nullptr, nullptr, at<&C::microPdf417, &MP::columnRowCount>,
      at<&C::pdf417, &PD::columnRowCount>, nullptr, nullptr}},
    {IDC_CODE2D_PDF_ROW_HEIGHT,
     Code2DType::Pdf417,
     {nullptr, nullptr, at<&C::microPdf417, &MP::rowHeight>, at<&C::pdf417, &PD::rowHeight>,
      nullptr, nullptr}},
    {IDC_CODE2D_PDF_SECURITY_LEVEL,
     Code2DType::Pdf417,
     {nullptr, nullptr, nullptr, at<&C::pdf417, &PD::securityLevel>, nullptr, nullptr}},
    {IDC_CODE2D_MAXI_MODE,
     Code2DType::MaxiCode,
     {nullptr, at<&C::maxiCode, &MC::mode>, nullptr, nullptr, nullptr, nullptr}},
    {IDC_CODE2D_GS1_LINEAR_TYPE,
     Code2DType::Gs1Composite,
     {nullptr, nullptr, nullptr, nullptr, nullptr, at<&C::gs1Composite, &GS::linearType>}},
    {IDC_CODE2D_GS1_ROW_HEIGHT,
     Code2DType::Gs1Composite,
     {nullptr, nullptr, nullptr, nullptr, nullptr, at<&C::gs1Composite, &GS::rowHeight>}},
};

}  // namespace

// Unknown codes show, and unknown texts store, "自動", "L：高密度レベル",
// "モデル2", "モード2", "EAN-13 with CC-A" and "最小".
const CodedList kErrorCorrections{kErrorCorrectionEntries, 0, 0};
const CodedList kModels{kModelEntries, 1, 1};
const CodedList kModes{kModeEntries, 0, 0};
const CodedList kLinearTypes{kLinearTypeEntries, 0, 0};
const CodedList kCellCounts{kCellCountEntries, 0, 0};

std::vector<std::string> securityLevels() {
    std::vector<std::string> levels;
    for (char level = '0'; level <= '8'; ++level) levels.emplace_back(1, level);
    return levels;
}

std::span<const RecordValue> recordValues() { return kRecordValues; }

const RecordValue& recordValue(int control) {
    for (const RecordValue& value : kRecordValues) {
        if (value.control == control) return value;
    }
    throw std::logic_error("no record value for control " + std::to_string(control));
}

TypeUse typeUse(Code2DType type) {
    switch (type) {
        case Code2DType::DataMatrix:
            return {FieldRange{0, 99, 2},
                    std::nullopt,
                    {IDC_CODE2D_ROTATION, IDC_CODE2D_DM_CELL_COUNT}};
        case Code2DType::MaxiCode:
            return {std::nullopt, std::nullopt, {IDC_CODE2D_MAXI_MODE}};
        case Code2DType::MicroPdf417:
            return {FieldRange{1, 10, 2},
                    FieldRange{0, 38, 2},
                    {IDC_CODE2D_ROTATION, IDC_CODE2D_PDF_ROW_HEIGHT}};
        case Code2DType::Pdf417:
            return {
                FieldRange{1, 10, 2},
                FieldRange{1, 30, 2},
                {IDC_CODE2D_ROTATION, IDC_CODE2D_PDF_ROW_HEIGHT, IDC_CODE2D_PDF_SECURITY_LEVEL}};
        case Code2DType::QrCode:
            return {FieldRange{0, 52, 2},
                    std::nullopt,
                    {IDC_CODE2D_ROTATION, IDC_CODE2D_QR_ERROR_CORRECTION, IDC_CODE2D_QR_MODEL}};
        case Code2DType::Gs1Composite:
            return {FieldRange{1, 12, 2},
                    std::nullopt,
                    {IDC_CODE2D_ROTATION, IDC_CODE2D_GS1_LINEAR_TYPE, IDC_CODE2D_GS1_ROW_HEIGHT}};
    }
    return {};
}

}  // namespace vx::code2d
