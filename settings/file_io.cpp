#include "settings/file_io.h"

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

bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
    std::unique_ptr<FileReplacement> replacement = makeFileReplacement(target);
    return replaceFileContents(*replacement, bytes);
}

}  // namespace vx
