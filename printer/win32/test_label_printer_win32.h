// The test print: the label image of the resources, stretched onto a page
// of the chosen printer.
#pragma once

#include "printer/label_printer.h"
#include "printer/printer_binding.h"

namespace vx {

class Win32LabelPrinter : public LabelPrinter {
public:
    explicit Win32LabelPrinter(Spooler& spooler) : spooler_(spooler) {}
    std::optional<int> verticalResolution(const std::string& printerName) override;
    bool printTestLabel(const std::string& printerName, int factor) override;

private:
    Spooler& spooler_;
};

}  // namespace vx
