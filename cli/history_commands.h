// dvftool's side of the history of saved versions: the history and
// restore commands, and the warning when a save could not keep a version.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/dvftool_commands.h"
#include "history/file_history.h"
#include "history/history_save.h"

namespace vx {

// "dvftool: warning: ..." naming the folder and the reason.
void warnHistoryProblem(const HistoryProblem& problem, std::ostream& err);

// Tells how a replacement of the file named `label` ended (and a version
// not kept); the exit status that goes with it.
int reportReplace(const HistoryReplace& replaced, const std::string& label, const DvfToolIo& io);

// One line per version, newest first: N TAB YYYY-MM-DD HH:MM:SS TAB bytes
// TAB user TAB computer TAB program (who replaced it, "不明" for what its
// record does not tell); an unusable entry among them as - TAB time (or
// nothing) TAB bytes TAB "unusable: " reason ": " its file name. With
// `json` an array of {"number", "time", "bytes", "user", "computer",
// "program"} (null for what is not known), an unusable entry with "number" null and its
// "file" and "unusable" reason. A history folder that is not used is
// warned about on standard error, and nothing is listed.
void printHistory(const FileHistory& history, const std::filesystem::path& file, bool json,
                  const DvfToolIo& io);

struct RestoreRequest {
    std::filesystem::path file;
    std::string label;                            // the file as the user named it (UTF-8)
    int number = 0;                               // 1 for the newest
    std::optional<std::filesystem::path> output;  // -o OUT
    std::string printer;                          // when named by its printer (UTF-8)
};

// Puts version N's bytes into the file (keeping its present bytes as a
// version) or into OUT; returns the exit status. N counts the usable
// versions only: an unusable entry is never restored.
int restoreVersion(const FileHistory& history, const RestoreRequest& request, const DvfToolIo& io);

}  // namespace vx
