// The Windows print spooler (winspool) behind the Spooler interface.
#pragma once

#include "printer/printer_binding.h"

namespace vx {

class WinspoolSpooler : public Spooler {
public:
    // Local printers at level 2, with the level-2 status.
    std::optional<std::vector<PrinterEntry>> localPrinters() override;
    // The level-6 status, which is where Wine reports it.
    std::uint32_t queueStatus(std::string_view printerName) override;

protected:
    std::optional<Handle> openPrinter(std::string_view name) override;
    std::optional<PrinterInfo> printerInfo(Handle handle) override;
    bool closePrinter(Handle handle) override;
};

}  // namespace vx
