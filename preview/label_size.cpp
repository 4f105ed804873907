#include "preview/label_size.h"

#include <utility>

namespace vx {

namespace {

struct StandardPaper {
    int number;
    double widthMm, lengthMm;
};
// The standard papers a label printer's driver may report.
constexpr StandardPaper kStandardPapers[] = {
    {1, 215.9, 279.4},  // Letter
    {9, 210, 297},      // A4
    {11, 148, 210},     // A5
    {13, 182, 257},     // B5 (JIS)
    {43, 100, 148},     // Japanese postcard
    {70, 105, 148},     // A6
};

}  // namespace

std::optional<LabelSize> labelFromDevicePaper(const DevicePaper& paper) {
    std::optional<LabelSize> size;
    if (paper.fields & kDeviceModePaperSize) {
        for (const StandardPaper& standard : kStandardPapers) {
            if (standard.number == paper.paperSize)
                size = LabelSize{standard.widthMm, standard.lengthMm};
        }
    }
    const bool width = (paper.fields & kDeviceModePaperWidth) && paper.paperWidth > 0;
    const bool length = (paper.fields & kDeviceModePaperLength) && paper.paperLength > 0;
    if (width && length) {
        size = LabelSize{paper.paperWidth / 10.0, paper.paperLength / 10.0};
    } else if (size && (width || length)) {
        if (width) size->widthMm = paper.paperWidth / 10.0;
        if (length) size->heightMm = paper.paperLength / 10.0;
    }
    if (size && (paper.fields & kDeviceModeOrientation) && paper.orientation == 2) {
        std::swap(size->widthMm, size->heightMm);
    }
    return size;
}

}  // namespace vx
