// "Otwórz": another station file in place of the open one.
#include "io/file_system.h"
#include "station/station.h"

namespace zorva {

void Station::Open() {
    if (document_.IsModified() && document_.Table().HighestIndex() > 2) {
        Answer answer = AskWarning(prompter, "Dotychczasowe dane nie zostały zapisane!\nZapisać?",
                                   Buttons::YesNoCancel);
        if (answer != Answer::Yes && answer != Answer::No) return;
        // Unsaved data are left behind only when the user said so.
        if (answer == Answer::Yes && !Save()) return;
    }
    if (auto chosen = prompter.ChooseOpenFile({kFileFilter, "", ""})) {
        SetCurrentFileName(*chosen);
        if (!FileExists(*chosen)) {
            ShowError(prompter, "Plik \"" + *chosen + "\" nie został znaleziony!");
            return;
        }
        LoadStationFile();
    }
    EnableFileCommands(true);
}

}  // namespace zorva
