// The commands of dvftool, independent of the process entry so that tests
// can run them in-process. Arguments and output are UTF-8.
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "events/change_event.h"
#include "history/history_places.h"
#include "printer/printer_binding.h"
#include "settings/file_layer.h"

namespace vx {

enum DvfToolExit : int {
    kExitDone = 0,
    kExitUsage = 1,
    kExitUnreadable = 2,
    kExitVersion = 3,
    kExitSaveFailed = 4,
    kExitPrinter = 5,
    kExitDiffer = 6,
    kExitDataRefused = 7,  // preview: data that the font's type cannot print
    // The file holds the new bytes, but the disk did not confirm them (its
    // folder's sync failed).
    kExitNotConfirmed = 8,
};

struct DvfToolIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Where printers named with --printer are looked up; both null where
    // printers cannot be addressed (builds without a print spooler).
    Spooler* spooler = nullptr;
    const SystemEnvironment* environment = nullptr;
    // The histories in which saves keep the file's previous bytes unless
    // --history or --no-history says otherwise; none when unset.
    std::optional<HistoryPlaces> historyPlaces = std::nullopt;
    // The file operations through which saves reach the disk; the
    // platform's when null.
    FileLayer* fileLayer = nullptr;
    // Where the events of saves, restores and refused saves go; nowhere
    // when null.
    EventWriter* events = nullptr;
    // Who saves; this process's user and computer when unset.
    std::optional<ChangeAuthor> author = std::nullopt;
};

// Tells of the file (as messages name it) "保存しました。" or
// "保存できませんでした。" (standard error); the exit status that goes with it.
int reportSave(bool saved, std::string_view file, const DvfToolIo& io);

// args excludes the program name.
int runDvfTool(const std::vector<std::string>& args, const DvfToolIo& io);

}  // namespace vx
