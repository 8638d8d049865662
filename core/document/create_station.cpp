// A new station built from the reference file.
#include "document/station_call.h"
#include "document/station_document.h"
#include "files/reference_file.h"
#include "io/file_system.h"

namespace zorva {

Outcome StationDocument::Create(const std::string& call) {
    if (StationCallRefusal(call)) return Refusal(Reason::CallRefused, call);
    call_ = call;
    fileName_ = ProgramFile(StationFileNameForCall(call));
    counters_ = {};
    return FillFromReference();
}

FillOutcome StationDocument::FillFromReference() {
    FillOutcome outcome;
    if (!FileExists(ReferencePath())) {
        static_cast<Outcome&>(outcome) = Refusal(Reason::NoReference, "", ReferencePath());
        return outcome;
    }
    ReferenceList reference = ReadReferenceList(ReferencePath());
    if (!reference.ok()) {
        static_cast<Outcome&>(outcome) = FileFault(reference.status);
        return outcome;
    }
    if (reference.Empty()) {
        static_cast<Outcome&>(outcome) = Refusal(Reason::EmptyReference, "", ReferencePath());
        return outcome;
    }
    table_.ResetToPlaceholder();
    outcome.tableReplaced = true;
    for (const auto& line : reference.lines) {
        table_.Append(ParseReferenceLine(line));
        ++outcome.changedRows;
    }
    if (reference.badLine) {
        const int rows = outcome.changedRows;
        static_cast<Outcome&>(outcome) = Refusal(Reason::BadReferenceLine, *reference.badLine);
        outcome.changedRows = rows;
        return outcome;
    }
    modified_ = true;
    return outcome;
}

}  // namespace zorva
