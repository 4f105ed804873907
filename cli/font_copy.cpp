#include "cli/font_copy.h"

#include <algorithm>

#include "settings/driver_font_file.h"

namespace vx {

bool copyFontSettings(const SettingsStore& source, const std::vector<std::string>& fonts,
                      IniDocument& target) {
    SettingsStore merged;
    loadDriverFontFile(target, merged);
    auto copy = [&](const auto& from, auto& to) {
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (fonts.empty() || std::count(fonts.begin(), fonts.end(), from[i].fontName) > 0) {
                to[i] = from[i];
            }
        }
    };
    copy(source.fonts, merged.fonts);
    copy(source.barcodes, merged.barcodes);
    copy(source.codes2D, merged.codes2D);
    return writeDriverFontSections(merged, target, fonts);
}

}  // namespace vx
