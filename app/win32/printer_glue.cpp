#include "app/win32/printer_glue.h"

#include <utility>

#include "app/tool_caption.h"
#include "printer/win32/printer_select_dialog.h"
#include "resources/resource.h"

namespace vx {

std::optional<std::string> WindowPrinterChooser::choose(const std::string& currentPrinterName) {
    PrinterSelectionServices services;
    services.caption = kToolCaption;
    if (firstList_ != nullptr) services.listPrinters = [this] { return firstList_->take(); };
    PrinterSelectDialog dialog(spooler_, std::move(services));
    return dialog.run(owner_ != nullptr ? owner_->hwnd() : nullptr, currentPrinterName);
}

MainWindowLogic::Locator makeLocator(Spooler& spooler, const SystemEnvironment& environment) {
    return [&spooler, &environment](const std::string& printerName) {
        return locateDriverFontFile(printerName, spooler, environment);
    };
}

}  // namespace vx
