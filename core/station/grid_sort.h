#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/entity_row.h"
#include "station/station.h"

namespace zorva {

inline constexpr const char* kAscendingText = "  Rosnąco";
inline constexpr const char* kDescendingText = "  Malejąco";

const char* SortDirectionText(bool ascending);

// Orders the rows by the text of one column as the grid does: the column's text,
// "@" and then the whole row, compared without regard to letter case in Polish
// collation, so equal keys fall in ADIF order. Descending is ascending reversed.
void SortRows(std::vector<EntityRow>& rows, int column, bool ascending);

// The first data row whose adif equals the key.
std::optional<int> FindGridRow(const Grid& grid, const std::string& adif);

}  // namespace zorva
