// The first printer selection's list, read on a worker thread while the
// program creates its windows. Under some spoolers (Wine's) loading the
// printing system and reading the queues' status take longer than the
// windows; the two then overlap instead of following each other.
#pragma once

#include <future>
#include <string>
#include <vector>

#include "printer/printer_binding.h"

namespace vx {

class PrinterListPrefetch {
public:
    // Starts reading at once. Until the first take() nothing else may use
    // the spooler: the worker has it.
    explicit PrinterListPrefetch(Spooler& spooler);
    // Waits for the worker if its list was never taken.
    ~PrinterListPrefetch();
    PrinterListPrefetch(const PrinterListPrefetch&) = delete;
    PrinterListPrefetch& operator=(const PrinterListPrefetch&) = delete;

    // What listSelectablePrinters gives: the first call waits for the
    // worker's list, every later one reads the spooler afresh.
    std::vector<std::string> take();

private:
    Spooler& spooler_;
    std::future<std::vector<std::string>> first_;
};

}  // namespace vx
