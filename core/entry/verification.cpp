#include "entry/verification.h"

#include "station/undo_step.h"
#include "text/typed_value.h"

namespace zorva {

std::optional<std::string> StartVerification(Station& station) {
    if (!station.Document().HasRowsToVerify()) {
        ShowError(station.prompter, kNothingToVerify);
        return std::nullopt;
    }
    if (AskWarning(station.prompter, kVerificationQuestion, Buttons::YesNo, Answer::No) !=
        Answer::Yes) {
        return std::nullopt;
    }
    return IsoDate(station.clock.Today());
}

std::optional<int> VerifyConfirmedRows(Station& station, std::string_view typedDate) {
    UndoStep step(station, "weryfikacja");
    const Outcome outcome = station.Document().Verify(typedDate);
    if (!outcome.ok()) {
        ShowError(station.prompter, outcome.refusal);
        return std::nullopt;
    }
    if (outcome.changedRows > 0) {
        station.ShowStatusCounters(kPanelTotal | kPanelVerified | kPanelToVerify);
        station.MarkEdited();
    }
    station.ReapplyView();
    return outcome.changedRows;
}

}  // namespace zorva
