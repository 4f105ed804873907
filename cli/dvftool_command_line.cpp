#include "cli/dvftool_command_line.h"

#include "cli/dvftool_messages.h"
#include "history/history_option.h"
#include "settings/leading_integer.h"

namespace vx {

namespace text = dvftool_text;

[[noreturn]] void usageError(const DvfToolIo& io, std::string_view about,
                             std::string_view sentence) {
    if (about.empty()) {
        text::tell(io.err, sentence);
    } else {
        text::tell(io.err, about, sentence);
    }
    io.err << text::kSeeHelp << '\n';
    throw CommandExit{kExitUsage};
}

[[noreturn]] void usageError(const DvfToolIo& io, std::string_view sentence) {
    usageError(io, {}, sentence);
}

namespace {

void takePreviewOption(const std::string& option, const std::string& value,
                       FontPreviewOptions& preview, const DvfToolIo& io) {
    if (option == "--data") {
        preview.data = value;
    } else if (option == "-o") {
        preview.output = value;
    } else {
        preview.dpi = leadingInteger(value);
        if (value.find_first_not_of("0123456789") != std::string::npos || preview.dpi < 50 ||
            preview.dpi > 2400) {
            usageError(io, "--dpi " + value, text::kDpiOutOfRange);
        }
    }
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args, const DvfToolIo& io) {
    const std::string& command = args[0];
    CommandLine line;
    line.command = command;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool drawn = command == "preview" || command == "report";
        if (drawn && (arg == "--dpi" || arg == "-o" || (arg == "--data" && command == "preview"))) {
            if (i + 1 >= args.size()) usageError(io, arg, text::kOptionNeedsValue);
            takePreviewOption(arg, args[++i], line.preview, io);
            continue;
        }
        if (command == "restore" && arg == "-o" && !line.output) {
            if (i + 1 >= args.size()) usageError(io, arg, text::kOptionNeedsValue);
            line.output = args[++i];
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            line.positional.push_back(arg);
            continue;
        }
        switch (readHistoryOption(args, i, line.history)) {
            case HistoryOptionRead::Taken:
                continue;
            case HistoryOptionRead::NoFolder:
                usageError(io, arg, text::kOptionNeedsValue);
            case HistoryOptionRead::Repeated:
                usageError(io, arg, text::kOptionOnlyOnce);
            case HistoryOptionRead::NotTheOption:
                break;
        }
        const bool takesValue = arg == "--printer" || arg == "--from-printer" ||
                                (arg == "--json" && command == "set") ||
                                ((arg == "--against" || arg == "--note") && command == "report");
        if (takesValue && i + 1 >= args.size()) usageError(io, arg, text::kOptionNeedsValue);
        const bool twoFiles = command == "copy" || command == "diff";
        if (arg == "--printer" && command != "printers" && !line.printer) {
            line.printer = args[++i];
        } else if (arg == "--from-printer" && twoFiles && !line.fromPrinter) {
            line.fromPrinter = args[++i];
        } else if (arg == "--json" && command == "set" && !line.jsonInput) {
            line.jsonInput = args[++i];
        } else if (arg == "--json" && (command == "dump" || twoFiles || command == "printers" ||
                                       command == "history" || command == "fields")) {
            line.json = true;
        } else if (arg == "--against" && command == "report" && !line.against) {
            line.against = args[++i];
        } else if (arg == "--note" && command == "report" && !line.note) {
            line.note = args[++i];
        } else if (arg == "--summary" && command == "report") {
            line.summary = true;
        } else if (arg == "--no-history") {
            line.noHistory = true;
        } else {
            usageError(io, command + " " + arg, text::kOptionNotAccepted);
        }
    }
    return line;
}

FileOperand takeFile(const CommandLine& line, const std::optional<std::string>& printer,
                     std::vector<std::string>& rest, const DvfToolIo& io, std::string_view which) {
    if (printer) return {*printer, true};
    if (rest.empty()) usageError(io, line.command, text::operandMissing(which));
    FileOperand file{rest.front(), false};
    rest.erase(rest.begin());
    return file;
}

FileOperand onlyFile(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    FileOperand file = takeFile(line, line.printer, rest, io);
    if (!rest.empty()) usageError(io, rest[0], text::kTooManyArguments);
    return file;
}

std::vector<std::string> historyOptionsLast(const std::vector<std::string>& given,
                                            const DvfToolIo& io) {
    std::vector<std::string> options;
    std::size_t first = 0;
    while (first < given.size() &&
           (given[first] == "--history" || given[first] == "--no-history")) {
        const std::size_t count = given[first] == "--history" ? 2 : 1;
        if (first + count > given.size()) usageError(io, given[first], text::kOptionNeedsValue);
        options.insert(options.end(), given.begin() + first, given.begin() + first + count);
        first += count;
    }
    std::vector<std::string> args(given.begin() + first, given.end());
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

}  // namespace vx
