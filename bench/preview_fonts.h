// 2D code fonts for the preview's figures: each type at its largest symbol
// the page offers, placed 10 mm from the label's corner.
#pragma once

#include "settings/settings_store.h"

namespace vx::bench {

inline Code2DRecord largestFontOfType(int typeIndex) {
    Code2DRecord r;
    r.typeIndex = typeIndex;
    r.dataMatrix = {"Data Matrix", "0100", "00100", "06", "1", "default", "default", "default"};
    r.maxiCode = {"MaxiCode", "0100", "00100", "4"};
    r.microPdf417 = {"MicroPDF417", "0100", "00100", "03", "04", "1", "0006"};
    r.pdf417 = {"PDF417", "0100", "00100", "05", "03", "12", "1", "0008"};
    r.qrCode = {"QR", "0100", "00100", "H", "06", "1", "2"};
    r.gs1Composite = {"GS1 Composite", "0100", "00100", "03", "1", "0100", "07"};
    return r;
}

}  // namespace vx::bench
