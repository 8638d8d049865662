// Taking a station's recorded steps back, and forward again.
#include "station/history_commands.h"

#include "station/grid_sort.h"
#include "station/views.h"

namespace zorva {
namespace {

// Quietly, unlike a new view: an empty view after an undo is no news to the user.
void ShowRows(Station& s) {
    const std::string current = s.View().grid.CurrentAdif();
    s.View().grid.rows = RowsInView(s.Document().Table(), s.View().viewMode, s.View().hideDeleted);
    s.View().grid.currentRow = FindGridRow(s.View().grid, current);
    if (!s.View().grid.rows.empty()) s.SortGrid();
}

bool Restore(Station& s, std::optional<DocumentState> state) {
    if (!state) return false;
    const std::string mark = state->modifiedMark;
    s.Document().Restore(std::move(*state));
    if (mark.empty())
        s.ClearModified();
    else
        s.View().texts.modifiedPanel = mark;
    s.ShowStatusCounters(kAllPanels);
    ShowRows(s);
    return true;
}

std::string ItemText(const char* item, const std::string& step) {
    return step.empty() ? item : std::string(item) + ": " + step;
}

}  // namespace

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
