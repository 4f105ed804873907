// One entry of a coded list: the text the user sees and the codes it stands
// for in the record (up to three fields, as "M" and "0").
#pragma once

#include <array>
#include <string_view>

namespace vx {

struct CodedEntry {
    std::string_view text;                  // as the user sees it (UTF-8)
    std::array<std::string_view, 3> codes;  // one per field of the list, unused ones empty
};

}  // namespace vx
