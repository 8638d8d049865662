#pragma once

#include <optional>
#include <string>

#include "document/station_call.h"
#include "ports/prompter.h"

namespace zorva {

// Asks "Podaj swój znak:" until the answer can be written to a station file;
// nothing when the box is cancelled. The answer is returned as typed; blanks
// alone give the empty call.
std::optional<std::string> AskStationCall(Prompter& prompter);

}  // namespace zorva
