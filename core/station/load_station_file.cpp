// Reading the open station file into the table, with its failure paths.
#include "files/station_file_check.h"
#include "station/call_prompt.h"
#include "station/history_commands.h"
#include "station/station.h"
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

Outcome Load(Station& s, bool mayConvert);

// Offers the conversion of a file of the previous version; the outcome of
// loading the converted file, or why there is none.
Outcome ConvertAndReload(Station& s) {
    Answer answer = AskWarning(s.prompter,
                               "Plik " + s.Document().FileName() + "\n" +
                                   "pochodzi z poprzedniej wersji programu." + "\n" +
                                   "Czy przekonwertować plik do nowej wersji?",
                               Buttons::YesNo);
    if (answer != Answer::Yes) {
        const Outcome declined = Refusal(Reason::ConversionDeclined);
        ShowError(s.prompter, OutcomeMessage(declined));
        return declined;
    }
    s.conversionFailed = false;
    if (s.convertOldFile)
        s.convertOldFile(s);
    else
        s.conversionFailed = true;
    if (s.conversionFailed) return Refusal(Reason::ConversionFailed);
    return Load(s, false);
}

Outcome HandleBadLine(Station& s, const std::string& line, bool mayConvert) {
    Outcome outcome;
    if (mayConvert && IsPreviousVersionLine(line)) {
        outcome = ConvertAndReload(s);
        if (outcome.reason != Reason::ConversionDeclined &&
            outcome.reason != Reason::ConversionFailed)
            return outcome;
    } else {
        outcome = Refusal(Reason::StationFileFault, line, s.Document().FileName());
        outcome.stationFault = static_cast<int>(StationFault::BadLine);
        ShowError(s.prompter, OutcomeMessage(outcome));
    }
    ForgetFailedLoad(s);
    return outcome;
}

Outcome Load(Station& s, bool mayConvert) {
    const ReadOutcome read = s.Document().Read();
    StartHistory(s);
    if (read.missing) {
        if (!read.ok()) ShowError(s.prompter, OutcomeMessage(read));
        s.View().texts.fileNamePanel.clear();
        SettleStationCall(s);
        return read;
    }
    s.View().grid.rows.clear();
    s.View().grid.currentRow.reset();
    if (!read.ok()) {
        ShowError(s.prompter, OutcomeMessage(read));
        ForgetFailedLoad(s);
        return read;
    }
    s.View().grid.rows = s.Document().Table().Rows();
    if (read.badLine) return HandleBadLine(s, *read.badLine, mayConvert);
    s.ShowStatusCounters(kAllPanels);
    Outcome reconciled = s.ReconcileWithReference();
    if (!reconciled.ok()) return reconciled;
    s.ReapplyView();
    SettleStationCall(s);
    reconciled.changedRows = read.changedRows;
    return reconciled;
}

}  // namespace

Outcome Station::LoadStationFile() {
    return Load(*this, true);
}

}  // namespace zorva
