#pragma once

#include <string>
#include <string_view>

namespace zorva {

// Fixed-column layouts count characters, not bytes.
// The text padded on the right with blanks and cut to exactly width characters.
std::string PadCut(std::string_view text, size_t width);

// The text padded on the left with blanks to width characters (never cut).
std::string PadLeft(std::string_view text, size_t width);

// Characters [first, first + count) counted from 0; past the end gives less or nothing.
std::string Columns(std::string_view line, size_t first, size_t count);

// The character at a 1-based column, or nothing past the end.
std::string ColumnAt(std::string_view line, size_t column);

// Blanks (and control characters below 0x20, as a trim of text files does) removed at both ends.
std::string Trim(std::string_view text);

std::string ToUpperText(std::string_view utf8);
std::string ToLowerText(std::string_view utf8);

std::string ToDecimal(long long value);

}  // namespace zorva
