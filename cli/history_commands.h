// dvftool's side of the history of saved versions: the history and
// restore commands, and the warning when a save could not keep a version.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/dvftool_commands.h"
#include "history/file_history.h"

namespace vx {

// "dvftool: warning: ..." naming the folder and the reason.
void warnHistoryProblem(const HistoryProblem& problem, std::ostream& err);

// One line per version, newest first: N TAB YYYY-MM-DD HH:MM:SS TAB bytes;
// with `json` an array of {"number", "time", "bytes"}.
void printHistory(const FileHistory& history, const std::filesystem::path& file, bool json,
                  std::ostream& out);

struct RestoreRequest {
    std::filesystem::path file;
    std::string label;                            // the file as the user named it (UTF-8)
    int number = 0;                               // 1 for the newest
    std::optional<std::filesystem::path> output;  // -o OUT
};

// Puts version N's bytes into the file (keeping its present bytes as a
// version) or into OUT; returns the exit status.
int restoreVersion(const FileHistory& history, const RestoreRequest& request, const DvfToolIo& io);

}  // namespace vx
