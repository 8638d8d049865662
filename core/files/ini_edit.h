#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorva {

// Keys and values of one section, as Windows-1250 bytes, in the order they are set.
using IniValues = std::vector<std::pair<std::string, std::string>>;

// The bytes of an INI file with these keys of the section set. Only the lines
// of those keys change: every other line, understood or not, NUL bytes and
// line ends included, stays as it was. A key is looked for as profile readers
// find it (section and key without regard to letter case, the first one
// counting); a missing key is added at the end of the section's first part, a
// missing section at the end of the file.
std::string SetIniValues(std::string_view fileBytes, std::string_view section,
                         const IniValues& values);

}  // namespace zorva
