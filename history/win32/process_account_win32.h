// The account this process runs as (its token's user), for the records of
// who saved and the event log's user.
#pragma once

#include <windows.h>

#include <vector>

namespace vx {

// The TOKEN_USER of the process's token; empty when it cannot be read.
std::vector<unsigned char> processTokenUser();

// Its security identifier, inside `tokenUser`; null when empty.
PSID processSid(const std::vector<unsigned char>& tokenUser);

}  // namespace vx
