// The printer binding as the main window uses it: the selection window
// and the driver font file location over the real spooler.
#pragma once

#include "app/main_window_logic.h"
#include "printer/printer_list_prefetch.h"
#include "printer/win32/system_environment_win32.h"
#include "printer/win32/winspool_spooler.h"
#include "ui/win32/dialog.h"

namespace vx {

class WindowPrinterChooser : public PrinterChooser {
public:
    // With `firstList`, the selection lists what it has read in advance
    // (each later one reads the spooler afresh).
    explicit WindowPrinterChooser(Spooler& spooler, PrinterListPrefetch* firstList = nullptr)
        : spooler_(spooler), firstList_(firstList) {}
    // The window that owns the selection while it is shown.
    void setOwner(const Dialog* owner) { owner_ = owner; }
    std::optional<std::string> choose(const std::string& currentPrinterName) override;

private:
    Spooler& spooler_;
    PrinterListPrefetch* firstList_;
    const Dialog* owner_ = nullptr;
};

MainWindowLogic::Locator makeLocator(Spooler& spooler, const SystemEnvironment& environment);

}  // namespace vx
