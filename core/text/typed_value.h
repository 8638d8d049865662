#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// How a refusal names the first control character (below 0x20, or 0x7F) of a
// typed value, e.g. "symbol sterujący (kod 10)". Such a character would split
// or shift the line of the file the value is stored in. Nothing when there is none.
std::optional<std::string> ControlSymbol(std::string_view text);

// How a refusal names the first character that a typed value must not bring
// into a file: a control character as above, or one that Windows-1250 cannot
// hold, e.g. "symbol \"Ж\"". Nothing when the value may be stored.
std::optional<std::string> UnstorableSymbol(std::string_view utf8);

}  // namespace zorva
