#include "settings/file_io.h"

#include <system_error>

#include "settings/durable_write.h"
#include "settings/file_layer.h"

namespace vx {

bool replaceFileContents(FileReplacement& replacement, std::string_view bytes) {
    if (!replacement.openTemporary()) {
        replacement.discard();
        return false;
    }
    if (replacement.write(bytes) && replacement.flush() && replacement.commit()) return true;
    replacement.discard();
    return false;
}

namespace {

ReplaceOutcome outcomeOf(const DurableWrite& written) {
    if (!written.file) return ReplaceOutcome::Failed;
    return written.error ? ReplaceOutcome::NotConfirmed : ReplaceOutcome::Replaced;
}

}  // namespace

ReplaceOutcome replaceWholeFile(FileLayer& layer, const std::filesystem::path& target,
                                std::string_view bytes) {
    if (target.empty()) return ReplaceOutcome::Failed;
    const bool existed = layer.exists(target);
    bool replaced = false;
    if (std::unique_ptr<FileReplacement> replacement = layer.replacement(target)) {
        replaced = replaceFileContents(*replacement, bytes);
    }
    if (replaced) {
        return layer.syncFolder(target.parent_path()) ? ReplaceOutcome::NotConfirmed
                                                      : ReplaceOutcome::Replaced;
    }
    // A replacement that failed halfway (the file moved away, the new one
    // not in its place) leaves nothing at the name: the new bytes go there.
    if (existed && !layer.exists(target)) {
        return outcomeOf(writeDurably(layer, bytes, [&](int) { return target; }));
    }
    return ReplaceOutcome::Failed;
}

bool replaceFileContents(FileLayer& layer, const std::filesystem::path& target,
                         std::string_view bytes) {
    return replaceWholeFile(layer, target, bytes) == ReplaceOutcome::Replaced;
}

bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
    return replaceFileContents(platformFileLayer(), target, bytes);
}

ReplaceOutcome writeOutputFile(FileLayer& layer, const std::filesystem::path& path,
                               std::string_view bytes) {
    if (path.empty()) return ReplaceOutcome::Failed;
    if (layer.exists(path)) return replaceWholeFile(layer, path, bytes);
    return outcomeOf(writeDurably(layer, bytes, [&](int) { return path; }));
}

bool saveOutputFile(FileLayer& layer, const std::filesystem::path& path, std::string_view bytes) {
    return writeOutputFile(layer, path, bytes) == ReplaceOutcome::Replaced;
}

bool saveOutputFile(const std::filesystem::path& path, std::string_view bytes) {
    return saveOutputFile(platformFileLayer(), path, bytes);
}

bool fileTooLarge(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return !ec && size > kMaxFileBytes;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace vx
