#pragma once

#include <string>
#include <string_view>

namespace zorva {

// A key whose byte order is the Polish order of the texts, letter case aside,
// blanks and signs significant (before digits, digits before letters).
std::string PolishSortKey(std::string_view utf8);

}  // namespace zorva
