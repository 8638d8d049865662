// A new station built from the reference file.
#include "document/station_call.h"
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/reference_file.h"
#include "io/file_system.h"
#include "io/text_file.h"

namespace zorva {

Outcome StationDocument::Create(const std::string& call) {
    if (auto refusal = StationCallRefusal(call)) return Refused(*refusal);
    stationCall = call;
    currentFileName = ProgramFile(StationFileNameForCall(call));
    counters = {};
    return FillFromReference();
}

FillOutcome StationDocument::FillFromReference() {
    FillOutcome outcome;
    if (!FileExists(ReferencePath())) {
        outcome.refusal = MissingReferenceMessage(ReferencePath());
        return outcome;
    }
    TextLines reference = ReadTextLines(ReferencePath());
    if (!reference.ok()) {
        outcome.refusal = FileErrorMessage(reference.status);
        return outcome;
    }
    table.ResetToPlaceholder();
    outcome.tableReplaced = true;
    for (const auto& line : reference.lines) {
        if (line.empty()) continue;
        if (IsBadReferenceLine(line)) {
            outcome.refusal = BadReferenceLineMessage(line);
            return outcome;
        }
        table.Append(ParseReferenceLine(line));
        ++outcome.changedRows;
    }
    modified = true;
    return outcome;
}

}  // namespace zorva
