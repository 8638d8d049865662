#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// Files are Windows-1250; memory is UTF-8. The five byte values that
// Windows-1250 leaves undefined (0x81 0x83 0x88 0x90 0x98) read as the C1
// control characters of the same number and write back as the same byte, so
// reading and writing any file is lossless.
std::string DecodeCp1250(std::string_view bytes);

// Nothing when the text holds a character that Windows-1250 cannot hold (or
// is not valid UTF-8); such text must be refused, never replaced.
std::optional<std::string> EncodeCp1250(std::string_view utf8);

bool FitsCp1250(std::string_view utf8);

// The first character that Windows-1250 cannot hold, as UTF-8, for messages.
std::string FirstUnencodable(std::string_view utf8);

}  // namespace zorva
