// The folders of a history, opened without following links. A history lies
// in a folder taken as it is (the base: the user's or the machine's
// application data, or a folder named on the command line); every folder
// the tool makes below it, and every version, is opened as itself: a link
// there (on Windows any reparse point: a junction, a symbolic link) is
// refused, never followed. Folders of the machine-wide history are made with
// an access list of their own, and one that exists is used only when no one
// but the administrators may change it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/file_layer.h"

namespace vx {

enum class HistoryAccess {
    Private,      // the user's own, or one named on the command line
    MachineWide,  // changed by the administrators only, read by every user
};

struct HistoryRoot {
    std::filesystem::path base;
    // Relative to base; the folders the tool makes and never follows a link in.
    std::filesystem::path below;
    HistoryAccess access = HistoryAccess::Private;

    // A folder named as a whole: its last name is the tool's, the rest is taken as it is.
    static HistoryRoot named(const std::filesystem::path& folder);
    std::filesystem::path folder() const { return below.empty() ? below : base / below; }
    bool empty() const { return below.empty(); }
};

// Why a history folder or version is not used, beyond the system's reasons.
enum class HistoryError {
    Link = 1,         // a link stands where a folder or version belongs
    ForeignOwner,     // machine-wide: owned by someone but the administrators
    OthersMayChange,  // machine-wide: others than the administrators may change it
    NumbersUsedUp,    // no version number is left
};
const std::error_category& historyErrorCategory();
std::error_code make_error_code(HistoryError error);

// The largest version that is read: none of the tool's files is larger.
inline constexpr std::uintmax_t kLargestVersionBytes = 16u * 1024u * 1024u;

enum class EntryKind { File, Link, Folder, Other };

struct FolderEntry {
    std::string name;  // UTF-8
    EntryKind kind = EntryKind::Other;
    std::uintmax_t bytes = 0;
};

// One folder of a history, open for as long as this lives. On Windows the
// folders from the base down stay open so that none of them can be moved
// or replaced meanwhile.
class HistoryFolder {
public:
    // Opens the folder `name` (one name) of `root`, making what is missing
    // when `create`. Sets `error` and returns an empty folder when it cannot
    // be had, its path() the folder on the way that was refused (the base,
    // a folder of the history, or the file's own); a folder that does not
    // exist is errc::no_such_file_or_directory.
    static HistoryFolder open(const HistoryRoot& root, const std::filesystem::path& name,
                              bool create, std::error_code& error);

    explicit operator bool() const { return state_ != nullptr; }
    const std::filesystem::path& path() const { return path_; }

    // What the folder holds, each entry as itself (a link as a link).
    std::vector<FolderEntry> entries() const;
    // The bytes of a file in it: a regular file, not a link, not larger than
    // kLargestVersionBytes; in the machine-wide history one that only the
    // administrators may change.
    std::optional<std::string> read(std::string_view name, std::error_code& error) const;
    // Removes a regular file in it; never a link, a folder or anything else.
    bool removeFile(std::string_view name) const;
    // The folder as the file layer makes and names files in it.
    HeldFolder held() const;

private:
    // Opens base (as it is) and each folder of `below` in it as itself.
    // read() on an open folder.
    std::optional<std::string> readOpen(std::string_view name, std::error_code& error) const;
    static HistoryFolder openBelow(const std::filesystem::path& base,
                                   const std::filesystem::path& below, HistoryAccess access,
                                   bool create, std::error_code& error);

    struct State;
    // Shared: the platform's state is complete only where it is made.
    std::shared_ptr<State> state_;
    std::filesystem::path path_;
    HistoryAccess access_ = HistoryAccess::Private;
};

// The path with the links in it resolved, as far as it exists; absolute
// and without "." and ".." otherwise.
std::filesystem::path resolvedPath(const std::filesystem::path& path);

}  // namespace vx

namespace std {
template <>
struct is_error_code_enum<vx::HistoryError> : true_type {};
}  // namespace std
