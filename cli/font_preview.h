// dvftool preview: a font's symbol or text at true size as SVG.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace vx {

struct FontPreviewOptions {
    std::optional<std::string> data;  // UTF-8; nothing: the type's sample
    int dpi = 305;
    std::string output;  // path of the SVG file (UTF-8)
};

struct FontPreviewOutcome {
    int exit = 0;
    std::string about;               // what the message is about (UTF-8)
    std::string message;             // why nothing was written
    std::vector<std::string> notes;  // what the picture does not show (UTF-8)
};

// Writes the symbol or text of the font named `fontCp932`. Exit 7 when the
// symbol's encoder refuses the data or a character font's type cannot print
// it, 1 for a font of no such name, 4 when the file cannot be written.
FontPreviewOutcome writeFontPreview(const SettingsStore& store, const std::string& fontCp932,
                                    const FontPreviewOptions& options);

}  // namespace vx
