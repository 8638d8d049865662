#include "station/grid_input.h"

#include <numeric>

#include "station/grid_sort.h"
#include "station/station.h"

namespace zorva {
namespace {

constexpr int kPrefixColumn = 2;
constexpr int kDeletedColumn = 1;
constexpr int kWindowFrameWidth = 36;

char UpperAscii(char32_t ch) {
    if (ch >= U'a' && ch <= U'z') return static_cast<char>(ch - U'a' + U'A');
    return static_cast<char>(ch);
}

// The first data row whose prefix is not less than the typed text in code
// order, or the last data row when every prefix is less.
int FirstRowFromPrefix(const Grid& grid, const std::string& typed) {
    for (int r = 0; r < grid.DataRowCount(); ++r)
        if (grid.DataRow(r).prefix.compare(typed) >= 0) return r;
    return grid.DataRowCount() - 1;
}

}  // namespace

int WindowWidthForColumns(const std::array<int, 8>& columnWidths) {
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0) + kWindowFrameWidth;
}

bool Station::PrefixSearchPossible() const {
    return sortColumn == kPrefixColumn && sortAscending;
}

void Station::PressGrid(GridCell cell) {
    lastPress = cell;
    const int col = cell.column;
    const bool onColumnTitle = cell.onTitle && col >= 0 && col < EntityRow::kFieldCount;
    // The "D" column holds nothing to sort by while deleted entities are hidden.
    if (!onColumnTitle || (hideDeleted && col == kDeletedColumn)) return;

    sortAscending = col == sortColumn ? !sortAscending : true;
    texts.sortPanel = SortDirectionText(sortAscending);
    sortColumn = col;
    if (PrefixSearchPossible()) {
        texts.searchPromptEnabled = true;
    } else {
        texts.typedPrefixShown.clear();
        texts.searchPrompt = kPrefixPrompt;
        typedPrefix.clear();
        texts.searchPromptEnabled = false;
    }
    if (!grid.rows.empty() && !grid.DataRow(0).adif.empty()) SortGrid();
}

bool Station::TypeGridChar(char32_t ch) {
    if (table.Count() == 0) return true;
    texts.searchPrompt = typedPrefix.empty() ? kPrefixPrompt : kNextPrefixPrompt;
    if (IsPrefixCharacter(ch) && PrefixSearchPossible()) {
        if (grid.rows.empty()) return true;
        typedPrefix += UpperAscii(ch);
        texts.searchPrompt = kNextPrefixPrompt;
        SelectRow(FirstRowFromPrefix(grid, typedPrefix));
        if (typedPrefix.size() > kMaxTypedPrefix) {
            typedPrefix.clear();
            texts.searchPrompt = kPrefixPrompt;
        }
        texts.typedPrefixShown = typedPrefix;
        return true;
    }
    if (ch == kEscapeKey) {
        typedPrefix.clear();
        texts.typedPrefixShown.clear();
        texts.searchPrompt = kPrefixPrompt;
        return true;
    }
    return false;
}

void Station::PressGridEscape() {
    TypeGridChar(kEscapeKey);
}

bool Station::PressGridEnter() {
    if (!typedPrefix.empty()) {
        typedPrefix.clear();
        texts.typedPrefixShown.clear();
        texts.searchPrompt = kPrefixPrompt;
    }
    return CanEdit();
}

bool Station::CanEdit() const {
    // Before any press the keyboard user edits the current row; a press on a title sorts instead.
    return (!lastPress || !lastPress->onTitle) && grid.CurrentDataRow();
}

void Station::KeepACurrentRow() {
    if (grid.CurrentDataRow() || grid.DataRowCount() == 0) return;
    grid.currentRow = FindGridRow(grid, rememberedAdif).value_or(0);
}

}  // namespace zorva
