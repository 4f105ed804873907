// What the settings sheet tells of the file it was made from: its full
// path, the version it declares, its size, the time of its last change and
// its SHA-256, so that a printed sheet names the exact file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "report/settings_sheet.h"

namespace vx {

// The facts of the file at `path` whose bytes were read as `bytes`: the
// size and digest are those of the bytes, the time the file system's.
SheetFile describeSheetFile(const std::filesystem::path& path, const std::string& bytes);

// "18,541 バイト"
std::string byteCountText(std::uintmax_t bytes);

}  // namespace vx
