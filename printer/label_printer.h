// The test print: what the main window's command logic asks of the printer
// (the spooler's printer on Windows, a fake in tests).
#pragma once

#include <optional>
#include <string>

namespace vx {

class LabelPrinter {
public:
    virtual ~LabelPrinter() = default;
    // Vertical resolution of the printer's default device mode, in dots
    // per inch; nothing when the printer or its information is unavailable.
    virtual std::optional<int> verticalResolution(const std::string& printerName) = 0;
    // Prints the test label scaled by `factor`; false when nothing printed.
    virtual bool printTestLabel(const std::string& printerName, int factor) = 0;
};

}  // namespace vx
