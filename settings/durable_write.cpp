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

namespace {

bool allOf(std::string_view text, std::string_view allowed) {
    return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
}

// Cuts the last dot-separated part off `name`; empty when there is none.
std::string_view cutLast(std::string_view& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view part = name.substr(dot + 1);
    name = name.substr(0, dot);
    return part;
}

}  // namespace

std::optional<std::string> temporaryNameFor(std::string_view name) {
    constexpr std::string_view kSuffix = ".tmp";
    constexpr std::string_view kHex = "0123456789abcdef";
    constexpr std::string_view kDigits = "0123456789";
    if (!name.ends_with(kSuffix)) return std::nullopt;
    std::string_view rest = name.substr(0, name.size() - kSuffix.size());
    const bool hidden = rest.starts_with('.');
    if (hidden) rest.remove_prefix(1);
    const std::string_view counter = cutLast(rest);
    const std::string_view second = cutLast(rest);
    if (!allOf(counter, kDigits) || rest.empty()) return std::nullopt;
    if (hidden) {
        const std::string_view first = cutLast(rest);
        if (!allOf(first, kHex) || !allOf(second, kHex) || rest.empty()) return std::nullopt;
    } else if (!allOf(second, kDigits)) {
        return std::nullopt;
    }
    return std::string(rest);
}

void removeLeftoverTemporaries(FileLayer& layer, const fs::path& file) {
    const std::u8string own = file.filename().u8string();
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        const std::optional<std::string> owner =
            temporaryNameFor(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
        if (!owner || std::u8string(owner->begin(), owner->end()) != own) continue;
        std::error_code ignored;
        if (fs::symlink_status(it->path(), ignored).type() == fs::file_type::regular) {
            layer.remove(it->path());
        }
    }
}

namespace {

// The steps of a durable write, on paths or on names in a held folder.
struct WriteSteps {
    std::function<std::unique_ptr<NewFile>(const fs::path&, std::error_code&)> create;
    std::function<std::error_code(const fs::path&, const fs::path&)> rename;
    std::function<std::error_code(const fs::path&)> sync;  // the folder of the name
    std::function<void(const fs::path&)> remove;
    std::function<fs::path(const fs::path&)> shown;  // the name as the result gives it
};

DurableWrite writeWith(const WriteSteps& steps, std::string_view bytes,
                       const std::function<fs::path(int)>& nameFor, int attempts) {
    DurableWrite result;
    const fs::path first = nameFor(0);
    const fs::path temporary = temporaryNameBeside(first);
    std::unique_ptr<NewFile> file = steps.create(temporary, result.error);
    if (!file) return result;
    result.error = file->write(bytes);
    if (!result.error) result.error = file->flush();
    file.reset();
    if (result.error) {
        steps.remove(temporary);
        return result;
    }
    // Another writer may take a name at the same moment: the next is tried.
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const fs::path target = attempt == 0 ? first : nameFor(attempt);
        result.error = steps.rename(temporary, target);
        if (result.error == std::errc::file_exists) continue;
        if (result.error) break;
        result.file = steps.shown(target);
        result.error = steps.sync(target);
        return result;
    }
    steps.remove(temporary);
    return result;
}

}  // namespace

DurableWrite writeDurably(FileLayer& layer, std::string_view bytes,
                          const std::function<fs::path(int)>& nameFor, int attempts) {
    const WriteSteps steps{
        [&](const fs::path& path, std::error_code& error) { return layer.createNew(path, error); },
        [&](const fs::path& from, const fs::path& to) { return layer.renameNew(from, to); },
        [&](const fs::path& name) { return layer.syncFolder(name.parent_path()); },
        [&](const fs::path& path) { layer.remove(path); },
        [](const fs::path& name) { return name; },
    };
    return writeWith(steps, bytes, nameFor, attempts);
}

DurableWrite writeDurablyIn(FileLayer& layer, const HeldFolder& folder, std::string_view bytes,
                            const std::function<fs::path(int)>& nameFor, int attempts) {
    const WriteSteps steps{
        [&](const fs::path& name, std::error_code& error) {
            return layer.createNewIn(folder, name, error);
        },
        [&](const fs::path& from, const fs::path& to) {
            return layer.renameNewIn(folder, from, to);
        },
        [&](const fs::path&) { return layer.syncHeldFolder(folder); },
        [&](const fs::path& name) { layer.removeIn(folder, name); },
        [&](const fs::path& name) { return folder.path / name; },
    };
    return writeWith(steps, bytes, nameFor, attempts);
}

}  // namespace vx
