#include "app/command_line.h"

#include <vector>

#include "history/history_option.h"

namespace vx {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Arguments split at blanks, honouring double quotes (program path first).
std::vector<std::string> splitArguments(std::string_view commandLine) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, any = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) args.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) args.push_back(current);
    return args;
}

}  // namespace

StartupSwitch parseStartupSwitch(std::string_view commandLine) {
    std::vector<std::string> args = splitArguments(commandLine);
    // The registration switches must end the command line: the text after
    // a "-" or "/" up to the end is compared whole. The program path is not
    // scanned, so a path holding "-" or "/" triggers nothing.
    if (args.size() > 1) {
        std::string_view arguments = commandLine;
        std::size_t programEnd = commandLine.find(args[1].empty() ? std::string_view(" ")
                                                                  : std::string_view(args[1]));
        if (commandLine.rfind(args[0]) != std::string_view::npos && programEnd != std::string_view::npos) {
            arguments = commandLine.substr(programEnd);
        }
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            if (arguments[i] != '-' && arguments[i] != '/') continue;
            std::string_view rest = arguments.substr(i + 1);
            if (equalsIgnoringCase(rest, "RegServer")) return StartupSwitch::RegServer;
            if (equalsIgnoringCase(rest, "UnregServer")) return StartupSwitch::UnregServer;
        }
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg.empty() || (arg[0] != '-' && arg[0] != '/')) continue;
        arg.remove_prefix(1);
        if (equalsIgnoringCase(arg, "Embedding") || equalsIgnoringCase(arg, "Automation")) {
            return StartupSwitch::Embedding;
        }
    }
    return StartupSwitch::None;
}

HistoryFolderOption historyFolderOption(std::string_view commandLine) {
    const std::vector<std::string> args = splitArguments(commandLine);
    HistoryFolderOption option;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const HistoryOptionRead read = readHistoryOption(args, i, option.folder);
        if (read == HistoryOptionRead::NoFolder || read == HistoryOptionRead::Repeated) {
            option.faulty = true;
        }
    }
    if (option.faulty) option.folder.reset();
    return option;
}

std::string applicationName(std::string_view executablePath) {
    std::size_t slash = executablePath.find_last_of("\\/");
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace vx
