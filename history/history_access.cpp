#include "history/history_access.h"

namespace vx {

namespace {

// Rights that change an object, its contents, its list or its owner.
constexpr std::uint32_t kChangingRights = 0x00000002     // write data, add a file
                                          | 0x00000004   // append data, add a folder
                                          | 0x00000010   // write extended attributes
                                          | 0x00000040   // delete a child
                                          | 0x00000100   // write attributes
                                          | 0x00010000   // delete
                                          | 0x00040000   // change the list
                                          | 0x00080000   // take ownership
                                          | 0x02000000   // whatever may be had
                                          | 0x10000000   // generic all
                                          | 0x40000000;  // generic write

bool trusted(const std::string& sidText) {
    return sidText == sid::kAdministrators || sidText == sid::kSystem;
}

}  // namespace

const AccessList& machineHistoryAccess() {
    static const AccessList list{
        sid::kAdministrators,
        true,
        {
            {sid::kAdministrators, true, false, true, rights::kFullControl},
            {sid::kSystem, true, false, true, rights::kFullControl},
            {sid::kUsers, true, false, true, rights::kReadAndList},
            {sid::kOwnerRights, true, false, true, rights::kReadAndList},
        },
    };
    return list;
}

AccessVerdict judgeAccess(const AccessList& list, OwnerRule rule) {
    if (!list.present) return AccessVerdict::OthersMayChange;
    bool ownerRightsTaken = false;
    for (const AccessEntry& entry : list.entries) {
        if (!entry.allows) continue;
        // An entry for what is made inside counts too: it would let others
        // change the versions kept there.
        if (!trusted(entry.sid) && (entry.mask & kChangingRights) != 0) {
            return AccessVerdict::OthersMayChange;
        }
        if (entry.sid == sid::kOwnerRights && !entry.inheritOnly) ownerRightsTaken = true;
    }
    if (trusted(list.owner)) return AccessVerdict::AdministratorsOnly;
    if (rule == OwnerRule::AdministratorsOrOwnerRights && ownerRightsTaken) {
        return AccessVerdict::AdministratorsOnly;
    }
    return AccessVerdict::ForeignOwner;
}

}  // namespace vx
