// The history folder and the clock on POSIX systems.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "history/history_location.h"

namespace vx {

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace

// No spooler here: every file's versions are the user's.
HistoryPlaces defaultHistoryPlaces() {
    std::optional<std::string> home = variable("HOME");
    if (!home || home->empty()) {
        // Without HOME, the account's own home folder.
        if (const passwd* account = ::getpwuid(::getuid()); account != nullptr) {
            home = account->pw_dir;
        }
    }
    return {{}, {}, historyRootInStateHome(variable("XDG_STATE_HOME"), home)};
}

LocalTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace vx
