// A new station built from the reference file.
#include "document/station_call.h"
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/reference_file.h"
#include "io/file_system.h"

namespace zorva {

Outcome StationDocument::Create(const std::string& call) {
    if (auto refusal = StationCallRefusal(call)) return Refused(*refusal);
    call_ = call;
    fileName_ = ProgramFile(StationFileNameForCall(call));
    counters_ = {};
    return FillFromReference();
}

FillOutcome StationDocument::FillFromReference() {
    FillOutcome outcome;
    if (!FileExists(ReferencePath())) {
        outcome.refusal = MissingReferenceMessage(ReferencePath());
        return outcome;
    }
    ReferenceList reference = ReadReferenceList(ReferencePath());
    if (!reference.ok()) {
        outcome.refusal = FileErrorMessage(reference.status);
        return outcome;
    }
    if (reference.Empty()) {
        outcome.refusal = EmptyReferenceMessage(ReferencePath());
        return outcome;
    }
    table_.ResetToPlaceholder();
    outcome.tableReplaced = true;
    for (const auto& line : reference.lines) {
        table_.Append(ParseReferenceLine(line));
        ++outcome.changedRows;
    }
    if (reference.badLine) {
        outcome.refusal = BadReferenceLineMessage(*reference.badLine);
        return outcome;
    }
    modified_ = true;
    return outcome;
}

}  // namespace zorva
