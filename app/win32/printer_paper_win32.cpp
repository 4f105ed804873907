#include "app/win32/printer_paper_win32.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "ui/win32/dialog.h"

namespace vx {

std::optional<DevicePaper> readDevicePaper(const std::string& printerName) {
    std::wstring name = widen(printerName);
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, &defaults)) return std::nullopt;
    std::optional<DevicePaper> paper;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && GetPrinterW(printer, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        if (const DEVMODEW* mode = info->pDevMode; mode != nullptr) {
            DevicePaper fields;
            if (mode->dmFields & DM_ORIENTATION) fields.fields |= kDeviceModeOrientation;
            if (mode->dmFields & DM_PAPERSIZE) fields.fields |= kDeviceModePaperSize;
            if (mode->dmFields & DM_PAPERLENGTH) fields.fields |= kDeviceModePaperLength;
            if (mode->dmFields & DM_PAPERWIDTH) fields.fields |= kDeviceModePaperWidth;
            fields.orientation = mode->dmOrientation;
            fields.paperSize = mode->dmPaperSize;
            fields.paperLength = mode->dmPaperLength;
            fields.paperWidth = mode->dmPaperWidth;
            paper = fields;
        }
    }
    ClosePrinter(printer);
    return paper;
}

}  // namespace vx
