#include "cli/printer_files.h"

#include "cli/dvftool_commands.h"
#include "cli/dvftool_messages.h"
#include "settings/codepage.h"

namespace vx {

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

PrinterFile findPrinterFile(std::string_view printerName, const PrinterAccess& access) {
    const LocateResult location =
        locateDriverFontFile(printerName, access.spooler, access.environment);
    PrinterFile file;
    if (location.driverName) file.driverName = utf8FromCp932(*location.driverName);
    if (location.driverName && !isSeriesDriver(*location.driverName)) {
        file.exit = kExitPrinter;
        file.reason = "このシリーズのプリンタではありません（ドライバ " +
                      utf8FromCp932(*location.driverName) + "）。";
        return file;
    }
    switch (location.outcome) {
        case LocateOutcome::Located:
            file.path = location.path;
            break;
        case LocateOutcome::PrinterUnavailable:
            file.exit = kExitPrinter;
            file.reason = dvftool_text::kPrinterUnavailable;
            break;
        case LocateOutcome::PrinterInfoUnreadable:
            file.exit = kExitPrinter;
            file.reason = dvftool_text::kPrinterInfoUnreadable;
            break;
        case LocateOutcome::NoDriverFontFile:
            file.exit = kExitUnreadable;
            file.reason = "設定ファイルがありません";
            if (!location.path.empty()) file.reason += "（" + utf8FromPath(location.path) + "）";
            file.reason += "。内蔵フォントに対応したプリンタドライバをインストールしてください。";
            break;
    }
    return file;
}

std::optional<std::vector<ListedPrinter>> listSeriesPrinters(const PrinterAccess& access) {
    std::optional<std::vector<PrinterEntry>> entries = selectablePrinterEntries(access.spooler);
    if (!entries) return std::nullopt;
    std::vector<ListedPrinter> printers;
    for (const PrinterEntry& entry : *entries) {
        const LocateResult location =
            locateDriverFontFile(entry.name, access.spooler, access.environment);
        ListedPrinter printer{entry.name, utf8FromCp932(entry.driverName), std::nullopt};
        if (location.outcome == LocateOutcome::Located) printer.file = location.path;
        printers.push_back(std::move(printer));
    }
    return printers;
}

}  // namespace vx
