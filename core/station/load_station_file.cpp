// Reading the open station file into the table, with its failure paths.
#include "files/station_file_check.h"
#include "station/call_prompt.h"
#include "station/station.h"
#include "station/undo_step.h"
#include "text/columns.h"

namespace zorva {
namespace {

// A partial table must never be saved over the file it came from, so a failed
// load forgets the file name as well.
void ForgetFailedLoad(Station& s) {
    s.ClearModified();
    s.Document().SetCall("");
    s.SetCurrentFileName("");
    StartHistory(s);
}

void SettleStationCall(Station& s) {
    if (!s.Document().Call().empty()) {
        // A file opened over another station's must not keep that station's call in the caption.
        s.UpdateCaption();
        return;
    }
    if (s.Document().Table().HighestIndex() > 2)
        s.Document().SetCall(AskStationCall(s.prompter).value_or(""));
    if (!s.Document().Call().empty()) {
        s.Document().SetCall(ToUpperText(s.Document().Call()));
        s.MarkModified();
        // The call is no step: undoing every step still leaves it unsaved.
        s.history.ForgetClean();
    }
    s.UpdateCaption();
}

void Load(Station& s, bool mayConvert);

// Offers the conversion of a file of the previous version; true when the file
// was converted and loaded again.
bool ConvertedAndReloaded(Station& s) {
    Answer answer = AskWarning(s.prompter,
                               "Plik " + s.Document().FileName() + "\n" +
                                   "pochodzi z poprzedniej wersji programu." + "\n" +
                                   "Czy przekonwertować plik do nowej wersji?",
                               Buttons::YesNo);
    if (answer != Answer::Yes) {
        ShowError(s.prompter,
                  "Przekonwertuj ten plik używając programu Konwersja_ZORVA_Rade.exe.\n"
                  "Dopiero po konwersji wczytaj plik.");
        return false;
    }
    s.conversionFailed = false;
    if (s.convertOldFile)
        s.convertOldFile(s);
    else
        s.conversionFailed = true;
    if (s.conversionFailed) return false;
    Load(s, false);
    return true;
}

void HandleBadLine(Station& s, const std::string& line, bool mayConvert) {
    if (mayConvert && IsPreviousVersionLine(line)) {
        if (ConvertedAndReloaded(s)) return;
    } else {
        CheckedStationFile bad;
        bad.fault = StationFault::BadLine;
        bad.detail = line;
        ShowError(s.prompter, StationFaultMessage(s.Document().FileName(), bad));
    }
    ForgetFailedLoad(s);
}

void Load(Station& s, bool mayConvert) {
    const ReadOutcome read = s.Document().Read();
    StartHistory(s);
    if (read.missing) {
        if (!read.ok()) ShowError(s.prompter, read.refusal);
        s.View().texts.fileNamePanel.clear();
        SettleStationCall(s);
        return;
    }
    s.View().grid.rows.clear();
    s.View().grid.currentRow.reset();
    if (!read.ok()) {
        ShowError(s.prompter, read.refusal);
        ForgetFailedLoad(s);
        return;
    }
    s.View().grid.rows = s.Document().Table().Rows();
    if (read.badLine) {
        HandleBadLine(s, *read.badLine, mayConvert);
        return;
    }
    s.ShowStatusCounters(kAllPanels);
    if (!s.ReconcileWithReference()) return;
    s.ReapplyView();
    SettleStationCall(s);
}

}  // namespace

void Station::LoadStationFile() {
    Load(*this, true);
}

}  // namespace zorva
