#pragma once

#include <string>

#include "station/station.h"

namespace zorva {

inline constexpr const char* kUndoItem = "Cofnij";
inline constexpr const char* kRedoItem = "Ponów";

// One step of the window's history: the rows and counters as they stand when
// it begins, recorded with those at its end when they changed.
class UndoStep {
  public:
    UndoStep(Station& station, std::string name);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

    void Rename(std::string name) { name_ = std::move(name); }

  private:
    Station& station_;
    std::string name_;
    DocumentState before_;
};

// After a load or a new station: no steps, and the clean state is the present
// one unless it is already modified.
void StartHistory(Station& station);

// "Cofnij" and "Ponów": the rows, counters and modified mark of the step before
// or after, shown in the current view. False when there is no such step.
bool UndoStepBack(Station& station);
bool RedoStepForward(Station& station);

// The menu items' texts: "Cofnij: import danych", or plain "Cofnij" with nothing to undo.
std::string UndoItemText(const Station& station);
std::string RedoItemText(const Station& station);

}  // namespace zorva
