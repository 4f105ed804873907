// Replacing and saving a driver font file so that its present bytes are
// kept as a version first. The window and dvftool save through these.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "history/file_history.h"
#include "settings/file_check.h"
#include "settings/file_layer.h"
#include "settings/file_lock.h"
#include "settings/settings_store.h"

namespace vx {

// Why a save was not even tried; the file and its history are untouched.
enum class SaveRefusal {
    Link,      // the file is a symbolic link (saves do not go through links)
    TooLarge,  // the new bytes would be larger than kMaxFileBytes
    LockLost,  // the lock file was removed meanwhile: another writer may be in
};

struct HistoryReplace {
    bool replaced = false;
    // The file holds the new bytes, but its folder's sync failed: whether
    // they survive a power cut is not known. `replaced` is false.
    bool unconfirmed = false;
    std::optional<SaveRefusal> refused;
    // Set when the present bytes could not be kept; the file is replaced
    // all the same.
    std::optional<HistoryProblem> historyProblem;
    // The version that keeps the replaced bytes, when one was added.
    std::optional<std::filesystem::path> keptVersion;
};

// Replaces the file at `path`, which holds `present`, by `bytes` in one
// step, keeping `present` as a version first (none without a history); the
// version is on the disk before the file is replaced. After a replacement
// the versions beyond the newest kKeptVersions go. A replacement that
// failed halfway and left nothing at the file's name puts the new bytes
// there, or else `present`. The version just kept goes again only when the
// file is found to hold exactly its bytes. The caller holds the file's lock
// (`lock`, asked before the replacement whether it still is the file's);
// the tool's own temporary files that a stopped save left beside the file
// and in its history go first.
HistoryReplace replaceKeepingHistory(const std::filesystem::path& path, std::string_view present,
                                     std::string_view bytes, const FileHistory* history,
                                     FileLayer& layer = platformFileLayer(),
                                     const FileLock* lock = nullptr);

enum class HistorySaveOutcome {
    Saved,
    Failed,
    ChangedMeanwhile,
    Busy,         // another program held the file's lock for the whole wait
    NotAccepted,  // the file is no longer one that may be saved into
    Refused,      // see `refusal`; nothing written
    LockRefused,  // the lock file is not to be had (see `lock`); nothing written
    NotConfirmed,  // the file holds the new bytes; the disk did not confirm them
};

struct HistorySave {
    HistorySaveOutcome outcome = HistorySaveOutcome::Failed;
    // The bytes the file held before the save; nullopt when it could not
    // be read.
    std::optional<std::string> present;
    // What the file holds after the save; empty when it holds no new bytes.
    std::string written;
    std::optional<HistoryProblem> historyProblem;
    std::optional<std::filesystem::path> keptVersion;  // as HistoryReplace's
    FileCheck check = FileCheck::Accepted;  // why the file was NotAccepted
    std::optional<SaveRefusal> refusal;     // why it was Refused
    FileLock lock;  // for LockRefused: the lock as tried (never held)
};

// The sentence that tells why the lock file of a save was not to be had
// (Failed, NotAFile, LeftBehind), for the window and dvftool (UTF-8).
std::string lockRefusalText(const FileLock& lock);
// The sentence that tells why a save was refused (UTF-8).
std::string_view saveRefusalText(SaveRefusal refusal);

// Writes the store into the file at `path` as a save does (its font
// sections rewritten, every other byte kept), keeping the file's present
// bytes as a version, all under the file's lock. With `expected`, a file
// that no longer holds those bytes (someone else saved it) is left alone:
// ChangedMeanwhile, with the bytes found in `present`.
HistorySave saveKeepingHistory(const SettingsStore& store, const std::filesystem::path& path,
                               const FileHistory* history,
                               const std::optional<std::string>& expected = std::nullopt,
                               FileLayer& layer = platformFileLayer());

}  // namespace vx
