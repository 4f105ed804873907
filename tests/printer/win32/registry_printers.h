// Printers for tests, installed in the test prefix's registry where the
// spooler keeps its local printers, and removed again when the owner goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vx::test {

// One registry value; false when it cannot be written.
bool setString(HKEY key, const wchar_t* name, const std::wstring& value);
bool setDword(HKEY key, const wchar_t* name, DWORD value);

struct RegistryPrinter {
    std::wstring name;
    std::wstring driverName;
    DWORD status = 0;
    // Written as the printer's default device mode when set.
    std::optional<short> verticalResolution;
};

class RegistryPrinters {
public:
    RegistryPrinters() = default;
    RegistryPrinters(const RegistryPrinters&) = delete;
    RegistryPrinters& operator=(const RegistryPrinters&) = delete;
    ~RegistryPrinters();

    // False when the registry refuses the printer.
    bool add(const RegistryPrinter& printer);

    // A name that no other test process uses at the same time.
    static std::wstring uniqueName(const std::wstring& base);

private:
    std::vector<std::wstring> added_;
};

}  // namespace vx::test
