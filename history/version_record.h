// Who made the change that replaced a kept version: a small file of the
// tool's own beside the version, named after it
// ("00000012_2024-05-01_10-30-00.dvf.who"), written after the version and on
// the disk with it, and read as carefully as a version (never through a
// link, a regular file of the tool's name only, small). A version without
// it is still offered back; who replaced it is then unknown.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_folder.h"
#include "settings/durable_write.h"
#include "settings/file_layer.h"

namespace vx {

// Who saves: the user (on Windows "DOMAIN\name"), the computer and the
// program with its version ("VXDrvFontTool 4.0.0", "dvftool 4.0.0"), UTF-8.
struct ChangeAuthor {
    std::string user;
    std::string computer;
    std::string program;
};

// The author of the changes this process makes: the user it runs as (the
// effective user on POSIX systems) and the computer's name.
ChangeAuthor currentAuthor(std::string_view program);

// A kept version's record: who replaced it, and when.
struct VersionRecord {
    ChangeAuthor author;
    std::string time;  // "YYYY-MM-DD HH:MM:SS", the user's clock
};

// What the window and dvftool show for what a version's record does not tell.
inline constexpr std::string_view kUnknownAuthor = "不明";
std::string shownOrUnknown(std::string_view value);

inline constexpr std::string_view kVersionRecordExtension = ".who";
// No record the tool writes is larger; a larger file is not read.
inline constexpr std::uintmax_t kLargestVersionRecordBytes = 4096;

// "00000012_2024-05-01_10-30-00.dvf.who" for that version's file name.
std::string versionRecordName(std::string_view versionName);
// The version file name a record's name belongs to; nullopt for any other
// name (a version's own name included).
std::optional<std::string> versionOfRecordName(std::string_view name);

// The record's text (UTF-8 lines "key=value"), and back; a text that is not
// the tool's (another first line, a line without "=", a control character,
// invalid UTF-8) is nullopt.
std::string formatVersionRecord(const VersionRecord& record);
std::optional<VersionRecord> parseVersionRecord(std::string_view text);

// Writes the record of the version file `version` beside it in the opened
// history folder, as durably as the version (flushed before it has its
// name, the folder synced); never replaces a file.
DurableWrite writeVersionRecord(FileLayer& layer, const HistoryFolder& folder,
                                const std::filesystem::path& version,
                                const VersionRecord& record);

// The records found in a history folder, by the name of their version.
class VersionRecords {
public:
    // Takes the regular files named as records out of `others` (what the
    // folder holds beside its versions): they are the versions' own, not
    // entries to list. A link or folder named so stays there, listed as
    // unusable.
    VersionRecords(const HistoryFolder& folder, std::vector<FolderEntry>& others);
    // The record of a version; nullopt when there is none, or none that
    // can be trusted (a link, too large, not the tool's text, in the
    // machine's history one that others may change).
    std::optional<VersionRecord> of(std::string_view versionName) const;

private:
    const HistoryFolder& folder_;
    std::map<std::string, std::uintmax_t, std::less<>> found_;  // version name, record size
};

// Removes the records whose version is no longer in the folder (a pruning
// that ended between a version and its record).
void removeLeftOverRecords(const HistoryFolder& folder);

}  // namespace vx
