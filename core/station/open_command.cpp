// "Otwórz": another station file in place of the open one.
#include "io/file_system.h"
#include "station/station.h"

namespace zorva {

Outcome Station::Open() {
    if (document_.IsModified() && document_.Table().HighestIndex() > 2) {
        Answer answer = AskWarning(prompter, "Dotychczasowe dane nie zostały zapisane!\nZapisać?",
                                   Buttons::YesNoCancel);
        if (answer != Answer::Yes && answer != Answer::No) return Cancellation();
        // Unsaved data are left behind only when the user said so.
        if (answer == Answer::Yes && !Save()) return Refusal(Reason::NotSaved);
    }
    Outcome outcome = Cancellation();
    if (auto chosen = prompter.ChooseOpenFile({kFileFilter, "", ""})) {
        SetCurrentFileName(*chosen);
        if (!FileExists(*chosen)) {
            outcome = Refusal(Reason::FileNotFound, "", *chosen);
            ShowError(prompter, OutcomeMessage(outcome));
            return outcome;
        }
        outcome = LoadStationFile();
    }
    EnableFileCommands(true);
    return outcome;
}

}  // namespace zorva
