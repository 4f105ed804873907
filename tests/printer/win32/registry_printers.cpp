#include "tests/printer/win32/registry_printers.h"

#include <cstring>

namespace vx::test {

namespace {

constexpr const wchar_t* kPrinters = L"System\\CurrentControlSet\\Control\\Print\\Printers";

// A default device mode as the spooler stores it: the narrow structure
// followed by a few driver bytes.
bool setDeviceMode(HKEY key, const std::wstring& printerName, short verticalResolution) {
    constexpr WORD kDriverExtra = 8;
    std::vector<BYTE> bytes(sizeof(DEVMODEA) + kDriverExtra, 0);
    DEVMODEA mode{};
    WideCharToMultiByte(932, 0, printerName.c_str(), -1, reinterpret_cast<char*>(mode.dmDeviceName),
                        CCHDEVICENAME - 1, nullptr, nullptr);
    mode.dmSpecVersion = DM_SPECVERSION;
    mode.dmSize = sizeof(DEVMODEA);
    mode.dmDriverExtra = kDriverExtra;
    mode.dmFields = DM_PRINTQUALITY | DM_YRESOLUTION;
    mode.dmPrintQuality = verticalResolution;
    mode.dmYResolution = verticalResolution;
    std::memcpy(bytes.data(), &mode, sizeof mode);
    return RegSetValueExW(key, L"Default DevMode", 0, REG_BINARY, bytes.data(),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace

bool setDword(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

bool setString(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

RegistryPrinters::~RegistryPrinters() {
    HKEY printers = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPrinters, 0, KEY_ALL_ACCESS, &printers) !=
        ERROR_SUCCESS) {
        return;
    }
    for (const std::wstring& name : added_) RegDeleteTreeW(printers, name.c_str());
    RegCloseKey(printers);
}

bool RegistryPrinters::add(const RegistryPrinter& printer) {
    std::wstring path = std::wstring(kPrinters) + L"\\" + printer.name;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    added_.push_back(printer.name);
    bool ok = setString(key, L"Name", printer.name) &&
              setString(key, L"Printer Driver", printer.driverName) &&
              setString(key, L"Port", L"FILE:") &&
              setString(key, L"Print Processor", L"winprint") &&
              setString(key, L"Datatype", L"RAW") && setDword(key, L"Attributes", 0x40) &&
              setDword(key, L"Status", printer.status);
    if (ok && printer.verticalResolution) {
        ok = setDeviceMode(key, printer.name, *printer.verticalResolution);
    }
    RegCloseKey(key);
    return ok;
}

std::wstring RegistryPrinters::uniqueName(const std::wstring& base) {
    return base + L" [" + std::to_wstring(GetCurrentProcessId()) + L"]";
}

}  // namespace vx::test
