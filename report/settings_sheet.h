// The settings sheet: the 60 driver fonts of a file on one page, to keep,
// print and compare. One HTML file (UTF-8) with its style and pictures
// inside, no script and nothing fetched: a head with the printer and the
// file, contents with a row per font linking to its block, and one block
// per font with its picture at true size and the fields its type uses; or
// the head and one table of all fonts (the summary). Printed on A4, no
// font's block is split, every page names the printer and the date and
// carries its number and the count, and a picture wider than the page says
// the scale it is printed at.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace vx {

// The file the sheet describes (UTF-8 texts).
struct SheetFile {
    std::string path;     // the full path
    std::string version;  // [DVF] Version as the file holds it
    std::uintmax_t size = 0;
    std::string modified;  // "YYYY-MM-DD HH:MM:SS"; empty when not known
    std::string sha256;    // of the file's bytes
    // The driver fonts (UTF-8) whose sections the file does not hold: the
    // store gives them their factory values.
    std::vector<std::string> fontsWithoutSection;
};

struct SheetReference {
    SheetFile file;  // its full path, size, time of last change and SHA-256
    const SettingsStore* settings = nullptr;
};

// The whole sheet (every font's block with its picture), or its summary:
// the head and one table of the 60 fonts with their key values, to file.
enum class SheetForm { Full, Summary };

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
    SheetForm form = SheetForm::Full;
    std::string note;  // the user's words for the head (place, serial, who checked); UTF-8
};

std::string settingsSheetHtml(const SheetRequest& request);

}  // namespace vx
