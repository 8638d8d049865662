#include "entry/verification.h"

#include "session/undo_step.h"
#include "text/typed_value.h"

namespace zorva {

std::optional<std::string> StartVerification(EditSession& session) {
    if (!session.Document().HasRowsToVerify()) {
        ShowError(session.Questions(), kNothingToVerify);
        return std::nullopt;
    }
    if (AskWarning(session.Questions(), kVerificationQuestion, Buttons::YesNo, Answer::No) !=
        Answer::Yes) {
        return std::nullopt;
    }
    return IsoDate(session.Calendar().Today());
}

std::optional<int> VerifyConfirmedRows(EditSession& session, std::string_view typedDate) {
    UndoStep step(session, "weryfikacja");
    const Outcome outcome = session.Document().Verify(typedDate);
    if (!outcome.ok()) {
        ShowError(session.Questions(), OutcomeMessage(outcome));
        return std::nullopt;
    }
    if (outcome.changedRows > 0) {
        session.ShowStatusCounters(kPanelTotal | kPanelVerified | kPanelToVerify);
        session.MarkEdited();
    }
    session.ReapplyView();
    return outcome.changedRows;
}

}  // namespace zorva
