// The settings sheet: the 60 driver fonts of a file on one page, to keep,
// print and compare. One HTML file (UTF-8) with its style and pictures
// inside, no script and nothing fetched: a head with the printer and the
// file, contents with a row per font linking to its block, and one block
// per font with its picture at true size and the fields its type uses.
// Printed on A4, no font's block is split and every page names the printer
// and the date.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_store.h"

namespace vx {

// The file the sheet describes (UTF-8 texts).
struct SheetFile {
    std::string path;     // the full path
    std::string version;  // [DVF] Version as the file holds it
    std::uintmax_t size = 0;
    std::string modified;  // "YYYY-MM-DD HH:MM:SS"; empty when not known
    std::string sha256;    // of the file's bytes
};

struct SheetReference {
    std::string path;  // as the user named it (UTF-8)
    const SettingsStore* settings = nullptr;
};

struct SheetRequest {
    const SettingsStore* settings = nullptr;  // what the sheet shows
    SheetFile file;
    std::string printer;  // the printer's name (UTF-8); empty when not known
    std::string driver;   // its driver's name (UTF-8); empty when not known
    double dpi = 305;     // the resolution the pictures are drawn at
    std::string madeAt;   // "YYYY-MM-DD HH:MM:SS"
    // How many fonts of `settings` differ from the file as it is on disk
    // (the window's unsaved values); 0 when the sheet is of the file alone.
    std::size_t unsavedFonts = 0;
    std::optional<SheetReference> against;
};

std::string settingsSheetHtml(const SheetRequest& request);

}  // namespace vx
