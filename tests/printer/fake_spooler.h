// In-memory spooler and environment for tests. The spooler records every
// open and close, so that a test can see that no printer stays open.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printer/printer_binding.h"

namespace vx {

struct FakePrinter {
    std::string name;               // UTF-8
    std::string driverName;         // code page 932
    std::uint32_t status = 0;       // as enumerated
    std::uint32_t queueStatus = 0;  // as the queue reports it
    std::optional<int> verticalResolution = 300;
    std::optional<DevicePaper> paper{};  // none: no paper in the device mode
    bool openFails = false;
    bool infoFails = false;
    bool closeFails = false;
};

class FakeSpooler : public Spooler {
public:
    // Printers are enumerated in the order they were added.
    FakeSpooler& add(FakePrinter printer);
    // Shorthand for a printer that works.
    FakeSpooler& add(std::string_view name, std::string_view driverNameCp932,
                     std::uint32_t status = 0);
    void setEnumerationFails(bool fails) { enumerationFails_ = fails; }
    // The printer added under this name, to change its behaviour later.
    FakePrinter& printer(std::string_view name);

    std::optional<std::vector<PrinterEntry>> localPrinters() override;
    std::uint32_t queueStatus(std::string_view printerName) override;

    // What happened, e.g. "open Label printer", "info Label printer",
    // "close Label printer", "open-failed Nobody", "queue Label printer".
    const std::vector<std::string>& log() const { return log_; }
    int opens() const { return opens_; }
    int closes() const { return closes_; }
    // Handles opened and not yet closed.
    int openHandles() const { return static_cast<int>(open_.size()); }

protected:
    std::optional<Handle> openPrinter(std::string_view name) override;
    std::optional<PrinterInfo> printerInfo(Handle handle) override;
    bool closePrinter(Handle handle) override;

private:
    FakePrinter* find(std::string_view name);

    std::vector<FakePrinter> printers_;
    bool enumerationFails_ = false;
    std::map<Handle, std::string> open_;  // handle -> printer name
    Handle nextHandle_ = 0x100;
    std::vector<std::string> log_;
    int opens_ = 0;
    int closes_ = 0;
};

class FakeEnvironment : public SystemEnvironment {
public:
    // Names are compared without regard to letter case, as on Windows.
    FakeEnvironment& set(std::string_view name, std::string_view value);
    FakeEnvironment& unset(std::string_view name);
    FakeEnvironment& setWindowsVersion(std::optional<WindowsVersion> version);
    FakeEnvironment& setWindowsDirectory(std::optional<std::string> directory);

    std::optional<std::string> variable(std::string_view name) const override;
    std::optional<WindowsVersion> windowsVersion() const override { return version_; }
    std::optional<std::string> windowsDirectory() const override { return windowsDirectory_; }

private:
    std::map<std::string, std::string> variables_;  // upper-case name -> value
    std::optional<WindowsVersion> version_ = WindowsVersion{kPlatformWin32Nt, 10, 0};
    std::optional<std::string> windowsDirectory_ = "C:\\WINDOWS";
};

}  // namespace vx
