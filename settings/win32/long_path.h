// Paths for the wide file functions of Windows.
#pragma once

#include <filesystem>
#include <string>

namespace vx {

// Paths of any length: absolute paths get the "\\?\" prefix. An empty or
// unusable path stays empty, which every file function refuses.
std::wstring longPath(const std::filesystem::path& path);

}  // namespace vx
