// The access lists of the machine-wide history in Windows terms: the
// security descriptor the tool gives the folders it makes, and the owner
// and list of an existing folder or version.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "history/history_access.h"

namespace vx {

// A self-relative security descriptor of `list` (owner and a protected
// list, nothing taken over from the folder above); empty when it cannot be
// built.
std::vector<BYTE> securityDescriptorOf(const AccessList& list);

// The owner and list in a security descriptor; nullopt when unreadable.
std::optional<AccessList> accessListOfDescriptor(PSECURITY_DESCRIPTOR descriptor);

// The owner and list of an open file or folder (opened with READ_CONTROL).
std::optional<AccessList> accessListOfObject(HANDLE object);

// Whether the descriptor keeps the folder above from handing on its entries.
bool isListProtected(PSECURITY_DESCRIPTOR descriptor);

}  // namespace vx
