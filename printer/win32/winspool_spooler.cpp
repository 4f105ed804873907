#include "printer/win32/winspool_spooler.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <memory>

#include "settings/codepage.h"

namespace vx {

namespace {

std::wstring wideFromUtf8(std::string_view utf8) {
    std::u16string wide = utf16FromUtf8(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string utf8FromWide(const wchar_t* text) {
    if (text == nullptr) return {};
    return utf8FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text), std::wcslen(text)));
}

// Explicitly code page 932, never the system's ANSI code page. Characters
// that it lacks become the default character rather than a look-alike.
std::string cp932FromWide(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') return {};
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

// Room for the printers of a usual machine; a longer list costs one more call.
constexpr DWORD kFirstPrinterListBytes = 16 * 1024;

// A zero-filled block with the alignment of the spooler's structures.
class InfoBlock {
public:
    explicit InfoBlock(DWORD bytes)
        : words_((bytes + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t)) {}
    BYTE* data() { return reinterpret_cast<BYTE*>(words_.data()); }
    DWORD size() const { return static_cast<DWORD>(words_.size() * sizeof(std::uint64_t)); }

private:
    std::vector<std::uint64_t> words_;
};

struct PrinterCloser {
    void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
using ScopedPrinter = std::unique_ptr<std::remove_pointer_t<HANDLE>, PrinterCloser>;

HANDLE openForUse(const std::wstring& name) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &printer, &defaults)) return nullptr;
    return printer;
}

// GetPrinterW at a level: first the size, then a zero-filled block.
std::optional<InfoBlock> getPrinter(HANDLE printer, DWORD level) {
    DWORD needed = 0;
    if (GetPrinterW(printer, level, nullptr, 0, &needed) == FALSE &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return std::nullopt;
    }
    if (needed == 0) return std::nullopt;
    InfoBlock block(needed);
    if (!GetPrinterW(printer, level, block.data(), block.size(), &needed)) return std::nullopt;
    return block;
}

DevicePaper devicePaperOf(const DEVMODEW& mode) {
    DevicePaper paper;
    if (mode.dmFields & DM_ORIENTATION) paper.fields |= kDeviceModeOrientation;
    if (mode.dmFields & DM_PAPERSIZE) paper.fields |= kDeviceModePaperSize;
    if (mode.dmFields & DM_PAPERLENGTH) paper.fields |= kDeviceModePaperLength;
    if (mode.dmFields & DM_PAPERWIDTH) paper.fields |= kDeviceModePaperWidth;
    paper.orientation = mode.dmOrientation;
    paper.paperSize = mode.dmPaperSize;
    paper.paperLength = mode.dmPaperLength;
    paper.paperWidth = mode.dmPaperWidth;
    return paper;
}

}  // namespace

std::optional<std::vector<PrinterEntry>> WinspoolSpooler::localPrinters() {
    // A call that only asks for the size lists every printer as well: a
    // block of a first guess's size usually saves it. The size may grow
    // between two calls when a printer is added.
    DWORD size = kFirstPrinterListBytes;
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD needed = 0;
        DWORD count = 0;
        InfoBlock block(size);
        if (!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, block.data(), block.size(), &needed,
                           &count)) {
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return std::nullopt;
            size = needed;
            continue;
        }
        const auto* infos = reinterpret_cast<const PRINTER_INFO_2W*>(block.data());
        std::vector<PrinterEntry> printers;
        printers.reserve(count);
        for (DWORD i = 0; i < count; ++i) {
            const PRINTER_INFO_2W& info = infos[i];
            PrinterEntry entry;
            entry.name = utf8FromWide(info.pPrinterName);
            entry.driverName = cp932FromWide(info.pDriverName);
            entry.status = info.Status;
            printers.push_back(std::move(entry));
        }
        return printers;
    }
    return std::nullopt;
}

std::uint32_t WinspoolSpooler::queueStatus(std::string_view printerName) {
    ScopedPrinter printer(openForUse(wideFromUtf8(printerName)));
    if (!printer) return 0;
    std::optional<InfoBlock> block = getPrinter(printer.get(), 6);
    if (!block) return 0;
    return reinterpret_cast<const PRINTER_INFO_6*>(block->data())->dwStatus;
}

std::optional<Spooler::Handle> WinspoolSpooler::openPrinter(std::string_view name) {
    HANDLE printer = openForUse(wideFromUtf8(name));
    if (printer == nullptr) return std::nullopt;
    return reinterpret_cast<Handle>(printer);
}

std::optional<PrinterInfo> WinspoolSpooler::printerInfo(Handle handle) {
    std::optional<InfoBlock> block = getPrinter(reinterpret_cast<HANDLE>(handle), 2);
    if (!block) return std::nullopt;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(block->data());
    PrinterInfo result;
    result.driverName = cp932FromWide(info->pDriverName);
    if (const DEVMODEW* mode = info->pDevMode; mode != nullptr) {
        result.verticalResolution = mode->dmYResolution;
        result.paper = devicePaperOf(*mode);
    }
    return result;
}

bool WinspoolSpooler::closePrinter(Handle handle) {
    return ClosePrinter(reinterpret_cast<HANDLE>(handle)) != FALSE;
}

}  // namespace vx
