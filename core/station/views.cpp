// Provisional: fills the grid in table order. Replaced by the views work.
#include "station/station.h"

namespace zorva {

void Station::ApplyView(ViewMode mode) {
    viewMode = mode;
    grid.rows.clear();
    for (const auto& row : table.Rows()) grid.rows.push_back(row);
    grid.currentRow = grid.rows.empty() ? 0 : 1;
}

void Station::ReapplyView() { ApplyView(viewMode); }

void Station::ToggleHideDeleted() {
    hideDeleted = !hideDeleted;
    ReapplyView();
}

void Station::SortGrid() {}

void Station::SelectRow(int row) { grid.currentRow = row; }

}  // namespace zorva
