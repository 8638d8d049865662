#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/entity_row.h"

namespace zorva {

enum class ViewMode { AllEntities, AllButVerified, ToVerify, Verified, Confirmed, Unconfirmed };

// The rows the grid shows: copies of the EntityRows of the current view, in
// the order of the current sort. Data rows count from 0; the column titles
// above them are no row of the grid.
struct Grid {
    std::vector<EntityRow> rows;
    std::optional<int> currentRow;  // empty while no data row is current
    int currentColumn = 1;

    int DataRowCount() const { return static_cast<int>(rows.size()); }
    bool HasDataRow(int r) const { return r >= 0 && r < DataRowCount(); }
    const EntityRow& DataRow(int r) const { return rows.at(static_cast<size_t>(r)); }
    EntityRow& DataRow(int r) { return rows.at(static_cast<size_t>(r)); }
    // The current row when it is a data row of the grid.
    std::optional<int> CurrentDataRow() const;
    // The adif of the current row, or empty.
    std::string CurrentAdif() const;
};

// Where a mouse press in the grid landed: a column title, or a data row and
// column; kOutsideCells where it missed every row or column.
inline constexpr int kOutsideCells = -1;
struct GridCell {
    int row = kOutsideCells;
    int column = kOutsideCells;
    bool onTitle = false;

    static GridCell Title(int column) { return {kOutsideCells, column, true}; }
    static GridCell Data(int row, int column) { return {row, column, false}; }
    bool operator==(const GridCell&) const = default;
};

// Texts and states that the main window shows; the front end draws them as they stand.
struct MainWindowTexts {
    std::string caption = "Aktualizacja podmiotów DXCC";
    std::array<std::string, 4> counterPanels;
    std::string fileNamePanel;
    std::string modifiedPanel;
    std::string sortPanel = "  Rosnąco";
    std::string fileHint;      // the full path of the open file
    std::string searchPrompt;  // what typing into the grid does next
    bool searchPromptEnabled = true;
    std::string typedPrefixShown;  // the prefix typed so far
    std::string viewTitle = "Wszystkie podmioty";
    bool fileCommandsEnabled = false;
};

// What the main window shows of the open station and how: the grid's view,
// sort, typed prefix, current row and the window's texts.
struct ViewState {
    ViewMode viewMode = ViewMode::AllEntities;
    bool hideDeleted = false;
    Grid grid;
    int sortColumn = 2;
    bool sortAscending = true;
    std::optional<GridCell> lastPress;  // empty until the grid is first pressed
    std::string typedPrefix;
    std::string rememberedAdif;  // the entity to make current again after a new view
    MainWindowTexts texts;
};

}  // namespace zorva
