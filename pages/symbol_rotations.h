// "回転方向" of the barcode and 2D code pages: "自動" and the four quarter
// turns. The degree sign is the half-width "ﾟ" and every turn's text ends
// with a blank, which belongs to the text.
#pragma once

#include "pages/coded_list.h"

namespace vx {

extern const CodedList kSymbolRotations;

}  // namespace vx
