#include "printer/printer_list_prefetch.h"

namespace vx {

PrinterListPrefetch::PrinterListPrefetch(Spooler& spooler)
    : spooler_(spooler),
      first_(
          std::async(std::launch::async, [&spooler] { return listSelectablePrinters(spooler); })) {}

PrinterListPrefetch::~PrinterListPrefetch() {
    if (first_.valid()) first_.wait();
}

std::vector<std::string> PrinterListPrefetch::take() {
    if (first_.valid()) return first_.get();
    return listSelectablePrinters(spooler_);
}

}  // namespace vx
