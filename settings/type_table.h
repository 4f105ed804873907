// What the symbol type tables have in common: a row per type at the
// position of its enum value (the type index), and FontType numbers that
// count on from the first row, as the driver font file's numbers outside
// a table do.
#pragma once

#include <cstddef>
#include <optional>

namespace vx {

// Every type has its row at its type index, the last enumerator included,
// and the FontType numbers run on without a gap.
template <class Row, std::size_t N>
consteval bool rowsFollowTheirTypes(const Row (&rows)[N], decltype(Row::type) lastType) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].type) != i ||
            rows[i].fontType != rows[0].fontType + static_cast<int>(i)) {
            return false;
        }
    }
    return static_cast<std::size_t>(lastType) == N - 1;
}

// The type at a type index; nothing outside the table.
template <class Row, std::size_t N>
constexpr std::optional<decltype(Row::type)> typeAtIndex(const Row (&rows)[N], int typeIndex) {
    if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= N) return std::nullopt;
    return rows[typeIndex].type;
}

}  // namespace vx
