#include "tests/app_win32_shell/postscript_printers.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/win32/registry_printers.h"

namespace vx::test {

namespace {

constexpr const wchar_t* kPrintersKey = L"System\\CurrentControlSet\\Control\\Print\\Printers";
constexpr const wchar_t* kDriversKey =
    L"System\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\Version-3";
constexpr const wchar_t* kDevicesKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices";
constexpr const wchar_t* kPortMapKey = L"Software\\Wine\\Printing\\Spooler";

// One value under a key that is created if needed.
bool setStringUnder(HKEY root, const wchar_t* path, const std::wstring& name,
                    const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const bool ok = setString(key, name.c_str(), value);
    RegCloseKey(key);
    return ok;
}

void deleteValueUnder(HKEY root, const wchar_t* path, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
}

void deleteTreeUnder(HKEY root, const wchar_t* path, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteTreeW(key, name.c_str());
    RegCloseKey(key);
}

// The default device mode as the spooler stores it: the narrow structure
// and a few driver bytes. The PostScript driver takes orientation and
// scale as they stand, so portrait and 100 % are written explicitly.
std::vector<BYTE> deviceMode(const std::wstring& printerName, short resolution) {
    constexpr WORD kDriverExtra = 8;
    std::vector<BYTE> bytes(sizeof(DEVMODEA) + kDriverExtra, 0);
    DEVMODEA mode{};
    WideCharToMultiByte(932, 0, printerName.c_str(), -1, reinterpret_cast<char*>(mode.dmDeviceName),
                        CCHDEVICENAME - 1, nullptr, nullptr);
    mode.dmSpecVersion = DM_SPECVERSION;
    mode.dmSize = sizeof(DEVMODEA);
    mode.dmDriverExtra = kDriverExtra;
    mode.dmFields = DM_ORIENTATION | DM_SCALE | DM_COPIES | DM_PRINTQUALITY | DM_YRESOLUTION;
    mode.dmOrientation = DMORIENT_PORTRAIT;
    mode.dmScale = 100;
    mode.dmCopies = 1;
    mode.dmPrintQuality = resolution;
    mode.dmYResolution = resolution;
    std::memcpy(bytes.data(), &mode, sizeof mode);
    return bytes;
}

std::wstring systemDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, n);
}

std::string readAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Wine's generic device description, embedded in winspool.drv as text that
// starts at "*PPD-Adobe" and ends at the first NUL, with the label
// printers' resolutions added (spelt "NxNdpi": "305dpi" would read as 30x5).
std::string labelPrinterDescription() {
    const std::string library = readAll(systemDirectory() + L"\\winspool.drv");
    const std::size_t start = library.find("*PPD-Adobe");
    if (start == std::string::npos) return {};
    std::string text = library.substr(start, library.find('\0', start) - start);
    const std::size_t line = text.find("*Resolution 300dpi/");
    if (line == std::string::npos) return {};
    text.insert(line,
                "*Resolution 203x203dpi/203 DPI: \"<</HWResolution[203 203]>>setpagedevice\"\n"
                "*Resolution 305x305dpi/305 DPI: \"<</HWResolution[305 305]>>setpagedevice\"\n");
    return text;
}

}  // namespace

PostScriptPrinters::~PostScriptPrinters() {
    for (const PostScriptPrinter& printer : printers_) {
        deleteTreeUnder(HKEY_LOCAL_MACHINE, kPrintersKey, printer.name);
        deleteValueUnder(HKEY_CURRENT_USER, kDevicesKey, printer.name);
        deleteValueUnder(HKEY_CURRENT_USER, kPortMapKey, printer.port);
    }
    for (const std::wstring& driver : drivers_) {
        deleteTreeUnder(HKEY_LOCAL_MACHINE, kDriversKey, driver);
    }
    for (const std::wstring& file : descriptionFiles_) DeleteFileW(file.c_str());
}

bool PostScriptPrinters::fail(const std::string& why) {
    error_ = why;
    return false;
}

bool PostScriptPrinters::installDriver(const std::wstring& driverName) {
    const std::string description = labelPrinterDescription();
    if (description.empty()) return fail("no device description found in winspool.drv");
    const std::wstring fileName = L"VXSH" + processTag() + L".PPD";
    const std::wstring directory = systemDirectory() + L"\\spool\\drivers\\x64\\3";
    CreateDirectoryW((systemDirectory() + L"\\spool\\drivers\\x64").c_str(), nullptr);
    CreateDirectoryW(directory.c_str(), nullptr);
    const std::wstring path = directory + L"\\" + fileName;
    {
        std::ofstream out(path.c_str(), std::ios::binary);
        out << description;
        if (!out) return fail("cannot write the device description");
    }
    descriptionFiles_.push_back(path);

    const std::wstring keyPath = std::wstring(kDriversKey) + L"\\" + driverName;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return fail("cannot create the driver key");
    }
    drivers_.push_back(driverName);
    const bool ok = setDword(key, L"Version", 3) && setString(key, L"Driver", L"wineps.drv") &&
                    setString(key, L"Configuration File", L"wineps.drv") &&
                    setString(key, L"Data File", fileName) && setString(key, L"Datatype", L"RAW");
    RegCloseKey(key);
    return ok || fail("cannot write the driver's values");
}

bool PostScriptPrinters::add(const PostScriptPrinter& printer) {
    const std::wstring keyPath = std::wstring(kPrintersKey) + L"\\" + printer.name;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return fail("cannot create the printer key");
    }
    printers_.push_back(printer);
    const std::vector<BYTE> mode = deviceMode(printer.name, printer.resolution);
    bool ok = setString(key, L"Name", printer.name) &&
              setString(key, L"Printer Driver", printer.driverName) &&
              setString(key, L"Port", printer.port) &&
              setString(key, L"Print Processor", L"winprint") &&
              setString(key, L"Datatype", L"RAW") && setDword(key, L"Attributes", 0x40) &&
              setDword(key, L"Status", 0) &&
              RegSetValueExW(key, L"Default DevMode", 0, REG_BINARY, mode.data(),
                             static_cast<DWORD>(mode.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!ok) return fail("cannot write the printer's values");
    if (!setStringUnder(HKEY_CURRENT_USER, kDevicesKey, printer.name,
                        L"WINEPS.DRV," + printer.port)) {
        return fail("cannot write the device entry");
    }
    if (!setStringUnder(HKEY_CURRENT_USER, kPortMapKey, printer.port, printer.outputPath)) {
        return fail("cannot map the port");
    }
    return true;
}

}  // namespace vx::test
