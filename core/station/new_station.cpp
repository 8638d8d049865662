// "Nowy": a new station built from the reference file.
#include <optional>

#include "files/reference_file.h"
#include "files/station_file.h"
#include "station/call_prompt.h"
#include "station/history_commands.h"
#include "station/station.h"

namespace zorva {
namespace {

// What "Nowy" changes before the user has committed to the new station.
struct OpenStationNames {
    std::string call, caption, fileName, hint, panel;

    static OpenStationNames Of(const Station& s) {
        return {s.Document().Call(), s.View().texts.caption, s.Document().FileName(),
                s.View().texts.fileHint, s.View().texts.fileNamePanel};
    }
    void RestoreTo(Station& s) const {
        s.Document().SetCall(call);
        s.View().texts.caption = caption;
        s.Document().SetFileName(fileName);
        s.View().texts.fileHint = hint;
        s.View().texts.fileNamePanel = panel;
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
Outcome ForgetStationWithoutReference(Station& s, const Outcome& refused) {
    ShowError(s.prompter, OutcomeMessage(refused));
    s.Document().SetCall("");
    s.Document().SetFileName("");
    s.View().texts.fileHint = "Brak wybranego pliku!";
    s.View().texts.fileNamePanel.clear();
    s.View().texts.searchPrompt.clear();
    s.View().texts.typedPrefixShown.clear();
    s.View().typedPrefix.clear();
    s.ClearModified();
    s.EnableFileCommands(false);
    StartHistory(s);
    return refused;
}

void ShowTableInFileOrder(Station& s) {
    s.View().grid.rows = s.Document().Table().Rows();
    s.View().grid.currentRow = s.View().grid.rows.empty() ? std::nullopt : std::optional<int>(0);
}

Outcome ShowNewStation(Station& s) {
    const FillOutcome filled = s.Document().FillFromReference();
    if (!filled.tableReplaced) return ForgetStationWithoutReference(s, filled);
    // No file holds the new station yet, so no undo makes it clean.
    StartHistory(s);
    s.history.ForgetClean();
    // A bad line leaves the entities read before it in view.
    ShowTableInFileOrder(s);
    if (!filled.ok()) {
        ShowError(s.prompter, OutcomeMessage(filled));
        return filled;
    }
    s.EnableFileCommands(true);
    s.View().texts.searchPrompt = kPrefixPrompt;
    s.MarkModified();
    return filled;
}

}  // namespace

Outcome Station::New() {
    if (document_.IsModified() && document_.Table().HighestIndex() > 2) {
        Answer answer = AskWarning(prompter, "Dotychczasowe dane nie zostały zapisane!\nZapisać?",
                                   Buttons::YesNoCancel);
        if (answer != Answer::Yes && answer != Answer::No) return Cancellation();
        if (answer == Answer::Yes) {
            if (!Save()) return Refusal(Reason::NotSaved);
            ClearModified();
            view_.texts.fileNamePanel.clear();
        }
    }
    // Until the new station is settled, the open table keeps its call and file.
    const OpenStationNames before = OpenStationNames::Of(*this);
    auto call = AskStationCall(prompter);
    if (!call || call->empty()) return Cancellation();
    document_.SetCall(*call);
    UpdateCaption();
    SetCurrentFileName(document_.ProgramFile(StationFileNameForCall(document_.Call())));
    if (FileExists(document_.FileName())) {
        Answer answer =
            AskWarning(prompter, ExistingFileQuestion(document_.Call()), Buttons::YesNoCancel);
        if (answer == Answer::Yes) {
            const Outcome loaded = LoadStationFile();
            view_.texts.searchPrompt = kPrefixPrompt;
            EnableFileCommands(true);
            return loaded;
        }
        if (answer != Answer::No) {
            before.RestoreTo(*this);
            return Cancellation();
        }
    }
    document_.ClearCounters();
    ShowStatusCounters(kAllPanels);
    if (!FileExists(document_.ReferencePath()))
        return ForgetStationWithoutReference(
            *this, Refusal(Reason::NoReference, "", document_.ReferencePath()));
    return ShowNewStation(*this);
}

}  // namespace zorva
