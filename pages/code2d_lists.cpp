#include "pages/code2d_lists.h"

#include "resources/resource.h"
#include "settings/field_codes.h"

namespace vx::code2d {

using namespace codes;

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
