#include "preview/svg_file.h"

#include <fstream>
#include <system_error>

#include "settings/file_io.h"

namespace vx {

bool saveSvgFile(const std::filesystem::path& path, std::string_view svg) {
    if (fileExists(path)) return replaceFileContents(path, svg);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    file.close();
    if (file) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace vx
