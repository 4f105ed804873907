// The preview of a driver font of the settings store, found by its place or
// its name: what dvftool preview draws and the settings sheet shows.
#pragma once

#include <optional>
#include <string_view>

#include "preview/symbol_preview.h"
#include "settings/font_places.h"

namespace vx {

SymbolPreview previewOfFont(const SettingsStore& store, FontPlace place,
                            const PreviewSettings& settings);

// Nothing for a name (code page 932) that names no driver font.
std::optional<SymbolPreview> previewOfNamedFont(const SettingsStore& store,
                                                std::string_view fontCp932,
                                                const PreviewSettings& settings);

}  // namespace vx
