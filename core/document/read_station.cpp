// Reading the station's file into the table.
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/station_file_check.h"
#include "io/bounded_read.h"
#include "io/file_system.h"

namespace zorva {

ReadOutcome StationDocument::Read() {
    ReadOutcome outcome;
    if (!FileExists(currentFileName)) {
        outcome.missing = true;
        if (!currentFileName.empty())
            outcome.refusal = "Plik danych \n" + currentFileName + "\n" + "nie został znaleziony!";
        diskVersions.Forget();
        return outcome;
    }
    ReadResult raw = ReadFileUpTo(currentFileName, kStationFileMaxBytes);
    counters = {};
    table.ResetToPlaceholder();
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
        outcome.refusal = StationFaultMessage(currentFileName, checked);
        return outcome;
    }
    diskVersions.Remember(currentFileName, raw.bytes);
    stationCall = checked.contents.call;
    for (auto& row : checked.contents.rows) {
        counters.CountRow(row);
        table.Append(std::move(row));
        ++outcome.changedRows;
    }
    return outcome;
}

}  // namespace zorva
