// Recording the steps that change a station's rows, and taking them back.
#include "station/undo_step.h"

#include "station/grid_sort.h"
#include "station/views.h"

namespace zorva {
namespace {

DocumentState PresentState(const Station& s) {
    return {s.table, s.counters, s.modified ? s.texts.modifiedPanel : std::string()};
}

// Quietly, unlike a new view: an empty view after an undo is no news to the user.
void ShowRows(Station& s) {
    const std::string current = s.grid.CurrentAdif();
    s.grid.rows = RowsInView(s.table, s.viewMode, s.hideDeleted);
    s.grid.currentRow = FindGridRow(s.grid, current);
    if (!s.grid.rows.empty()) s.SortGrid();
}

bool Restore(Station& s, std::optional<DocumentState> state) {
    if (!state) return false;
    s.table = std::move(state->table);
    s.counters = state->counters;
    if (state->modifiedMark.empty()) {
        s.ClearModified();
    } else {
        s.modified = true;
        s.texts.modifiedPanel = state->modifiedMark;
    }
    s.ShowStatusCounters(kAllPanels);
    ShowRows(s);
    return true;
}

std::string ItemText(const char* item, const std::string& step) {
    return step.empty() ? item : std::string(item) + ": " + step;
}

}  // namespace

UndoStep::UndoStep(Station& station, std::string name)
    : station_(station), name_(std::move(name)), before_(PresentState(station)) {}

UndoStep::~UndoStep() {
    DocumentState after = PresentState(station_);
    if (after.SameData(before_)) return;
    // A step saved before it ended is clean at its end and shows no mark.
    const bool saved = !station_.modified;
    if (after.modifiedMark.empty()) after.modifiedMark = kModifiedMark;
    if (before_.modifiedMark.empty()) before_.modifiedMark = after.modifiedMark;
    station_.history.Record(name_, std::move(before_), std::move(after));
    if (saved) station_.history.MarkClean();
}

void StartHistory(Station& station) {
    station.history.Reset(!station.modified);
}

bool UndoStepBack(Station& station) {
    return Restore(station, station.history.Undo());
}

bool RedoStepForward(Station& station) {
    return Restore(station, station.history.Redo());
}

std::string UndoItemText(const Station& station) {
    return ItemText(kUndoItem, station.history.UndoName());
}

std::string RedoItemText(const Station& station) {
    return ItemText(kRedoItem, station.history.RedoName());
}

}  // namespace zorva
