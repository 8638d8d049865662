// Reading the station's file into the table.
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/station_file_check.h"
#include "io/bounded_read.h"
#include "io/file_system.h"

namespace zorva {

ReadOutcome StationDocument::Read() {
    ReadOutcome outcome;
    if (!FileExists(fileName_)) {
        outcome.missing = true;
        if (!fileName_.empty())
            outcome.refusal = "Plik danych \n" + fileName_ + "\n" + "nie został znaleziony!";
        diskVersions_.Forget();
        return outcome;
    }
    ReadResult raw = ReadFileUpTo(fileName_, kStationFileMaxBytes);
    counters_ = {};
    table_.ResetToPlaceholder();
    if (!raw.ok()) {
        outcome.refusal = FileErrorMessage(raw.status);
        return outcome;
    }
    CheckedStationFile checked = CheckStationFile(raw.bytes);
    // A bad line is the caller's to tell (the file may be of the previous version); the
    // rows before it are shown. Any other fault loads nothing.
    if (checked.fault == StationFault::BadLine) {
        outcome.badLine = std::move(checked.detail);
    } else if (checked.fault != StationFault::None) {
        outcome.refusal = StationFaultMessage(fileName_, checked);
        return outcome;
    }
    diskVersions_.Remember(fileName_, raw.bytes);
    call_ = checked.contents.call;
    for (auto& row : checked.contents.rows) {
        counters_.CountRow(row);
        table_.Append(std::move(row));
        ++outcome.changedRows;
    }
    return outcome;
}

}  // namespace zorva
