// Verification: the club's date stamped into every confirmation not verified yet.
#include "document/entity_fields.h"
#include "document/station_document.h"
#include "text/columns.h"
#include "text/typed_value.h"

namespace zorva {
namespace {

void MoveToVerified(Counters& counters, const EntityRow& row) {
    --counters.toVerifyAll;
    ++counters.verifiedAll;
    if (!row.IsDeleted()) {
        --counters.toVerifyActive;
        ++counters.verifiedActive;
    }
}

}  // namespace

bool StationDocument::HasRowsToVerify() const {
    for (const EntityRow& row : table_.Rows()) {
        if (row.IsToVerify()) return true;
    }
    return false;
}

Outcome StationDocument::Verify(std::string_view typedDate) {
    const std::string verificationDate = PadCut(typedDate, kVerificationDateWidth);
    // Blanks in the verification column read back as "not verified", so a
    // blank date would be lost at the next save; only the stored part counts.
    if (Trim(verificationDate).empty()) return Refused(kEmptyVerificationDate);
    if (auto symbol = UnstorableSymbol(typedDate)) {
        return Refused("Data weryfikacji zawiera " + *symbol +
                       ", którego nie można zapisać w pliku danych!");
    }
    Outcome outcome;
    for (EntityRow& row : table_.Rows()) {
        if (!row.IsToVerify()) continue;
        row.verifiedDate = verificationDate;
        MoveToVerified(counters_, row);
        ++outcome.changedRows;
    }
    if (outcome.changedRows > 0) modified_ = true;
    return outcome;
}

}  // namespace zorva
