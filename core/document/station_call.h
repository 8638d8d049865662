#pragma once

#include <optional>
#include <string>

namespace zorva {

// The refusal of a call that a station file could not hold; nothing when it may be stored.
std::optional<std::string> StationCallRefusal(const std::string& call);

// The name of a new station's file: the call in lower case with ".txt"; path
// separators in the call (as in "SP5ABC/P") become "_" so the file stays in its folder.
std::string StationFileNameForCall(const std::string& call);

}  // namespace zorva
