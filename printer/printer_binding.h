// Binding a printer of the series: which installed printers can be chosen,
// and where the chosen printer's driver font file lies.
//
// The print spooler and the system environment sit behind two small
// interfaces (winspool and kernel32 on Windows, in-memory fakes in tests).
//
// Encodings: printer names are UTF-8 (they are shown, typed into the
// selection list and handed back to the spooler; UTF-8 keeps every name
// the spooler reports). Driver names are code page 932 bytes, because the
// series test and the file name table compare them byte for byte in that
// code page; the Windows spooler converts its wide names explicitly with
// code page 932. Environment values and the Windows directory are UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printer/device_paper.h"

namespace vx {

// A status bit of the spooler: the printer needs the user's attention.
inline constexpr std::uint32_t kPrinterStatusUserIntervention = 0x00100000;

// One local printer as the spooler lists it.
struct PrinterEntry {
    std::string name;          // UTF-8
    std::string driverName;    // code page 932
    std::uint32_t status = 0;  // as the enumeration reports it
};

// What the program reads from an opened printer.
struct PrinterInfo {
    std::string driverName;                 // code page 932
    std::optional<int> verticalResolution;  // of the default device mode; none without one
    std::optional<DevicePaper> paper{};     // of the default device mode; none without one
};

class PrinterHandle;

// The print spooler. Printers are opened only through PrinterHandle, which
// closes them when it goes out of scope, so no path can leave one open.
class Spooler {
public:
    using Handle = std::uintptr_t;

    virtual ~Spooler() = default;

    // The local printers (not those shared from other computers) in the
    // spooler's order; nullopt when the enumeration fails.
    virtual std::optional<std::vector<PrinterEntry>> localPrinters() = 0;

    // The status that the printer's queue reports; some spoolers (Wine's)
    // report it only there and leave the enumeration's status 0. Costs an
    // open and a close of the printer; 0 when it cannot be read.
    virtual std::uint32_t queueStatus(std::string_view printerName) = 0;

protected:
    friend class PrinterHandle;
    // Opens a printer by name for use; nullopt when it cannot be opened.
    virtual std::optional<Handle> openPrinter(std::string_view name) = 0;
    virtual std::optional<PrinterInfo> printerInfo(Handle handle) = 0;
    // False when the spooler reports a failure; the handle is gone either way.
    virtual bool closePrinter(Handle handle) = 0;
};

// An opened printer; closes it at the latest when destroyed. Move-only.
class PrinterHandle {
public:
    // Empty (false) when the printer cannot be opened.
    static PrinterHandle open(Spooler& spooler, std::string_view printerName);

    PrinterHandle(PrinterHandle&& other) noexcept;
    PrinterHandle& operator=(PrinterHandle&&) = delete;
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    ~PrinterHandle();

    explicit operator bool() const { return handle_.has_value(); }

    // The printer's information; nullopt when closed or unreadable.
    std::optional<PrinterInfo> info();
    // Closes now and reports whether the spooler accepted it. Closing an
    // empty or already closed handle does nothing and returns false.
    bool close();

private:
    PrinterHandle() = default;
    Spooler* spooler_ = nullptr;
    std::optional<Spooler::Handle> handle_;
};

struct WindowsVersion {
    std::uint32_t platformId = 0;  // 2: the Windows NT platform
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// The parts of the system environment that locate the driver directory.
class SystemEnvironment {
public:
    virtual ~SystemEnvironment() = default;
    // The value of an environment variable (UTF-8); nullopt when not set.
    virtual std::optional<std::string> variable(std::string_view name) const = 0;
    virtual std::optional<WindowsVersion> windowsVersion() const = 0;
    // The Windows directory (UTF-8), for example C:\WINDOWS.
    virtual std::optional<std::string> windowsDirectory() const = 0;
};

// True when a driver name (code page 932) belongs to the series: it contains
// one of the series' model names, starting on a character boundary (a
// trail byte of a double-byte character never starts a match).
bool isSeriesDriver(std::string_view driverNameCp932);

// The printers that can be chosen, in the spooler's order: series drivers
// whose status does not ask for the user's intervention. The queue's status
// is read only for series printers whose enumerated status is 0. nullopt
// when the enumeration fails.
std::optional<std::vector<PrinterEntry>> selectablePrinterEntries(Spooler& spooler);

// The names of the printers that can be chosen; empty when the enumeration
// fails.
std::vector<std::string> listSelectablePrinters(Spooler& spooler);

// One row of the driver font file table.
struct DriverFontFileRow {
    std::string driverName;  // code page 932, compared exactly
    std::string fileName;
};

// The driver font file names of the series' drivers, in lookup order.
const std::vector<DriverFontFileRow>& driverFontFileTable();

// The file name for an exact driver name (code page 932); nullopt when the
// driver has no driver font file.
std::optional<std::string> driverFontFileName(std::string_view driverNameCp932);

enum class LocateOutcome {
    Located,                // the file exists
    PrinterUnavailable,     // the printer cannot be opened
    NoDriverFontFile,       // no file for this driver, or the file is missing
    PrinterInfoUnreadable,  // the printer's information cannot be read
};

// What the user is told when a printer's driver font file cannot be had
// (UTF-8).
inline constexpr std::string_view kNoDriverFontFileText =
    "設定ファイルがありません。\n内蔵フォントに対応したプリンタドライバをインストールしてください"
    "。";

struct LocateResult {
    LocateOutcome outcome = LocateOutcome::PrinterUnavailable;
    // The printer's driver name (code page 932), once its information has
    // been read.
    std::optional<std::string> driverName;
    // The driver font file when Located; after NoDriverFontFile, what could
    // be formed (the driver directory, the missing file, or empty). Never
    // shortened, however long the system directory is.
    std::filesystem::path path;
};

using FileExistsFunction = std::function<bool(const std::filesystem::path&)>;

// The driver font file of a printer (name in UTF-8). The printer is closed
// before this returns, on every path. `fileExists` defaults to the file
// system.
LocateResult locateDriverFontFile(std::string_view printerName, Spooler& spooler,
                                  const SystemEnvironment& environment,
                                  const FileExistsFunction& fileExists = {});

// The driver directory with its trailing backslash, from the environment
// variables, e.g. C:\WINDOWS\system32\spool\drivers\x64\3\ (UTF-8); nullopt
// when neither SystemRoot nor windir is set.
std::optional<std::string> driverDirectory(const SystemEnvironment& environment);

// The path formed without the environment variables, from the Windows
// version and directory (32-bit driver directory only); nullopt when this
// system has no such path.
std::optional<std::string> legacyDriverFontFilePath(std::string_view driverNameCp932,
                                                    const SystemEnvironment& environment);

// The vertical resolution of a printer's default device mode, for the
// test print; nullopt when the printer cannot be opened, read or closed,
// or has no default device mode.
std::optional<int> readVerticalResolution(std::string_view printerName, Spooler& spooler);

// The paper of a printer's default device mode, for the preview's label;
// nullopt when the printer cannot be opened or read, or has no default
// device mode.
std::optional<DevicePaper> readDevicePaper(std::string_view printerName, Spooler& spooler);

// The test label's scale factor: 1 at 305 dots per inch, 2 otherwise.
int testPrintScaleFactor(int verticalResolution);

// A path formed as UTF-8 text (backslashes kept as they are).
std::filesystem::path pathFromUtf8(std::string_view utf8);

}  // namespace vx
