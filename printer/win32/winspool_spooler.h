// The Windows print spooler (winspool) behind the Spooler interface.
#pragma once

#include "printer/printer_binding.h"

namespace vx {

class WinspoolSpooler : public Spooler {
  public:
    // Local printers at level 2. The status joins the level-2 status with
    // the level-6 status, which is where some spoolers report it.
    std::optional<std::vector<PrinterEntry>> localPrinters() override;

  protected:
    std::optional<Handle> openPrinter(std::string_view name) override;
    std::optional<PrinterInfo> printerInfo(Handle handle) override;
    bool closePrinter(Handle handle) override;
};

}  // namespace vx
