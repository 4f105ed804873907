// Writing a new file so that its bytes are on the disk before it has its
// name: a power cut leaves either no file or the whole file, never an empty
// or a partial one under the name.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
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

// A name for a temporary file beside `file` that no other writer picks.
std::filesystem::path temporaryNameBeside(const std::filesystem::path& file);

}  // namespace vx
