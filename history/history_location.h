// Where the history folder lies for the user, and the user's clock.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "history/file_history.h"

namespace vx {

// The per-user history folder of this system: on Windows
// %LOCALAPPDATA%\VXDrvFontTool\history, elsewhere
// $XDG_STATE_HOME/vxdrvfonttool/history. Empty when no place is known.
std::filesystem::path defaultHistoryRoot();

// The time now, as the user's clock shows it.
LocalTime localTimeNow();

// The history folder under a local application data folder.
std::filesystem::path historyRootInLocalAppData(const std::filesystem::path& localAppData);

// The history folder from XDG_STATE_HOME, or from the home folder
// (~/.local/state) when that is unset, empty or not absolute (UTF-8 texts
// as the environment gives them). Empty when neither is known.
std::filesystem::path historyRootInStateHome(const std::optional<std::string>& xdgStateHome,
                                             const std::optional<std::string>& home);

}  // namespace vx
