#pragma once

#include <string>

#include "session/undo_step.h"
#include "station/station.h"

namespace zorva {

inline constexpr const char* kUndoItem = "Cofnij";
inline constexpr const char* kRedoItem = "Ponów";

// "Cofnij" and "Ponów": the rows, counters and modified mark of the step before
// or after, shown in the current view. False when there is no such step.
bool UndoStepBack(Station& station);
bool RedoStepForward(Station& station);

// The menu items' texts: "Cofnij: import danych", or plain "Cofnij" with nothing to undo.
std::string UndoItemText(const Station& station);
std::string RedoItemText(const Station& station);

}  // namespace zorva
