// Who may change the machine-wide history: the access list the tool gives
// the folders it makes there, and the judgement of an existing folder's or
// version's owner and list. Security identifiers are in their text form
// ("S-1-5-32-544"); access masks are the Windows file rights.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx {

namespace sid {
inline constexpr const char* kAdministrators = "S-1-5-32-544";
inline constexpr const char* kSystem = "S-1-5-18";
inline constexpr const char* kUsers = "S-1-5-32-545";
// Stands for whoever owns the object: an entry for it replaces the rights
// that an owner has without one (changing the list).
inline constexpr const char* kOwnerRights = "S-1-3-4";
}  // namespace sid

namespace rights {
inline constexpr std::uint32_t kFullControl = 0x001F01FF;
// Reading, listing and passing through: FILE_GENERIC_READ | FILE_GENERIC_EXECUTE.
inline constexpr std::uint32_t kReadAndList = 0x001200A9;
}  // namespace rights

// One entry of an access list.
struct AccessEntry {
    std::string sid;
    bool allows = true;  // false: denies
    // Applies to what is made inside only, not to the object itself.
    bool inheritOnly = false;
    // Handed on to files and folders made inside.
    bool inherited = false;
    std::uint32_t mask = 0;
};

struct AccessList {
    std::string owner;
    // false: no list at all, which lets everyone do everything.
    bool present = true;
    std::vector<AccessEntry> entries;
};

// The list of the folders the tool makes for the machine-wide history: owned
// by Administrators; full control for Administrators and SYSTEM, read for
// Users and for the owner as such, handed on to everything inside; nothing
// taken over from the folder above.
const AccessList& machineHistoryAccess();

enum class AccessVerdict {
    AdministratorsOnly,  // only Administrators and SYSTEM may change it
    ForeignOwner,        // owned by someone else, who may change its list
    OthersMayChange,     // the list lets someone else change it
};

enum class OwnerRule {
    // A folder: owned by Administrators or SYSTEM.
    Administrators,
    // A version: another owner is accepted when an owner-rights entry
    // takes away the owner's right to change the list.
    AdministratorsOrOwnerRights,
};

AccessVerdict judgeAccess(const AccessList& list, OwnerRule rule);

}  // namespace vx
