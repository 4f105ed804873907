#include "cli/history_commands.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/driver_font_input.h"
#include "cli/printer_files.h"
#include "history/history_save.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"

namespace vx {

namespace {

// A version's bytes into OUT: an existing file is replaced in one step, a
// new one is removed again when it cannot be written whole.
bool writeOutput(const std::filesystem::path& output, const std::string& bytes) {
    if (fileExists(output)) return replaceFileContents(output, bytes);
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.close();
    if (!out.fail()) return true;
    std::error_code ignored;
    std::filesystem::remove(output, ignored);
    return false;
}

}  // namespace

void warnHistoryProblem(const HistoryProblem& problem, std::ostream& err) {
    err << "dvftool: warning: the file's previous bytes were not kept in the history folder "
        << utf8FromPath(problem.folder) << ": " << historyReason(problem.error) << '\n';
}

void printHistory(const FileHistory& history, const std::filesystem::path& file, bool json,
                  std::ostream& out) {
    const std::vector<HistoryVersion> versions = history.versions(file);
    if (!json) {
        for (const HistoryVersion& version : versions) {
            out << version.number << '\t' << version.time << '\t' << version.bytes << '\n';
        }
        return;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const HistoryVersion& version : versions) {
        list.push_back(
            {{"number", version.number}, {"time", version.time}, {"bytes", version.bytes}});
    }
    out << list.dump(2) << '\n';
}

int restoreVersion(const FileHistory& history, const RestoreRequest& request, const DvfToolIo& io) {
    const std::vector<HistoryVersion> versions = history.versions(request.file);
    const int number = request.number;
    if (number < 1 || number > static_cast<int>(versions.size())) {
        io.err << "dvftool: no version " << request.number << " of " << request.label << " ("
               << versions.size() << " kept)\n";
        return kExitUnreadable;
    }
    const HistoryVersion& version = versions[number - 1];
    std::optional<std::string> bytes = FileHistory::read(version);
    if (!bytes) {
        io.err << "dvftool: cannot read version " << number << ": " << utf8FromPath(version.file)
               << '\n';
        return kExitUnreadable;
    }
    if (!isSupportedFileVersion(IniDocument(*bytes))) {
        io.err << kVersionMismatchText << '\n';
        io.err << "dvftool: version not accepted: version " << number << " of " << request.label
               << '\n';
        return kExitVersion;
    }
    // The file written is locked from its look to its replacement, as a
    // save locks it.
    if (request.output) {
        FileLock lock;
        const std::string label = utf8FromPath(*request.output);
        if (int exit = lockForSaving(*request.output, label, lock, io.err)) return exit;
        return reportSave(writeOutput(*request.output, *bytes), io);
    }
    const DriverFontInput present =
        readDriverFontInput(request.file, request.label, InputUse::Replace, io.err);
    if (present.exit != 0) return present.exit;
    FileLayer& layer = io.fileLayer != nullptr ? *io.fileLayer : platformFileLayer();
    const HistoryReplace replaced =
        replaceKeepingHistory(request.file, present.bytes, *bytes, &history, layer);
    if (replaced.historyProblem) warnHistoryProblem(*replaced.historyProblem, io.err);
    return reportSave(replaced.replaced, io);
}

}  // namespace vx
