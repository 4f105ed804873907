// Who saves on POSIX systems: the effective user's name (its number when it
// has none) and the host name.
#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "history/version_record.h"

namespace vx {

namespace {

std::string effectiveUserName() {
    const uid_t uid = geteuid();
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr && *found->pw_name != '\0') {
        return found->pw_name;
    }
    return "uid " + std::to_string(uid);
}

std::string hostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

}  // namespace

ChangeAuthor currentAuthor(std::string_view program) {
    return {effectiveUserName(), hostName(), std::string(program)};
}

}  // namespace vx
