#include "history/history_places.h"

namespace vx {

std::string pathKey(const std::filesystem::path& path) {
    const std::u8string generic = path.lexically_normal().generic_u8string();
    std::string key(generic.begin(), generic.end());
#ifdef _WIN32
    // Windows file names ignore letter case.
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
#endif
    while (key.size() > 1 && key.back() == '/') key.pop_back();
    return key;
}

bool liesIn(const std::filesystem::path& path, const std::filesystem::path& folder) {
    if (folder.empty()) return false;
    const std::string inner = pathKey(path);
    const std::string outer = pathKey(folder);
    if (inner.size() < outer.size() || inner.compare(0, outer.size(), outer) != 0) return false;
    // "drivers2" does not lie in "drivers".
    return inner.size() == outer.size() || outer.back() == '/' || inner[outer.size()] == '/';
}

const HistoryRoot& historyRootFor(const std::filesystem::path& resolvedFile,
                                  const HistoryPlaces& places) {
    if (!places.machine.empty() && liesIn(resolvedFile, places.driverFolder)) {
        return places.machine;
    }
    return places.user;
}

}  // namespace vx
