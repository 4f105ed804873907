// Earlier versions of driver font files. Before a save replaces a file, its
// present bytes are kept in a history folder (the machine's for files in the
// spooler's driver folder, else the user's): one subfolder per file (the
// file's name and a number made from its full path), one file per version,
// named by a running number and the local time it was kept. Only such files
// that hold a driver font file of an accepted version are offered back;
// anything else found there is listed as unusable.
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

#include "history/history_places.h"
#include "history/version_record.h"
#include "settings/durable_write.h"
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

// Why a version could not be kept: the folder it was to go to, and the
// system's reason.
struct HistoryProblem {
    std::filesystem::path folder;
    std::error_code error;
};

// Why an entry of a file's history folder is not offered back.
enum class Unusable {
    NotAVersion,      // not a file that the tool keeps (another name, a folder)
    Link,             // a link, never followed
    Unreadable,       // cannot be read, or too large
    NotAccepted,      // not a driver font file of an accepted version
    OthersMayChange,  // machine-wide: others than the administrators may change it
};

struct HistoryVersion {
    int number = 0;    // 1 for the newest usable version; 0 for an unusable entry
    std::string time;  // when it was kept, "YYYY-MM-DD HH:MM:SS"; empty when unknown
    std::uintmax_t bytes = 0;
    std::filesystem::path file;
    std::optional<Unusable> unusable;
    std::string contents;  // a usable version's bytes, as read and checked
    // Who replaced it; nullopt when its record is missing or not trusted.
    std::optional<VersionRecord> record;
};

// Everything in a file's history folder: the versions newest first with the
// unusable entries among them by their numbers, then whatever bears no
// number. `problem` when the folder itself is not used.
struct HistoryListing {
    std::vector<HistoryVersion> entries;
    std::optional<HistoryProblem> problem;
};

// The reason of a problem in a few words, as the window and dvftool tell it.
std::string historyReasonJapanese(const std::error_code& error);
// Why an entry of a history folder is not offered back, in a few words.
std::string_view unusableReason(Unusable reason);

// The running number of a version's file name ("00000012_....dvf": 12);
// nullopt for any other name.
std::optional<long long> versionSequence(std::string_view fileName);

class FileHistory {
public:
    using Clock = std::function<LocalTime()>;

    // The versions of every file in the one folder `root` (named on the
    // command line); `clock` tells the time a version is kept.
    FileHistory(std::filesystem::path root, Clock clock);
    // The versions of each file in the history that `places` gives it.
    FileHistory(HistoryPlaces places, Clock clock);

    // The history that keeps the versions of `file`.
    const HistoryRoot& rootOf(const std::filesystem::path& file) const;

    // The folder that holds the versions of `file`. The same file named by
    // another spelling of its path (relative, "..", on Windows another
    // letter case; in the machine's history also through a link) has the
    // same folder.
    std::filesystem::path folderOf(const std::filesystem::path& file) const;

    // What the folder of `file` holds; nothing when there is no folder.
    HistoryListing list(const std::filesystem::path& file) const;
    // The usable versions of `file`, newest first.
    std::vector<HistoryVersion> versions(const std::filesystem::path& file) const;

    // A usable version's bytes exactly; nullopt for an unusable entry.
    static std::optional<std::string> read(const HistoryVersion& version);

    // Who makes the changes whose replaced bytes this history keeps: each
    // version kept from now on gets its record. None until set.
    void setAuthor(ChangeAuthor author) { author_ = std::move(author); }

    struct Kept {
        std::optional<std::filesystem::path> added;  // the new version's file
        std::optional<HistoryProblem> problem;
    };
    // Keeps `bytes` as the newest version of `file`, unless the newest
    // version holds exactly these bytes already. The version is on the disk
    // (flushed, its folder synced) when this returns without a problem.
    Kept keep(const std::filesystem::path& file, std::string_view bytes,
              FileLayer& layer = platformFileLayer()) const;

    // Removes the version `added` that keep() just made, in the history
    // folder of `file` as opened without links.
    void removeVersion(const std::filesystem::path& file,
                       const std::filesystem::path& added) const;

    // Removes all but the newest kKeptVersions usable versions of `file`,
    // and what is named as a version but older than the last of them. Only
    // usable versions count: files or folders planted under versions' names
    // push none of the tool's own out.
    void prune(const std::filesystem::path& file) const;

private:
    struct Entry {
        long long sequence;
        std::string time;
        std::filesystem::path file;
        FolderEntry found;
    };
    // The entries named as versions, of every kind, newest first; the rest
    // into `others` when given.
    static std::vector<Entry> entries(const HistoryFolder& folder,
                                      std::vector<FolderEntry>* others = nullptr);
    static HistoryListing listIn(const HistoryFolder& folder);
    // The usable versions in the folder, newest first; the newest's bytes
    // into `newest` when given.
    static std::vector<Entry> usableEntries(const HistoryFolder& folder,
                                            std::string* newest = nullptr);
    // Writes `bytes` as the version numbered `sequence` (or, when another
    // program took that name meanwhile, one of the next numbers) in the
    // opened folder, made and named in that very folder: on the disk
    // (flushed, the folder synced) before it has its name.
    DurableWrite writeVersion(const HistoryFolder& folder, std::string_view bytes,
                              long long sequence, const LocalTime& now, FileLayer& layer) const;
    // Removes the temporary files of versions that a save stopped halfway left.
    static void removeLeftovers(const HistoryFolder& folder);
    // The history of a file and the name of its folder there.
    struct Place {
        const HistoryRoot* root;
        std::filesystem::path name;
    };
    Place placeOf(const std::filesystem::path& file) const;
    // The folder of `file` as itself, made when `create`.
    HistoryFolder openFolderOf(const std::filesystem::path& file, bool create,
                               std::error_code& error) const;
    // The folder on the way to the folder of `file` that was refused.
    std::filesystem::path refusedFolder(const HistoryFolder& refused,
                                        const std::filesystem::path& file) const;

    HistoryPlaces places_;
    bool onlyFolder_ = false;  // the user's place for every file
    Clock clock_;
    std::optional<ChangeAuthor> author_;
};

}  // namespace vx
