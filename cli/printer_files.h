// dvftool's view of the printers: the driver font file of a printer named
// on the command line, found as the window finds it for a chosen printer,
// and the printers that the window's selection would list.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printer/printer_binding.h"
#include "printer/printer_selection.h"

namespace vx {

// Where printers are looked up.
struct PrinterAccess {
    Spooler& spooler;
    const SystemEnvironment& environment;
};

struct PrinterFile {
    std::optional<std::filesystem::path> path;  // the driver font file when found
    std::string driverName;                     // the printer's driver, when known (UTF-8)
    // Otherwise: the exit status and the reason, a sentence (UTF-8).
    int exit = 0;
    std::string reason;
};

// The driver font file of the printer named `printerName` (UTF-8). A printer
// that is not of the series is refused before its file is looked for.
PrinterFile findPrinterFile(std::string_view printerName, const PrinterAccess& access);

struct ListedPrinter {
    std::string name;        // UTF-8
    std::string driverName;  // UTF-8
    // The driver font file; nullopt when the printer has none.
    std::optional<std::filesystem::path> file;
};

// The printers that the window's selection lists, in its order, with their
// driver font files; nullopt when the printers cannot be enumerated.
std::optional<std::vector<ListedPrinter>> listSeriesPrinters(const PrinterAccess& access);

// A path as UTF-8 text.
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace vx
