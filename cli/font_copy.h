// Copying the settings of chosen fonts from one driver font file into
// another without touching anything else of the target.
#pragma once

#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace vx {

// Copies the records of the named fonts (code page 932 names; every font
// when none is named) from `source` into the target file. Each copied
// font's section is rewritten as a save writes it, with the keys of the
// font's type; every other line of the target keeps its bytes. False when
// a value cannot be written; the target is then to be discarded. Names
// that are no font's name are ignored: callers check them first.
bool copyFontSettings(const SettingsStore& source, const std::vector<std::string>& fonts,
                      IniDocument& target);

}  // namespace vx
