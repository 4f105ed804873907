#include "history/history_location.h"

namespace vx {

namespace {

std::filesystem::path fromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

std::filesystem::path historyRootInLocalAppData(const std::filesystem::path& localAppData) {
    if (localAppData.empty()) return {};
    return localAppData / "VXDrvFontTool" / "history";
}

std::filesystem::path historyRootInStateHome(const std::optional<std::string>& xdgStateHome,
                                             const std::optional<std::string>& home) {
    // A relative XDG_STATE_HOME is to be ignored, as for every XDG variable.
    if (xdgStateHome && !xdgStateHome->empty() && fromUtf8(*xdgStateHome).is_absolute()) {
        return fromUtf8(*xdgStateHome) / "vxdrvfonttool" / "history";
    }
    if (!home || home->empty()) return {};
    return fromUtf8(*home) / ".local" / "state" / "vxdrvfonttool" / "history";
}

}  // namespace vx
