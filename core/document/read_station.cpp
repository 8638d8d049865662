// Reading the station's file into the table.
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/station_file.h"
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
    ReadResult raw = ReadWholeFile(currentFileName);
    counters = {};
    table.ResetToPlaceholder();
    if (!raw.ok()) {
        outcome.refusal = FileErrorMessage(raw.status);
        return outcome;
    }
    diskVersions.Remember(currentFileName, raw.bytes);
    StationFileContents contents = ParseStationFile(raw.bytes);
    stationCall = contents.call;
    for (auto& row : contents.rows) {
        counters.CountRow(row);
        table.Append(std::move(row));
        ++outcome.changedRows;
    }
    outcome.badLine = std::move(contents.badLine);
    return outcome;
}

}  // namespace zorva
