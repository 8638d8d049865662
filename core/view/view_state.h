#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/entity_row.h"

namespace zorva {

enum class ViewMode { AllEntities, AllButVerified, ToVerify, Verified, Confirmed, Unconfirmed };

// The rows the grid shows: copies of the EntityRows of the current view, in
// the order of the current sort. Grid row 0 is the header; data row r (1-based)
// is rows[r - 1].
struct Grid {
    std::vector<EntityRow> rows;
    int currentRow = 0;  // 0 while no data row is current
    int currentColumn = 1;

    int RowCount() const { return static_cast<int>(rows.size()) + 1; }
    int DataRowCount() const { return static_cast<int>(rows.size()); }
    const EntityRow& DataRow(int r) const { return rows.at(static_cast<size_t>(r - 1)); }
    EntityRow& DataRow(int r) { return rows.at(static_cast<size_t>(r - 1)); }
    // The adif of the current row, or empty.
    std::string CurrentAdif() const;
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
    int lastMouseRow = 0;
    int lastMouseCol = 0;
    std::string typedPrefix;
    std::string rememberedAdif;  // the entity to make current again after a new view
    MainWindowTexts texts;
};

}  // namespace zorva
