// Writing a new file so that its bytes are on the disk before it has its
// name: a power cut leaves either no file or the whole file, never an empty
// or a partial one under the name.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "settings/file_layer.h"

namespace vx {

struct DurableWrite {
    // The name the file took; set also when only the folder's sync failed
    // (the file is there, but whether its name survives a power cut is
    // not known).
    std::optional<std::filesystem::path> file;
    std::error_code error;
};

// Writes `bytes` into a new file under a temporary name beside the first
// name, flushes it, renames it to the first of `nameFor(0)` ...
// `nameFor(attempts - 1)` that is free (never replacing a file) and syncs
// the folder. Nothing stays under the temporary name.
DurableWrite writeDurably(FileLayer& layer, std::string_view bytes,
                          const std::function<std::filesystem::path(int attempt)>& nameFor,
                          int attempts = 1);

// writeDurably for names (`nameFor` gives one name, no folder) in a folder
// held open: the file is made and renamed in that very folder. The result's
// file is the folder's path and the name.
DurableWrite writeDurablyIn(FileLayer& layer, const HeldFolder& folder, std::string_view bytes,
                            const std::function<std::filesystem::path(int attempt)>& nameFor,
                            int attempts = 1);

// A name for a temporary file beside `file` that no other writer picks:
// ".NAME.<hex>.<hex>.<n>.tmp".
std::filesystem::path temporaryNameBeside(const std::filesystem::path& file);

// The name of the file that a temporary file of the tool's own pattern was
// for (earlier versions' Windows pattern "NAME.<n>.<n>.tmp" included); nullopt
// for any other name. Names are UTF-8.
std::optional<std::string> temporaryNameFor(std::string_view name);

// Removes the temporary files of the tool's own pattern for `file` beside
// it, which a save stopped halfway (a crash, a power cut) leaves; regular
// files only, never a link or a folder. The caller holds the file's lock,
// so no save of the file is writing one.
void removeLeftoverTemporaries(FileLayer& layer, const std::filesystem::path& file);

}  // namespace vx
