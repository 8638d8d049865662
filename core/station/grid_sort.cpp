#include "station/grid_sort.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "text/collation.h"

namespace zorva {
namespace {

std::string SortText(const EntityRow& row, int column) {
    std::string text = row.Field(column) + "@";
    for (int c = 0; c < EntityRow::kFieldCount; ++c) text += row.Field(c) + "\n";
    return text;
}

}  // namespace

const char* SortDirectionText(bool ascending) {
    return ascending ? kAscendingText : kDescendingText;
}

void SortRows(std::vector<EntityRow>& rows, int column, bool ascending) {
    if (column < 0 || column >= EntityRow::kFieldCount) return;
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows) keys.push_back(PolishSortKey(SortText(row, column)));

    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    if (!ascending) std::reverse(order.begin(), order.end());

    std::vector<EntityRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::optional<int> FindGridRow(const Grid& grid, const std::string& adif) {
    if (adif.empty()) return std::nullopt;
    for (int r = 0; r < grid.DataRowCount(); ++r)
        if (grid.DataRow(r).adif == adif) return r;
    return std::nullopt;
}

void Station::SortGrid() {
    view_.rememberedAdif = view_.grid.CurrentAdif();
    SortRows(view_.grid.rows, view_.sortColumn, view_.sortAscending);
    const std::optional<int> found = FindGridRow(view_.grid, view_.rememberedAdif);
    view_.grid.currentRow =
        found ? found : (view_.grid.rows.empty() ? std::nullopt : std::optional<int>(0));
}

}  // namespace zorva
