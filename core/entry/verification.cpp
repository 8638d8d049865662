#include "entry/verification.h"

#include "text/columns.h"
#include "text/typed_value.h"

namespace zorva {
namespace {

bool HasRowToVerify(const EntityTable& table) {
    for (const EntityRow& row : table.Rows()) {
        if (row.IsToVerify()) return true;
    }
    return false;
}

void MoveToVerified(Counters& counters, const EntityRow& row) {
    --counters.toVerifyAll;
    ++counters.verifiedAll;
    if (!row.IsDeleted()) {
        --counters.toVerifyActive;
        ++counters.verifiedActive;
    }
}

}  // namespace

std::optional<std::string> StartVerification(Station& station) {
    if (!HasRowToVerify(station.table)) {
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
    const std::string verificationDate = PadCut(typedDate, kVerificationDateWidth);
    // Blanks in the verification column read back as "not verified", so a
    // blank date would be lost at the next save; only the stored part counts.
    if (Trim(verificationDate).empty()) {
        ShowError(station.prompter, kEmptyVerificationDate);
        return std::nullopt;
    }
    if (auto symbol = UnstorableSymbol(typedDate)) {
        ShowError(station.prompter, "Data weryfikacji zawiera " + *symbol +
                                        ", którego nie można zapisać w pliku danych!");
        return std::nullopt;
    }
    int verified = 0;
    for (EntityRow& row : station.table.Rows()) {
        if (!row.IsToVerify()) continue;
        row.verifiedDate = verificationDate;
        MoveToVerified(station.counters, row);
        ++verified;
    }
    if (verified > 0) {
        station.ShowStatusCounters(kPanelTotal | kPanelVerified | kPanelToVerify);
        station.MarkEdited();
    }
    station.ReapplyView();
    return verified;
}

}  // namespace zorva
