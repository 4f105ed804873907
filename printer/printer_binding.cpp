#include "printer/printer_binding.h"

#include <array>
#include <utility>

#include "settings/codepage.h"
#include "settings/file_io.h"

namespace vx {

// ---- PrinterHandle ----

PrinterHandle PrinterHandle::open(Spooler& spooler, std::string_view printerName) {
    PrinterHandle printer;
    printer.spooler_ = &spooler;
    printer.handle_ = spooler.openPrinter(printerName);
    return printer;
}

PrinterHandle::PrinterHandle(PrinterHandle&& other) noexcept
    : spooler_(other.spooler_), handle_(std::exchange(other.handle_, std::nullopt)) {}

PrinterHandle::~PrinterHandle() { close(); }

std::optional<PrinterInfo> PrinterHandle::info() {
    if (!handle_) return std::nullopt;
    return spooler_->printerInfo(*handle_);
}

bool PrinterHandle::close() {
    if (!handle_) return false;
    Spooler::Handle handle = *handle_;
    handle_.reset();
    return spooler_->closePrinter(handle);
}

// ---- series and listing ----

namespace {

// The model names that every driver name of the series contains.
const std::array<std::string_view, 3> kSeriesModelNames = {
    "ZEL Vextora Alto",
    "ZEL Vextora Basso",
    "ZEL Vextora Corda",
};

// True when `needle` occurs in `text` starting at a character boundary of
// code page 932 (both are code page 932 bytes).
bool containsAtCharBoundary(std::string_view text, std::string_view needle) {
    if (needle.empty()) return true;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += sjisCharLength(text, i)) {
        if (text.compare(i, needle.size(), needle) == 0) return true;
    }
    return false;
}

// Environment values that are set but empty count as not set, as a value
// of no characters names nothing.
std::optional<std::string> nonEmptyVariable(const SystemEnvironment& environment,
                                            std::string_view name) {
    std::optional<std::string> value = environment.variable(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

// The architecture directory below the spooler's driver directory.
std::string_view architectureDirectory(const SystemEnvironment& environment) {
    constexpr std::string_view k32 = "w32x86\\3\\";
    constexpr std::string_view k64 = "x64\\3\\";
    std::optional<std::string> architecture =
        nonEmptyVariable(environment, "PROCESSOR_ARCHITECTURE");
    if (!architecture) return k32;
    if (*architecture != "x86") return k64;
    // A 32-bit process on 64-bit Windows: the second variable names the
    // machine's own architecture.
    std::optional<std::string> machine = nonEmptyVariable(environment, "PROCESSOR_ARCHITEW6432");
    if (!machine || *machine == "x86") return k32;
    return k64;
}

}  // namespace

bool isSeriesDriver(std::string_view driverNameCp932) {
    for (std::string_view model : kSeriesModelNames) {
        if (containsAtCharBoundary(driverNameCp932, model)) return true;
    }
    return false;
}

std::optional<std::vector<PrinterEntry>> selectablePrinterEntries(Spooler& spooler) {
    std::optional<std::vector<PrinterEntry>> printers = spooler.localPrinters();
    if (!printers) return std::nullopt;
    std::erase_if(*printers,
                  [](const PrinterEntry& printer) { return !isSeriesDriver(printer.driverName); });
    for (PrinterEntry& printer : *printers) {
        if (printer.status == 0) printer.status = spooler.queueStatus(printer.name);
    }
    std::erase_if(*printers, [](const PrinterEntry& printer) {
        return (printer.status & kPrinterStatusUserIntervention) != 0;
    });
    return printers;
}

std::vector<std::string> listSelectablePrinters(Spooler& spooler) {
    std::vector<std::string> names;
    std::optional<std::vector<PrinterEntry>> printers = selectablePrinterEntries(spooler);
    if (!printers) return names;
    for (PrinterEntry& printer : *printers) names.push_back(std::move(printer.name));
    return names;
}

// ---- driver font file table ----

namespace {

// The two drivers whose files the older systems keep in the legacy folder.
constexpr std::string_view kAltoDriver = "ZEL Vextora Alto";
constexpr std::string_view kCordaDriver = "ZEL Vextora Corda";

}  // namespace

const std::vector<DriverFontFileRow>& driverFontFileTable() {
    static const std::vector<DriverFontFileRow> table = {
        {cp932("ZEL Vextora Basso"), "BASSD.DVF"},
        {cp932("ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞ(Flex)"), "BASSED.DVF"},
        {cp932("ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞL"), "BASSLD.DVF"},
        {cp932("ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞT"), "BASSTD.DVF"},
        {cp932(kAltoDriver), "ALTOD.DVF"},
        {cp932("ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞ(Flex)"), "ALTOED.DVF"},
        {cp932("ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL"), "ALTOLD.DVF"},
        {cp932("ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞT"), "ALTOTD.DVF"},
        {cp932(kCordaDriver), "CORDD.DVF"},
    };
    return table;
}

std::optional<std::string> driverFontFileName(std::string_view driverNameCp932) {
    for (const DriverFontFileRow& row : driverFontFileTable()) {
        if (row.driverName == driverNameCp932) return row.fileName;
    }
    return std::nullopt;
}

// ---- location ----

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> driverDirectory(const SystemEnvironment& environment) {
    std::optional<std::string> root = nonEmptyVariable(environment, "SystemRoot");
    if (!root) root = nonEmptyVariable(environment, "windir");
    if (!root) return std::nullopt;
    return *root + "\\system32\\spool\\drivers\\" + std::string(architectureDirectory(environment));
}

std::optional<std::string> legacyDriverFontFilePath(std::string_view driverNameCp932,
                                                    const SystemEnvironment& environment) {
    std::optional<WindowsVersion> version = environment.windowsVersion();
    std::optional<std::string> windows = environment.windowsDirectory();
    if (!version || !windows || windows->empty()) return std::nullopt;
    if (version->platformId != kPlatformWin32Nt || version->major < 5) return std::nullopt;
    std::string_view systemFolder =
        (version->major == 5 && version->minor == 0) ? "WINNT" : "WINDOWS";
    // The Alto driver keeps its own file there; every other driver Corda's.
    const std::string fileName =
        driverFontFileName(driverNameCp932 == kAltoDriver ? kAltoDriver : kCordaDriver)
            .value_or("");
    std::string path(1, windows->front());
    path += ":\\";
    path += systemFolder;
    path += "\\system32\\spool\\drivers\\w32x86\\3\\";
    path += fileName;
    return path;
}

LocateResult locateDriverFontFile(std::string_view printerName, Spooler& spooler,
                                  const SystemEnvironment& environment,
                                  const FileExistsFunction& fileExistsFunction) {
    LocateResult result;
    {
        PrinterHandle printer = PrinterHandle::open(spooler, printerName);
        if (!printer) {
            result.outcome = LocateOutcome::PrinterUnavailable;
            return result;
        }
        std::optional<PrinterInfo> info = printer.info();
        if (!info) {
            result.outcome = LocateOutcome::PrinterInfoUnreadable;
            return result;  // the handle closes itself
        }
        result.driverName = info->driverName;
        if (!printer.close()) {
            result.outcome = LocateOutcome::PrinterInfoUnreadable;
            return result;
        }
    }

    std::string path;
    if (std::optional<std::string> directory = driverDirectory(environment)) {
        path = *directory;
        std::optional<std::string> fileName = driverFontFileName(*result.driverName);
        if (!fileName) {
            result.outcome = LocateOutcome::NoDriverFontFile;
            result.path = pathFromUtf8(path);
            return result;
        }
        path += *fileName;
    } else if (std::optional<std::string> legacy =
                   legacyDriverFontFilePath(*result.driverName, environment)) {
        path = *legacy;
    } else {
        result.outcome = LocateOutcome::NoDriverFontFile;
        return result;
    }

    result.path = pathFromUtf8(path);
    bool exists = fileExistsFunction ? fileExistsFunction(result.path) : fileExists(result.path);
    result.outcome = exists ? LocateOutcome::Located : LocateOutcome::NoDriverFontFile;
    return result;
}

// ---- test print ----

std::optional<int> readVerticalResolution(std::string_view printerName, Spooler& spooler) {
    PrinterHandle printer = PrinterHandle::open(spooler, printerName);
    if (!printer) return std::nullopt;
    std::optional<PrinterInfo> info = printer.info();
    if (!printer.close() || !info) return std::nullopt;
    return info->verticalResolution;
}

std::optional<DevicePaper> readDevicePaper(std::string_view printerName, Spooler& spooler) {
    PrinterHandle printer = PrinterHandle::open(spooler, printerName);
    if (!printer) return std::nullopt;
    std::optional<PrinterInfo> info = printer.info();
    return info ? info->paper : std::nullopt;
}

int testPrintScaleFactor(int verticalResolution) { return verticalResolution == 305 ? 1 : 2; }

}  // namespace vx
