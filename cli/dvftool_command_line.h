// How dvftool reads its command line: the options each command takes, its
// file operands, and the usage errors that end a command.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/dvftool_commands.h"
#include "cli/font_preview.h"

namespace vx {

// Ends a command with an exit status once its messages are written.
struct CommandExit {
    int status;
};

// A driver font file as the command line names it: a path, or a printer.
struct FileOperand {
    std::string text;  // UTF-8
    bool printer = false;
};

struct CommandLine {
    std::string command;
    std::vector<std::string> positional;
    std::optional<std::string> printer;      // --printer NAME
    std::optional<std::string> fromPrinter;  // --from-printer NAME
    bool json = false;                       // --json
    std::optional<std::string> jsonInput;    // set --json JSON
    FontPreviewOptions preview;              // preview --data, --dpi, -o; report --dpi, -o
    std::optional<std::string> history;      // --history DIR
    bool noHistory = false;                  // --no-history
    std::optional<std::string> output;       // restore -o OUT
    std::optional<std::string> against;      // report --against REF
    bool summary = false;                    // report --summary
    std::optional<std::string> note;         // report --note TEXT
};

// Writes a usage error (one line on what is wrong, `about` first when
// given, and one on where to read more) and ends the command with exit 1.
[[noreturn]] void usageError(const DvfToolIo& io, std::string_view about,
                             std::string_view sentence);
[[noreturn]] void usageError(const DvfToolIo& io, std::string_view sentence);

// args[0] is the command; an option it does not take is a usage error.
CommandLine parseCommandLine(const std::vector<std::string>& args, const DvfToolIo& io);

// Takes the next file operand: the printer option when given, else the
// next positional argument. `which` is the operand's name in the usage.
FileOperand takeFile(const CommandLine& line, const std::optional<std::string>& printer,
                     std::vector<std::string>& rest, const DvfToolIo& io,
                     std::string_view which = "FILE");

// The only file operand of a command that takes no further arguments.
FileOperand onlyFile(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io);

// The history options may come before the command too: they go after it.
std::vector<std::string> historyOptionsLast(const std::vector<std::string>& given,
                                            const DvfToolIo& io);

}  // namespace vx
