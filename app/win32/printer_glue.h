// The printer binding as the main window uses it: the selection window
// and the driver font file location over the real spooler.
#pragma once

#include "app/main_window_logic.h"
#include "ui/win32/dialog.h"
#include "printer/win32/system_environment_win32.h"
#include "printer/win32/winspool_spooler.h"

namespace vx {

class WindowPrinterChooser : public PrinterChooser {
public:
    explicit WindowPrinterChooser(Spooler& spooler) : spooler_(spooler) {}
    // The window that owns the selection while it is shown.
    void setOwner(const Dialog* owner) { owner_ = owner; }
    std::optional<std::string> choose(const std::string& currentPrinterName) override;

private:
    Spooler& spooler_;
    const Dialog* owner_ = nullptr;
};

MainWindowLogic::Locator makeLocator(Spooler& spooler, const SystemEnvironment& environment);

}  // namespace vx
