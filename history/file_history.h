// Earlier versions of driver font files. Before a save replaces a file, its
// present bytes are kept in a per-user history folder: one subfolder per
// file (the file's name and a number made from its full path), one file per
// version, named by a running number and the local time it was kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/file_layer.h"

namespace vx {

// How many versions of each file are kept.
inline constexpr std::size_t kKeptVersions = 20;

// A moment as the user's clock shows it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD HH:MM:SS".
std::string formatLocalTime(const LocalTime& time);

struct HistoryVersion {
    int number = 0;    // 1 for the newest
    std::string time;  // when it was kept, "YYYY-MM-DD HH:MM:SS"
    std::uintmax_t bytes = 0;
    std::filesystem::path file;
};

// Why a version could not be kept: the folder it was to go to, and the
// system's reason.
struct HistoryProblem {
    std::filesystem::path folder;
    std::error_code error;
};

// The reason of a problem in a few words (English for dvftool's standard
// error, Japanese for the window).
std::string historyReason(const std::error_code& error);
std::string historyReasonJapanese(const std::error_code& error);

class FileHistory {
public:
    using Clock = std::function<LocalTime()>;

    // `root` is the history folder; `clock` tells the time a version is kept.
    FileHistory(std::filesystem::path root, Clock clock);

    const std::filesystem::path& root() const { return root_; }

    // The folder that holds the versions of `file`. The same file named by
    // another spelling of its path (relative, "..", on Windows another
    // letter case) has the same folder.
    std::filesystem::path folderOf(const std::filesystem::path& file) const;

    // The versions of `file`, newest first; none when there is no folder.
    std::vector<HistoryVersion> versions(const std::filesystem::path& file) const;

    // A version's bytes exactly; nullopt when it cannot be read.
    static std::optional<std::string> read(const HistoryVersion& version);

    struct Kept {
        std::optional<std::filesystem::path> added;  // the new version's file
        std::optional<HistoryProblem> problem;
    };
    // Keeps `bytes` as the newest version of `file`, unless the newest
    // version holds exactly these bytes already. The version is on the disk
    // (flushed, its folder synced) when this returns without a problem.
    Kept keep(const std::filesystem::path& file, std::string_view bytes,
              FileLayer& layer = platformFileLayer()) const;

    // Removes all but the newest kKeptVersions versions of `file`.
    void prune(const std::filesystem::path& file) const;

private:
    struct Entry {
        long long sequence;
        std::string time;
        std::filesystem::path file;
    };
    // Newest first.
    static std::vector<Entry> entries(const std::filesystem::path& folder);

    std::filesystem::path root_;
    Clock clock_;
};

}  // namespace vx
