#include "history/history_location.h"

namespace vx {

namespace {

std::filesystem::path fromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

const std::filesystem::path kToolHistory = std::filesystem::path("VXDrvFontTool") / "history";

}  // namespace

HistoryRoot historyRootInLocalAppData(const std::filesystem::path& localAppData) {
    if (localAppData.empty()) return {};
    return {localAppData, kToolHistory, HistoryAccess::Private};
}

HistoryRoot historyRootInProgramData(const std::filesystem::path& programData) {
    if (programData.empty()) return {};
    return {programData, kToolHistory, HistoryAccess::MachineWide};
}

HistoryRoot historyRootInStateHome(const std::optional<std::string>& xdgStateHome,
                                   const std::optional<std::string>& home) {
    const std::filesystem::path below = std::filesystem::path("vxdrvfonttool") / "history";
    // A relative XDG_STATE_HOME is to be ignored, as for every XDG variable.
    if (xdgStateHome && !xdgStateHome->empty() && fromUtf8(*xdgStateHome).is_absolute()) {
        return {fromUtf8(*xdgStateHome), below, HistoryAccess::Private};
    }
    if (!home || home->empty()) return {};
    return {fromUtf8(*home) / ".local" / "state", below, HistoryAccess::Private};
}

}  // namespace vx
