#include "cli/report_command.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/driver_font_input.h"
#include "cli/dvftool_usage.h"
#include "cli/printer_files.h"
#include "history/history_location.h"
#include "report/file_facts.h"
#include "report/settings_sheet.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"

namespace vx {

namespace {

struct ReportArguments {
    std::optional<std::string> file, printer, against, output;  // UTF-8
    int dpi = 305;
};

// A driver font file as read and accepted.
struct ReportedFile {
    std::filesystem::path path;
    std::string label;  // as messages name it (UTF-8)
    std::string bytes;
    SettingsStore settings;
    std::string driver;  // a printer's driver (UTF-8)
};

// The exit status of a usage error, its message written.
int usage(const DvfToolIo& io, const std::string& message) {
    io.err << "dvftool: " << message << "\n\n" << kDvfToolUsage;
    return kExitUsage;
}

// Nothing when the arguments are in order; else the exit status.
std::optional<int> parse(const std::vector<std::string>& args, ReportArguments& parsed,
                         const DvfToolIo& io) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-history") continue;  // nothing is saved
        if (arg.rfind("--", 0) != 0 && arg != "-o") {
            if (parsed.file) return usage(io, "report に渡すファイルは 1 つです: " + arg);
            parsed.file = arg;
            continue;
        }
        if (i + 1 >= args.size()) return usage(io, arg + " には値が必要です");
        const std::string& value = args[++i];
        if (arg == "--printer" && !parsed.printer) {
            parsed.printer = value;
        } else if (arg == "--against" && !parsed.against) {
            parsed.against = value;
        } else if (arg == "-o" && !parsed.output) {
            parsed.output = value;
        } else if (arg == "--dpi") {
            parsed.dpi = leadingInteger(value);
            if (value.find_first_not_of("0123456789") != std::string::npos || parsed.dpi < 50 ||
                parsed.dpi > 2400) {
                return usage(io, "--dpi には 50 から 2400 までの解像度を指定します: " + value);
            }
        } else if (arg != "--history") {
            return usage(io, "report では使えないオプションです: " + arg);
        }
    }
    if (parsed.file && parsed.printer) return usage(io, "report に渡すファイルは 1 つです");
    if (!parsed.file && !parsed.printer) return usage(io, "report にはファイルが必要です");
    if (!parsed.output) return usage(io, "report には -o 出力ファイル.html が必要です");
    return std::nullopt;
}

// Reads a file as the other commands read it; nothing when it is refused
// (the message written, `exit` set).
std::optional<ReportedFile> readFile(const std::string& text, bool printer, const DvfToolIo& io,
                                     int& exit) {
    ReportedFile file;
    file.label = text;
    if (printer) {
        if (io.spooler == nullptr || io.environment == nullptr) {
            exit = usage(io, "プリンタを指定できるのは Windows 版だけです: " + text);
            return std::nullopt;
        }
        const PrinterFile found = findPrinterFile(text, {*io.spooler, *io.environment});
        if (!found.path) {
            if (!found.message.empty()) io.err << found.message << '\n';
            io.err << "dvftool: " << found.reason << '\n';
            exit = found.exit;
            return std::nullopt;
        }
        file.path = *found.path;
        file.driver = found.driverName;
        file.label += " (" + utf8FromPath(file.path) + ")";
    } else {
        file.path = pathFromUtf8(text);
    }
    DriverFontInput input = readDriverFontInput(file.path, file.label, InputUse::Read, io.err);
    if (input.exit != 0) {
        exit = input.exit;
        return std::nullopt;
    }
    file.bytes = std::move(input.bytes);
    loadDriverFontFile(input.document, file.settings);
    return file;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

int runReportCommand(const std::vector<std::string>& args, const DvfToolIo& io) {
    ReportArguments parsed;
    if (const std::optional<int> refused = parse(args, parsed, io)) return *refused;
    int exit = kExitDone;
    const bool byPrinter = parsed.printer.has_value();
    const std::optional<ReportedFile> file =
        readFile(byPrinter ? *parsed.printer : *parsed.file, byPrinter, io, exit);
    if (!file) return exit;
    std::optional<ReportedFile> reference;
    if (parsed.against && !(reference = readFile(*parsed.against, false, io, exit))) return exit;
    const std::filesystem::path output = pathFromUtf8(*parsed.output);
    // The sheet must never take a driver font file's place.
    if (sameFile(output, file->path) || (reference && sameFile(output, reference->path))) {
        io.err << "dvftool: 設定一覧の出力先が設定ファイルと同じです。何も書き込みませんでした: "
               << *parsed.output << '\n';
        return kExitUsage;
    }
    SheetRequest sheet;
    sheet.settings = &file->settings;
    sheet.file = describeSheetFile(file->path, file->bytes);
    if (byPrinter) sheet.printer = *parsed.printer;
    sheet.driver = file->driver;
    sheet.dpi = parsed.dpi;
    sheet.madeAt = formatLocalTime(localTimeNow());
    if (reference) sheet.against = SheetReference{reference->label, &reference->settings};
    FileLayer& layer = io.fileLayer != nullptr ? *io.fileLayer : platformFileLayer();
    if (!saveOutputFile(layer, output, settingsSheetHtml(sheet))) {
        io.err << "dvftool: 設定一覧を書き込めませんでした: " << *parsed.output << '\n';
        return kExitSaveFailed;
    }
    return kExitDone;
}

}  // namespace vx
