// Reading the settings store from a driver font file and writing it back.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace vx {

// Section and key of the file layout version; read, never written.
inline constexpr std::string_view kVersionSection = "DVF";
inline constexpr std::string_view kVersionKey = "Version";
inline constexpr std::string_view kFontTypeKey = "FontType";

// True when the file's layout version is 2 or more.
bool isSupportedFileVersion(const IniDocument& file);

// Overwrites every record of the store from the file, with the factory
// values for whatever the file lacks.
void loadDriverFontFile(const IniDocument& file, SettingsStore& store);

// Rewrites the 60 font sections of the document from the store. False when
// a value cannot be written (it would break the file's structure).
bool writeDriverFontSections(const SettingsStore& store, IniDocument& file);
// The same for the sections of the named fonts only (code page 932; every
// font when none is named): no other line of the document changes.
bool writeDriverFontSections(const SettingsStore& store, IniDocument& file,
                             const std::vector<std::string>& fontNames);

// Empties a section except for its first key spelt exactly "FontType".
// Keys with empty names, duplicates and other spellings ("fonttype") go
// too. A missing section counts as cleared.
bool clearSectionExceptFontType(IniDocument& file, std::string_view section);

// A non-negative integer as decimal digits without leading zeros.
std::string formatDecimal(int value);

// The outcome of a save as a whole: the file on disk is either the new one
// or exactly the one before.
enum class SaveOutcome { Saved, Failed };

// Reads the file at `path`, rewrites its font sections from the store and
// replaces the file in one step. A missing or unreadable file fails and
// creates nothing.
SaveOutcome saveDriverFontFile(const SettingsStore& store, const std::filesystem::path& path);

// Loads from the file at `path`; a missing or unreadable file gives the
// factory state.
void loadDriverFontFile(const std::filesystem::path& path, SettingsStore& store);
bool isSupportedFileVersion(const std::filesystem::path& path);

}  // namespace vx
