#pragma once

#include <string>
#include <string_view>

namespace zorva {

// The order of the ASCII blanks and signs in the Polish collation of ICU:
// whitespace, then punctuation, then symbols. The Windows collation orders
// them otherwise (a hyphen before a blank, for one).
inline constexpr std::string_view kSignOrder = "\t\n\v\f\r _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$";

// The text with each sign of kSignOrder written as a blank and its two-digit
// place there: a collation that puts blanks before digits and digits before
// letters then orders the signs as kSignOrder does.
std::string WithSignsRanked(std::string_view utf8);

}  // namespace zorva
