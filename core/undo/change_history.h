#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/counters.h"
#include "model/entity_table.h"

namespace zorva {

// What a step may change of a station: its rows and counters, and the modified
// mark to show with them whenever they are not the saved ones.
struct DocumentState {
    EntityTable table;
    Counters counters;
    std::string modifiedMark;

    bool SameData(const DocumentState& other) const;
};

// The steps taken since the station was loaded, each between two whole states,
// and which state the file on disk holds (the clean one).
class ChangeHistory {
  public:
    static constexpr size_t kMaxSteps = 100;

    // Forgets every step; `clean` says the present state is the file's.
    void Reset(bool clean);
    // A new step drops whatever could be redone.
    void Record(std::string name, DocumentState before, DocumentState after);
    void MarkClean();
    // The present state differs from the file in a way that no step undoes.
    void ForgetClean();

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < names_.size(); }
    const std::string& UndoName() const;
    const std::string& RedoName() const;

    // One step back or forward: the state to restore, its mark empty when it is
    // the file's; nothing when there is no such step.
    std::optional<DocumentState> Undo();
    std::optional<DocumentState> Redo();

  private:
    DocumentState Present() const;

    std::deque<DocumentState> states_;
    std::deque<std::string> names_;  // names_[k] leads from states_[k] to states_[k + 1]
    size_t position_ = 0;
    std::optional<size_t> clean_ = 0;
};

}  // namespace zorva
