#pragma once

#include "document/outcome.h"
#include "document/station_document.h"
#include "ports/clock.h"
#include "ports/prompter.h"
#include "undo/change_history.h"
#include "view/view_state.h"
#include "view/window_panels.h"

namespace zorva {

// What a flow that changes a station needs of the session holding it: the document, changed
// only through its own operations; the questions and the date; the grid the user points at;
// and the session's bookkeeping after a change, so that the window shows what changed.
class EditSession {
  public:
    virtual ~EditSession() = default;

    virtual StationDocument& Document() = 0;
    virtual ViewState& View() = 0;
    virtual Prompter& Questions() = 0;
    virtual const Clock& Calendar() const = 0;
    virtual ChangeHistory& History() = 0;

    virtual void ShowStatusCounters(unsigned panels) = 0;
    virtual void MarkModified() = 0;
    virtual void MarkEdited() = 0;  // Modified with the dialogs' mark
    virtual void ApplyView(ViewMode mode) = 0;
    virtual void ReapplyView() = 0;
    // "Nowy" with its questions, for a flow that needs a station to work on.
    virtual Outcome New() = 0;
};

}  // namespace zorva
