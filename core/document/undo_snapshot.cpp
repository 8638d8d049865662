// The document's side of undo and redo: its rows and counters as one state.
#include "document/station_document.h"

namespace zorva {

DocumentState StationDocument::Snapshot(std::string modifiedMark) const {
    return {table_, counters_, modified_ ? std::move(modifiedMark) : std::string()};
}

void StationDocument::Restore(DocumentState state) {
    table_ = std::move(state.table);
    counters_ = state.counters;
    modified_ = !state.modifiedMark.empty();
}

}  // namespace zorva
