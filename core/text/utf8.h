#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

void AppendUtf8(std::string& out, char32_t cp);

// Decodes the code point at pos and moves pos past it; nothing on invalid UTF-8
// (pos then moves past the offending byte).
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& pos);

// Number of characters (code points); invalid bytes count one each.
size_t CharCount(std::string_view text);

// Byte offset of the character with the given index (text.size() past the end).
size_t ByteOffsetOfChar(std::string_view text, size_t charIndex);

// Characters [first, first + count) of the text, counted in characters.
std::string SubChars(std::string_view text, size_t first, size_t count = std::string::npos);

}  // namespace zorva
