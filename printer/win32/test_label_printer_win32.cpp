#include "printer/win32/test_label_printer_win32.h"

#include <windows.h>

#include "resources/resource.h"
#include "ui/win32/dialog.h"

namespace vx {

namespace {

class DeviceContext {
public:
    explicit DeviceContext(const std::wstring& device)
        : dc_(CreateDCW(L"WINSPOOL", device.c_str(), nullptr, nullptr)) {}
    ~DeviceContext() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

std::optional<int> Win32LabelPrinter::verticalResolution(const std::string& printerName) {
    return readVerticalResolution(printerName, spooler_);
}

bool Win32LabelPrinter::printTestLabel(const std::string& printerName, int factor) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDB_TEST_LABEL), MAKEINTRESOURCEW(2));
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto* info =
        loaded != nullptr ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
    if (info == nullptr) return false;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
    const BYTE* bits =
        reinterpret_cast<const BYTE*>(info) + header.biSize + colours * sizeof(RGBQUAD);
    const int width = header.biWidth;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;

    const std::wstring name = widen(printerName);
    DeviceContext dc(name);
    // The printer stays open for use until the label is printed.
    PrinterHandle printer = PrinterHandle::open(spooler_, printerName);
    if (dc.get() == nullptr || !printer) return false;
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"testprint";
    if (StartDocW(dc.get(), &document) <= 0) return false;
    bool ok = StartPage(dc.get()) > 0;
    ok = ok && StretchDIBits(dc.get(), 0, 0, width * factor, height * factor, 0, 0, width, height,
                             bits, info, DIB_RGB_COLORS, SRCCOPY) > 0;
    ok = EndPage(dc.get()) > 0 && ok;
    ok = EndDoc(dc.get()) > 0 && ok;
    return ok;
}

}  // namespace vx
