// Saving a preview's SVG picture: an existing file is replaced in one step,
// a new one is removed again when it cannot be written whole.
#pragma once

#include <filesystem>
#include <string_view>

namespace vx {

// False when the file could not be written; an existing file is then as
// it was.
bool saveSvgFile(const std::filesystem::path& path, std::string_view svg);

}  // namespace vx
