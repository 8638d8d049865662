#pragma once

#include <optional>
#include <string>

#include "ports/prompter.h"

namespace zorva {

// Asks "Podaj swój znak:" until the answer can be written to a station file;
// nothing when the box is cancelled. The answer is returned as typed; blanks
// alone give the empty call.
std::optional<std::string> AskStationCall(Prompter& prompter);

// The name of a new station's file: the call in lower case with ".txt"; path
// separators in the call (as in "SP5ABC/P") become "_" so the file stays in its folder.
std::string StationFileNameForCall(const std::string& call);

}  // namespace zorva
