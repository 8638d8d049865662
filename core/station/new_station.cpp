// "Nowy": a new station built from the reference file.
#include <optional>

#include "files/reference_file.h"
#include "files/station_file.h"
#include "station/call_prompt.h"
#include "station/station.h"
#include "station/undo_step.h"

namespace zorva {
namespace {

// What "Nowy" changes before the user has committed to the new station.
struct OpenStationNames {
    std::string call, caption, fileName, hint, panel;

    static OpenStationNames Of(const Station& s) {
        return {s.stationCall, s.texts.caption, s.currentFileName, s.texts.fileHint,
                s.texts.fileNamePanel};
    }
    void RestoreTo(Station& s) const {
        s.stationCall = call;
        s.texts.caption = caption;
        s.currentFileName = fileName;
        s.texts.fileHint = hint;
        s.texts.fileNamePanel = panel;
    }
};

std::string ExistingFileQuestion(const std::string& call) {
    return "Plik dla " + call + " już istnieje. Wybierz:" + "\n" + "\n" +
           "TAK    - jeśli chcesz otworzyć ten plik" + "\n" +
           "NIE     - jeśli chcesz utworzyć nowy plik" + "\n" +
           "Anuluj - jeśli chcesz powrócić do programu." + "\n" + "\n" +
           "Uwaga: wybór NIE może spowodować " + "\n" + "utratę poprzednich danych z pliku!";
}

// The open table must not be saved under the new station's call and file.
void ForgetStationWithoutReference(Station& s, const std::string& message) {
    ShowError(s.prompter, message);
    s.stationCall.clear();
    s.currentFileName.clear();
    s.texts.fileHint = "Brak wybranego pliku!";
    s.texts.fileNamePanel.clear();
    s.texts.searchPrompt.clear();
    s.texts.typedPrefixShown.clear();
    s.typedPrefix.clear();
    s.ClearModified();
    s.EnableFileCommands(false);
    StartHistory(s);
}

void ShowTableInFileOrder(Station& s) {
    s.grid.rows = s.table.Rows();
    s.grid.currentRow = s.grid.rows.empty() ? std::nullopt : std::optional<int>(0);
}

void ShowNewStation(Station& s) {
    const FillOutcome filled = s.FillFromReference();
    if (!filled.tableReplaced) {
        ForgetStationWithoutReference(s, filled.refusal);
        return;
    }
    // No file holds the new station yet, so no undo makes it clean.
    StartHistory(s);
    s.history.ForgetClean();
    // A bad line leaves the entities read before it in view.
    ShowTableInFileOrder(s);
    if (!filled.ok()) {
        ShowError(s.prompter, filled.refusal);
        return;
    }
    s.EnableFileCommands(true);
    s.texts.searchPrompt = kPrefixPrompt;
    s.MarkModified();
}

}  // namespace

void Station::New() {
    if (modified && table.HighestIndex() > 2) {
        Answer answer = AskWarning(prompter, "Dotychczasowe dane nie zostały zapisane!\nZapisać?",
                                   Buttons::YesNoCancel);
        if (answer != Answer::Yes && answer != Answer::No) return;
        if (answer == Answer::Yes) {
            if (!Save()) return;
            ClearModified();
            texts.fileNamePanel.clear();
        }
    }
    // Until the new station is settled, the open table keeps its call and file.
    const OpenStationNames before = OpenStationNames::Of(*this);
    auto call = AskStationCall(prompter);
    if (!call || call->empty()) return;
    stationCall = *call;
    UpdateCaption();
    SetCurrentFileName(ProgramFile(StationFileNameForCall(stationCall)));
    if (FileExists(currentFileName)) {
        Answer answer =
            AskWarning(prompter, ExistingFileQuestion(stationCall), Buttons::YesNoCancel);
        if (answer == Answer::Yes) {
            LoadStationFile();
            texts.searchPrompt = kPrefixPrompt;
            EnableFileCommands(true);
            return;
        }
        if (answer != Answer::No) {
            before.RestoreTo(*this);
            return;
        }
    }
    counters = {};
    ShowStatusCounters(kAllPanels);
    if (!FileExists(ReferencePath())) {
        ForgetStationWithoutReference(*this, MissingReferenceMessage(ReferencePath()));
        return;
    }
    ShowNewStation(*this);
}

}  // namespace zorva
