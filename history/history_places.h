// Which history keeps the versions of a file: files in the spooler's driver
// folder are the machine's, kept where only the administrators may change
// them and every user may look; every other file is the user's own.
#pragma once

#include <filesystem>
#include <string>

#include "history/history_folder.h"

namespace vx {

struct HistoryPlaces {
    // The spooler's driver folder with its links resolved; empty where
    // there is none.
    std::filesystem::path driverFolder;
    HistoryRoot machine;  // %ProgramData%\VXDrvFontTool\history on Windows
    HistoryRoot user;     // the user's own
};

// The history for a file, given by its path with the links resolved.
const HistoryRoot& historyRootFor(const std::filesystem::path& resolvedFile,
                                  const HistoryPlaces& places);

// True when `path` is `folder` or lies anywhere below it (both absolute,
// links resolved).
bool liesIn(const std::filesystem::path& path, const std::filesystem::path& folder);

// A path as one text, the same for every spelling that names the same file
// (on Windows letter case aside); `path` absolute and normal.
std::string pathKey(const std::filesystem::path& path);

}  // namespace vx
