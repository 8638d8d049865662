#pragma once

#include <array>
#include <cstddef>

namespace zorva {

inline constexpr char32_t kEscapeKey = 27;

// Characters from '0' to 'z' (digits, letters and the signs between them) take
// part in the prefix search; the slash and the hyphen lie below and never do.
inline constexpr bool IsPrefixCharacter(char32_t ch) {
    return ch >= 48 && ch <= 122;
}

// At most four typed characters stay between key presses; the fifth starts afresh.
inline constexpr std::size_t kMaxTypedPrefix = 4;

// The window width that fits the eight columns of the grid exactly.
int WindowWidthForColumns(const std::array<int, 8>& columnWidths);

}  // namespace zorva
