#include "cli/dvftool_commands.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <string_view>
#include <variant>

#include "cli/change_events.h"
#include "cli/driver_font_input.h"
#include "cli/dvftool_command_line.h"
#include "cli/dvftool_guard.h"
#include "cli/dvftool_json.h"
#include "cli/dvftool_messages.h"
#include "cli/dvftool_usage.h"
#include "cli/field_listing.h"
#include "cli/font_copy.h"
#include "cli/font_preview.h"
#include "cli/history_commands.h"
#include "cli/opened_file.h"
#include "cli/printer_files.h"
#include "cli/report_command.h"
#include "history/history_location.h"
#include "history/history_option.h"
#include "history/history_save.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"
#include "settings/font_fields.h"
#include "settings/leading_integer.h"
#include "vx_version.h"

namespace vx {

namespace {

namespace text = dvftool_text;

// Where this run keeps the versions that its saves replace: --history DIR,
// none with --no-history, else the user's history folder.
std::optional<FileHistory> historyFor(const CommandLine& line, const DvfToolIo& io) {
    if (line.history && line.noHistory) {
        usageError(io, text::kHistoryOptionsExclude);
    }
    if (line.noHistory) return std::nullopt;
    std::optional<FileHistory> history;
    if (line.history) {
        history.emplace(historyInFolder(*line.history));
    } else if (io.historyPlaces) {
        history.emplace(*io.historyPlaces, localTimeNow);
    }
    if (history) history->setAuthor(dvftoolAuthor(io));
    return history;
}

// Replaces the file by `bytes` in one step, keeping its bytes as read as a
// version; a version that cannot be kept is warned about, not fatal.
int replaceFile(const OpenedFile& file, const std::string& bytes, const CommandLine& line,
                const DvfToolIo& io) {
    const std::optional<FileHistory> history = historyFor(line, io);
    FileLayer& layer = io.fileLayer != nullptr ? *io.fileLayer : platformFileLayer();
    const HistoryReplace replaced = replaceKeepingHistory(
        file.path, file.bytes, bytes, history ? &*history : nullptr, layer, &file.lock);
    recordReplacement(io, {file.printer, file.path, file.bytes, bytes, replaced, std::nullopt});
    return reportReplace(replaced, file.label, io);
}

// Writes the store's 60 font sections into the file as read, and saves it.
int saveStore(const SettingsStore& store, const OpenedFile& file, const CommandLine& line,
              const DvfToolIo& io) {
    IniDocument changed(file.bytes);
    if (!writeDriverFontSections(store, changed)) return reportSave(false, file.label, io);
    return replaceFile(file, changed.bytes(), line, io);
}

// Font names given in UTF-8, in the file's code page; each must name a font.
std::vector<std::string> fontNames(const std::vector<std::string>& names, const DvfToolIo& io) {
    std::vector<std::string> fonts;
    SettingsStore known;
    loadDriverFontFile(IniDocument(), known);
    for (const std::string& name : names) {
        std::optional<std::string> font = cp932FromUtf8(name);
        if (!font || !hasFont(known, *font)) usageError(io, name, text::kUnknownFont);
        fonts.push_back(std::move(*font));
    }
    return fonts;
}

void printTextLine(std::ostream& out, std::string_view font, std::string_view field,
                   std::initializer_list<std::string_view> values) {
    out << utf8FromCp932(font) << '\t' << field;
    for (std::string_view value : values) out << '\t' << utf8FromCp932(value);
    out << '\n';
}

// ---- commands ----

int dump(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const OpenedFile file = openFile(onlyFile(line, rest, io), io);
    const std::vector<FontFields> fonts = listFontFields(loadStore(file));
    if (line.json) {
        io.out << fontsJson(fonts);
        return kExitDone;
    }
    for (const FontFields& font : fonts) {
        for (const FieldValue& field : font.fields) {
            printTextLine(io.out, font.fontName, field.name, {field.value});
        }
    }
    return kExitDone;
}

// Assignments of `set FILE FONT FIELD=VALUE...`, checked before the file is read.
std::vector<JsonAssignment> argumentAssignments(const std::vector<std::string>& rest,
                                                const DvfToolIo& io) {
    if (rest.size() < 2) usageError(io, text::kSetNeedsFontAndField);
    std::vector<JsonAssignment> assignments;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const std::size_t eq = rest[i].find('=');
        if (eq == std::string::npos) usageError(io, rest[i], text::kNotAnAssignment);
        assignments.push_back({rest[0], rest[i].substr(0, eq), rest[i].substr(eq + 1)});
    }
    return assignments;
}

// At most `limit` bytes of a stream; nothing when it holds more.
std::optional<std::string> readStreamBytes(std::istream& in, std::uintmax_t limit) {
    std::string bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > limit) return std::nullopt;
    }
    return bytes;
}

std::string readJsonInput(const std::string& source, const DvfToolIo& io) {
    // Standard input has the file's limit too: an endless stream must not
    // fill the memory.
    std::optional<std::string> bytes =
        source == "-" ? readStreamBytes(io.in, kMaxFileBytes) : readFileBytes(pathFromUtf8(source));
    if (!bytes) {
        text::tell(io.err, source, text::kJsonUnreadable);
        throw CommandExit{kExitUnreadable};
    }
    return std::move(*bytes);
}

std::vector<JsonAssignment> jsonAssignments(const std::string& source, const DvfToolIo& io) {
    auto parsed = parseFontsJson(readJsonInput(source, io));
    if (const std::string* problem = std::get_if<std::string>(&parsed)) {
        usageError(io, source, *problem);
    }
    return std::get<std::vector<JsonAssignment>>(std::move(parsed));
}

int set(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand operand = takeFile(line, line.printer, rest, io);
    std::vector<JsonAssignment> assignments;
    if (line.jsonInput) {
        if (!rest.empty()) usageError(io, text::kSetJsonTakesNoMore);
        assignments = jsonAssignments(*line.jsonInput, io);
    } else {
        assignments = argumentAssignments(rest, io);
    }
    const OpenedFile file = openFile(operand, io, InputUse::Save);
    SettingsStore store = loadStore(file);
    const std::vector<FontFields> shown =
        line.jsonInput ? listFontFields(store) : std::vector<FontFields>{};
    // A field that JSON gives as the file already shows it stays untouched.
    std::erase_if(assignments, [&](const JsonAssignment& assignment) {
        const std::optional<std::string> font = cp932FromUtf8(assignment.font);
        return line.jsonInput && font && showsAs(shown, *font, assignment);
    });
    // All or nothing: one line per value the window could not have stored.
    // A dump lists every field of a font, also those its type (maybe the
    // type it gets here) leaves unused: those are passed over.
    const std::vector<std::string> refusals = assignFontFields(
        store, assignments, line.jsonInput ? UnusedFields::PassOver : UnusedFields::Refuse);
    if (!refusals.empty()) {
        for (const std::string& refusal : refusals) text::tell(io.err, refusal);
        throw CommandExit{kExitUsage};
    }
    return saveStore(store, file, line, io);
}

// Without a file: the catalogue (of one font's kind); with one: its fonts
// as the pages show them.
int fields(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const std::optional<std::string> first = rest.empty() ? std::nullopt : cp932FromUtf8(rest[0]);
    if (!line.printer && (rest.empty() || (first && fontKindOfName(*first)))) {
        if (rest.size() > 1) usageError(io, rest[1], text::kFieldsTakesOneFont);
        io.out << catalogueListing(first ? fontKindOfName(*first) : std::nullopt, line.json);
        return kExitDone;
    }
    const FileOperand operand = takeFile(line, line.printer, rest, io);
    const std::vector<std::string> fonts = fontNames(rest, io);
    io.out << shownListing(loadStore(openFile(operand, io)), fonts, line.json);
    return kExitDone;
}

int copy(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand sourceOperand = takeFile(line, line.fromPrinter, rest, io, "SOURCE");
    const FileOperand targetOperand = takeFile(line, line.printer, rest, io, "TARGET");
    const std::vector<std::string> fonts = fontNames(rest, io);
    // Both files are read and checked before anything is written.
    const OpenedFile source = openFile(sourceOperand, io);
    OpenedFile target = openFile(targetOperand, io, InputUse::Save);
    if (!copyFontSettings(loadStore(source), fonts, target.document)) {
        return reportSave(false, target.label, io);
    }
    return replaceFile(target, target.document.bytes(), line, io);
}

int diff(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand aOperand = takeFile(line, line.fromPrinter, rest, io, "A");
    const FileOperand bOperand = takeFile(line, line.printer, rest, io, "B");
    const std::vector<std::string> fonts = fontNames(rest, io);
    const OpenedFile a = openFile(aOperand, io);
    const OpenedFile b = openFile(bOperand, io);
    const std::vector<FontDifferences> differences =
        compareFontFields(loadStore(a), loadStore(b), fonts);
    if (line.json) {
        io.out << differencesJson(differences);
    } else {
        for (const FontDifferences& font : differences) {
            for (const FieldDifference& field : font.fields) {
                printTextLine(io.out, font.fontName, field.name, {field.a, field.b});
            }
        }
    }
    return differences.empty() ? kExitDone : kExitDiffer;
}

int printers(const CommandLine& line, const DvfToolIo& io) {
    if (!line.positional.empty()) usageError(io, line.positional[0], text::kTooManyArguments);
    if (io.spooler == nullptr || io.environment == nullptr) {
        usageError(io, text::kPrintersOnWindowsOnly);
    }
    std::optional<std::vector<ListedPrinter>> listed =
        listSeriesPrinters({*io.spooler, *io.environment});
    if (!listed) {
        text::tell(io.err, text::kPrintersUnlisted);
        return kExitPrinter;
    }
    if (listed->empty()) text::tell(io.err, kNoPrinterText);
    if (line.json) {
        io.out << printersJson(*listed);
        return kExitDone;
    }
    for (const ListedPrinter& printer : *listed) {
        io.out << printer.name << '\t' << printer.driverName << '\t'
               << (printer.file ? utf8FromPath(*printer.file) : std::string()) << '\n';
    }
    return kExitDone;
}

// preview FILE FONT [--data TEXT] [--dpi N] -o OUT.svg
int preview(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand operand = takeFile(line, line.printer, rest, io);
    if (rest.size() != 1) usageError(io, text::kPreviewNeedsFont);
    if (line.preview.output.empty()) usageError(io, text::kPreviewNeedsOutput);
    const std::optional<std::string> font = cp932FromUtf8(rest[0]);
    const OpenedFile file = openFile(operand, io);
    // The picture must never take the driver font file's place.
    if (sameFile(pathFromUtf8(line.preview.output), file.path)) {
        usageError(io, line.preview.output, text::kPreviewOverDriverFontFile);
    }
    const SettingsStore store = loadStore(file);
    if (!font || !hasFont(store, *font)) {
        usageError(io, rest[0], text::kUnknownFont);
    }
    const FontPreviewOutcome outcome = writeFontPreview(store, *font, line.preview);
    if (!outcome.message.empty()) text::tell(io.err, outcome.about, outcome.message);
    // What the picture does not show, one line each like every message.
    for (const std::string& note : outcome.notes) text::tell(io.err, rest[0], note);
    return outcome.exit;
}

// The versions of a file are read from the history its saves keep them in.
FileHistory historyToRead(const CommandLine& line, const DvfToolIo& io) {
    if (line.noHistory) usageError(io, text::kNoHistoryToRead);
    std::optional<FileHistory> history = historyFor(line, io);
    return history ? std::move(*history) : FileHistory(std::filesystem::path(), localTimeNow);
}

// history FILE [--json]: FILE only names the history; it is not read. The
// versions of a file that is gone are listed all the same, for a restore.
int history(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const OpenedFile file = locateFile(onlyFile(line, rest, io), io);
    const bool missing = !fileExists(file.path);
    if (missing) text::tell(io.err, file.label, text::kFileNotFound);
    printHistory(historyToRead(line, io), file.path, line.json, io);
    return missing ? kExitUnreadable : kExitDone;
}

// restore FILE N [-o OUT]
int restore(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand operand = takeFile(line, line.printer, rest, io);
    if (rest.size() != 1) usageError(io, text::kRestoreNeedsNumber);
    if (rest[0].empty() || rest[0].find_first_not_of("0123456789") != std::string::npos) {
        usageError(io, rest[0], text::kNotAVersionNumber);
    }
    const FileHistory history = historyToRead(line, io);
    const OpenedFile file = locateFile(operand, io);
    RestoreRequest request{file.path, file.label, leadingInteger(rest[0]), std::nullopt,
                           file.printer};
    if (line.output) request.output = pathFromUtf8(*line.output);
    return restoreVersion(history, request, io);
}

int runCommand(const std::vector<std::string>& given, const DvfToolIo& io) {
    const std::vector<std::string> args = historyOptionsLast(given, io);
    if (args.empty()) usageError(io, text::kNoCommand);
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        io.out << kDvfToolUsage;
        return kExitDone;
    }
    if (command == "--version") {
        io.out << "dvftool " << VX_VERSION_TEXT << '\n';
        return kExitDone;
    }
    const bool known = command == "check" || command == "dump" || command == "save" ||
                       command == "set" || command == "copy" || command == "diff" ||
                       command == "printers" || command == "preview" || command == "history" ||
                       command == "restore" || command == "fields" || command == "report";
    if (!known) usageError(io, command, text::kUnknownCommand);
    const CommandLine line = parseCommandLine(args, io);
    std::vector<std::string> rest = line.positional;
    if (command == "printers") return printers(line, io);
    if (command == "dump") return dump(line, rest, io);
    if (command == "fields") return fields(line, rest, io);
    if (command == "set") return set(line, rest, io);
    if (command == "copy") return copy(line, rest, io);
    if (command == "diff") return diff(line, rest, io);
    if (command == "preview") return preview(line, rest, io);
    if (command == "history") return history(line, rest, io);
    if (command == "restore") return restore(line, rest, io);
    if (command == "report") return report(line, rest, io);
    // check and save
    const OpenedFile file =
        openFile(onlyFile(line, rest, io), io, command == "save" ? InputUse::Save : InputUse::Read);
    if (command == "check") {
        io.out << "ok\n";
        return kExitDone;
    }
    return saveStore(loadStore(file), file, line, io);
}

}  // namespace

int reportSave(bool saved, std::string_view file, const DvfToolIo& io) {
    text::tell(io.err, file, saved ? text::kSaved : text::kSaveFailed);
    return saved ? kExitDone : kExitSaveFailed;
}

int runDvfTool(const std::vector<std::string>& args, const DvfToolIo& io) {
    const int status = runGuarded(io.err, [&] {
        try {
            return runCommand(args, io);
        } catch (const CommandExit& exit) {
            return exit.status;
        }
    });
    // An output that did not reach its place (a full disk, a closed pipe)
    // is no result: a script must not take the part written for the whole.
    io.out.flush();
    if (io.out.fail()) {
        text::tell(io.err, text::kOutputFailed);
        return kExitSaveFailed;
    }
    return status;
}

}  // namespace vx
