// dvftool's records of who changed a file: the author of the versions its
// saves keep, and the events of its saves, restores and refused saves (the
// same as the window's).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/driver_font_input.h"
#include "cli/dvftool_commands.h"
#include "history/history_save.h"

namespace vx {

// Who saves: the author given to the run, else this process's user and
// computer with "dvftool X.Y.Z".
ChangeAuthor dvftoolAuthor(const DvfToolIo& io);

struct Replacement {
    std::string printer;  // UTF-8; empty when the file was named by its path
    std::filesystem::path file;
    std::string_view before, after;  // the file's bytes
    const HistoryReplace& outcome;
    std::optional<std::filesystem::path> restoredVersion;  // set for a restore
};

// The event of a replacement: saved (or restored), or failed.
void recordReplacement(const DvfToolIo& io, const Replacement& replacement);

// The event of a save refused before anything was read or written: the
// lock held by another program, or a file that may not be saved into.
// Other failures to read (a missing file) are no save and write none.
void recordRefusal(const DvfToolIo& io, const std::string& printer,
                   const std::filesystem::path& file, const DriverFontInput& input);

}  // namespace vx
