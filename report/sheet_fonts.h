// What the settings sheet says of each driver font: its name and type, the
// fields its type uses under the page's labels and as the page shows them,
// the figures of the contents, and against a reference what differs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/font_places.h"
#include "settings/settings_store.h"

namespace vx {

// One field as the page shows it (UTF-8).
struct SheetField {
    std::string name;   // as dvftool names it
    std::string label;  // the page's label
    std::string shown;  // the value as the page shows it, with its unit
    // The reference's value, shown the same way, when it differs.
    std::optional<std::string> reference;
    // A list's value that is none of the list's codes: shown as the file
    // holds it, and marked.
    bool unlisted = false;
};

struct SheetFont {
    FontPlace place;
    int number = 0;    // 1 to 60, in the order of dvftool dump
    std::string name;  // UTF-8
    std::string type;  // the type's name (UTF-8)
    // The fields the type uses, in dump order; the fields of one list of
    // the page (check digit and its mode) once when they show the same.
    std::vector<SheetField> fields;
    // Against a reference: whether the font differs. A save writes only
    // the fields the type uses, so every difference is in a field shown.
    bool differs = false;
};

// Every font of the settings, in dump order; with a reference, the
// differences as a save would write both (as dvftool diff finds them).
std::vector<SheetFont> sheetFonts(const SettingsStore& settings, const SettingsStore* reference);

// The contents' figures of a font: its position, its size (magnification,
// width and height, module or bar widths, bar height) and its rotation,
// each as the fields of the font that give it; a figure the type does not
// have is empty.
struct SheetFigures {
    std::vector<const SheetField*> position, size, rotation;
};
SheetFigures sheetFigures(const SheetFont& font);

}  // namespace vx
