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
    return view_.sortColumn == kPrefixColumn && view_.sortAscending;
}

void Station::PressGrid(GridCell cell) {
    view_.lastPress = cell;
    const int col = cell.column;
    const bool onColumnTitle = cell.onTitle && col >= 0 && col < EntityRow::kFieldCount;
    // The "D" column holds nothing to sort by while deleted entities are hidden.
    if (!onColumnTitle || (view_.hideDeleted && col == kDeletedColumn)) return;

    view_.sortAscending = col == view_.sortColumn ? !view_.sortAscending : true;
    view_.texts.sortPanel = SortDirectionText(view_.sortAscending);
    view_.sortColumn = col;
    if (PrefixSearchPossible()) {
        view_.texts.searchPromptEnabled = true;
    } else {
        view_.texts.typedPrefixShown.clear();
        view_.texts.searchPrompt = kPrefixPrompt;
        view_.typedPrefix.clear();
        view_.texts.searchPromptEnabled = false;
    }
    if (!view_.grid.rows.empty() && !view_.grid.DataRow(0).adif.empty()) SortGrid();
}

bool Station::TypeGridChar(char32_t ch) {
    if (document_.Table().Count() == 0) return true;
    view_.texts.searchPrompt = view_.typedPrefix.empty() ? kPrefixPrompt : kNextPrefixPrompt;
    if (IsPrefixCharacter(ch) && PrefixSearchPossible()) {
        if (view_.grid.rows.empty()) return true;
        view_.typedPrefix += UpperAscii(ch);
        view_.texts.searchPrompt = kNextPrefixPrompt;
        SelectRow(FirstRowFromPrefix(view_.grid, view_.typedPrefix));
        if (view_.typedPrefix.size() > kMaxTypedPrefix) {
            view_.typedPrefix.clear();
            view_.texts.searchPrompt = kPrefixPrompt;
        }
        view_.texts.typedPrefixShown = view_.typedPrefix;
        return true;
    }
    if (ch == kEscapeKey) {
        view_.typedPrefix.clear();
        view_.texts.typedPrefixShown.clear();
        view_.texts.searchPrompt = kPrefixPrompt;
        return true;
    }
    return false;
}

void Station::PressGridEscape() {
    TypeGridChar(kEscapeKey);
}

bool Station::PressGridEnter() {
    if (!view_.typedPrefix.empty()) {
        view_.typedPrefix.clear();
        view_.texts.typedPrefixShown.clear();
        view_.texts.searchPrompt = kPrefixPrompt;
    }
    return CanEdit();
}

bool Station::CanEdit() const {
    // Before any press the keyboard user edits the current row; a press on a title sorts instead.
    return (!view_.lastPress || !view_.lastPress->onTitle) && view_.grid.CurrentDataRow();
}

void Station::KeepACurrentRow() {
    if (view_.grid.CurrentDataRow() || view_.grid.DataRowCount() == 0) return;
    view_.grid.currentRow = FindGridRow(view_.grid, view_.rememberedAdif).value_or(0);
}

}  // namespace zorva
