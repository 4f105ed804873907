// Where the histories lie on this system, and the user's clock.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "history/file_history.h"

namespace vx {

// The histories of this system: on Windows the spooler's driver folder, the
// machine's history %ProgramData%\VXDrvFontTool\history for the files in it
// and the user's %LOCALAPPDATA%\VXDrvFontTool\history for every other file;
// elsewhere only the user's, $XDG_STATE_HOME/vxdrvfonttool/history. A
// history whose place is not known is empty.
HistoryPlaces defaultHistoryPlaces();

// The time now, as the user's clock shows it.
LocalTime localTimeNow();

// The user's history under a local application data folder.
HistoryRoot historyRootInLocalAppData(const std::filesystem::path& localAppData);

// The machine's history under the machine's application data folder.
HistoryRoot historyRootInProgramData(const std::filesystem::path& programData);

// The user's history from XDG_STATE_HOME, or from the home folder
// (~/.local/state) when that is unset, empty or not absolute (UTF-8 texts
// as the environment gives them). Empty when neither is known.
HistoryRoot historyRootInStateHome(const std::optional<std::string>& xdgStateHome,
                                   const std::optional<std::string>& home);

}  // namespace vx
