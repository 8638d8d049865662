#pragma once

#include "model/entity_row.h"
#include "station/station.h"

namespace zorva {

inline constexpr const char* kNothingToShow = "Brak elementów do wyświetlenia!";

// The view's name shown beside "Widok: ".
const char* ViewLabel(ViewMode mode);
// The caption of the view's item in the "Widok" menu.
const char* ViewMenuCaption(ViewMode mode);

// Whether the view shows the row; with hideDeleted no deleted row passes.
bool RowInView(const EntityRow& row, ViewMode mode, bool hideDeleted);

// The rows of the table that the view shows, in table order.
std::vector<EntityRow> RowsInView(const EntityTable& table, ViewMode mode, bool hideDeleted);

}  // namespace zorva
