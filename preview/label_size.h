// The label a printer is set up for, from the paper fields of its device
// mode.
#pragma once

#include <optional>

#include "preview/symbol_preview.h"
#include "printer/device_paper.h"

namespace vx {

// The label as it comes out of the printer (width across the print head);
// nothing when the device mode names no size.
std::optional<LabelSize> labelFromDevicePaper(const DevicePaper& paper);

}  // namespace vx
