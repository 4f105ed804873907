// The paper fields of a printer's default device mode, read from the
// spooler, for the label outline of the preview.
#pragma once

#include <optional>
#include <string>

#include "preview/label_size.h"

namespace vx {

// Nothing when the printer cannot be opened or has no device mode.
std::optional<DevicePaper> readDevicePaper(const std::string& printerName);

}  // namespace vx
