#include "preview/svg_file.h"

#include "settings/file_io.h"

namespace vx {

bool saveSvgFile(const std::filesystem::path& path, std::string_view svg) {
    return saveOutputFile(path, svg);
}

}  // namespace vx
