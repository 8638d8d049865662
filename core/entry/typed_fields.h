#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// The entry dialog's fields as their edit masks hold a typed text. Both front
// ends read the call through these; the command line, with no mask to hold a
// date to its form, the date too.

inline constexpr const char* kCallTooLong = "Znak może mieć najwyżej 15 znaków!";
inline constexpr const char* kDateNotMasked = "Data łączności ma postać rrrr-mm-dd!";

// Capitals as typed, padded with blanks to 15 characters; nothing when longer.
std::optional<std::string> CallFieldFromTyped(std::string_view typed);

// "rrrr-mm-dd" with digits or blanks ("_" reads as a blank) in the digit
// positions; an empty text is the empty field. Nothing when the text does not
// fit the mask.
std::optional<std::string> DateFieldFromTyped(std::string_view typed);

}  // namespace zorva
