#include "printer/printer_selection.h"

#include <utility>

namespace vx {

PrinterSelection::PrinterSelection(Spooler& spooler, PrinterSelectionServices services)
    : spooler_(spooler), services_(std::move(services)) {}

bool PrinterSelection::initialise(std::string_view currentName) {
    items_ = services_.listPrinters ? services_.listPrinters() : listSelectablePrinters(spooler_);
    initialSelection_.reset();
    if (items_.empty()) {
        if (services_.warn) services_.warn(kNoPrinterMessage);
        if (services_.endProcess) services_.endProcess(kNoPrinterExitStatus);
        return false;
    }
    if (!currentName.empty()) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == currentName) {
                initialSelection_ = i;
                break;
            }
        }
    }
    return true;
}

std::optional<std::string> PrinterSelection::confirm(std::optional<std::size_t> selected) {
    if (!selected || *selected >= items_.size()) {
        if (services_.warn) services_.warn(kNoSelectionMessage);
        return std::nullopt;
    }
    return items_[*selected];
}

std::optional<std::string> PrinterSelection::activate(std::optional<std::size_t> hitItem) {
    if (!hitItem || *hitItem >= items_.size()) return std::nullopt;
    return confirm(hitItem);
}

}  // namespace vx
