#include "settings/durable_write.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>

namespace vx {

namespace fs = std::filesystem;

fs::path temporaryNameBeside(const fs::path& file) {
    static std::atomic<unsigned> counter{0};
    static const unsigned long long processPart = [] {
        std::random_device random;
        return (static_cast<unsigned long long>(random()) << 32) ^ random();
    }();
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%llx.%llx.%u.tmp", processPart,
                  static_cast<unsigned long long>(now), counter++);
    fs::path name = file.filename();
    name += suffix;
    return file.parent_path() / (fs::path(".") += name);
}

DurableWrite writeDurably(FileLayer& layer, std::string_view bytes,
                          const std::function<fs::path(int)>& nameFor, int attempts) {
    DurableWrite result;
    const fs::path first = nameFor(0);
    const fs::path temporary = temporaryNameBeside(first);
    std::unique_ptr<NewFile> file = layer.createNew(temporary, result.error);
    if (!file) return result;
    result.error = file->write(bytes);
    if (!result.error) result.error = file->flush();
    file.reset();
    if (result.error) {
        layer.remove(temporary);
        return result;
    }
    // Another writer may take a name at the same moment: the next is tried.
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const fs::path target = attempt == 0 ? first : nameFor(attempt);
        result.error = layer.renameNew(temporary, target);
        if (result.error == std::errc::file_exists) continue;
        if (result.error) break;
        result.file = target;
        result.error = layer.syncFolder(target.parent_path());
        return result;
    }
    layer.remove(temporary);
    return result;
}

}  // namespace vx
