#pragma once

#include <string>

#include "session/edit_session.h"

namespace zorva {

// One step of the window's history: the rows and counters as they stand when
// it begins, recorded with those at its end when they changed.
class UndoStep {
  public:
    UndoStep(EditSession& session, std::string name);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

    void Rename(std::string name) { name_ = std::move(name); }

  private:
    EditSession& session_;
    std::string name_;
    DocumentState before_;
};

// After a load or a new station: no steps, and the clean state is the present
// one unless it is already modified.
void StartHistory(EditSession& session);

}  // namespace zorva
