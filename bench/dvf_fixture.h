// Driver font files for the benchmarks: the factory store saved into a file
// that holds only the version section, and that file grown with unrelated
// sections to a multiple of its size.
#pragma once

#include <string>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace vx::bench {

// The whole store at its factory values, as a save writes it.
inline std::string factoryDriverFontFile() {
    IniDocument file(std::string("[DVF]\r\nVersion=2\r\n"));
    SettingsStore store;
    loadDriverFontFile(file, store);
    writeDriverFontSections(store, file);
    return file.bytes();
}

// `base` followed by sections that no load or save addresses, until the text
// is at least `factor` times as long as `base`.
inline std::string grownDriverFontFile(const std::string& base, int factor) {
    const std::string japanese = cp932("関連のない設定");
    const std::string value = cp932("明朝 14ポイント(BOLD)");
    std::string text = base;
    const std::size_t target = base.size() * static_cast<std::size_t>(factor);
    for (int n = 1; text.size() < target; ++n) {
        text += "[" + (n % 2 == 0 ? japanese : std::string("Other")) + std::to_string(n) + "]\r\n";
        for (int k = 1; k <= 20 && text.size() < target; ++k) {
            text += "Key" + std::to_string(k) + "=" + (k % 3 == 0 ? value : std::to_string(n * k)) +
                    "\r\n";
        }
    }
    return text;
}

}  // namespace vx::bench
