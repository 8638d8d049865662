#include "station/views.h"

#include "station/grid_sort.h"

namespace zorva {

const char* ViewLabel(ViewMode mode) {
    switch (mode) {
        case ViewMode::AllEntities:
            return "Wszystkie podmioty";
        case ViewMode::AllButVerified:
            return "Bez zweryfikowanych";
        case ViewMode::ToVerify:
            return "Do weryfikacji";
        case ViewMode::Verified:
            return "Zweryfikowane";
        case ViewMode::Confirmed:
            return "Potwierdzone (zwer. i do weryf.)";
        case ViewMode::Unconfirmed:
            return "Niepotwierdzone";
    }
    return "";
}

const char* ViewMenuCaption(ViewMode mode) {
    switch (mode) {
        case ViewMode::AllEntities:
            return "Wszystkie podmioty";
        case ViewMode::AllButVerified:
            return "Wszystkie podmioty bez zweryfikowanych";
        case ViewMode::ToVerify:
            return "Podmioty do weryfikacji";
        case ViewMode::Verified:
            return "Podmioty zweryfikowane";
        case ViewMode::Confirmed:
            return "Podmioty potwierdzone (zweryf. i do weryf.)";
        case ViewMode::Unconfirmed:
            return "Podmioty niepotwierdzone";
    }
    return "";
}

bool RowInView(const EntityRow& row, ViewMode mode, bool hideDeleted) {
    if (hideDeleted && row.IsDeleted()) return false;
    switch (mode) {
        case ViewMode::AllEntities:
            return true;
        case ViewMode::AllButVerified:
            return row.verifiedDate.empty();
        case ViewMode::ToVerify:
            return !row.call.empty() && row.verifiedDate.empty();
        case ViewMode::Verified:
            return !row.verifiedDate.empty();
        case ViewMode::Confirmed:
            return !row.call.empty();
        case ViewMode::Unconfirmed:
            return row.call.empty();
    }
    return false;
}

std::vector<EntityRow> RowsInView(const EntityTable& table, ViewMode mode, bool hideDeleted) {
    std::vector<EntityRow> shown;
    for (const auto& row : table.Rows())
        if (RowInView(row, mode, hideDeleted)) shown.push_back(row);
    return shown;
}

void Station::ApplyView(ViewMode mode) {
    view_.viewMode = mode;
    view_.texts.viewTitle = ViewLabel(mode);
    if (mode == ViewMode::AllEntities && !document_.Table().HasElements()) {
        prompter.Show({kNothingToShow, "Informacja", Icon::Warning, Buttons::Ok, {}});
        return;
    }
    view_.rememberedAdif = view_.grid.CurrentAdif();
    view_.grid.rows = RowsInView(document_.Table(), mode, view_.hideDeleted);
    view_.grid.currentColumn = 1;
    if (view_.grid.rows.empty()) {
        // An empty view keeps no rows at all, so nothing can be edited or found in it.
        view_.grid.currentRow.reset();
        if (mode != ViewMode::AllEntities)
            prompter.Show({kNothingToShow, "Informacja", Icon::Warning, Buttons::Ok, {}});
        return;
    }
    // An entity that left the view gives way to the first row of the sorted view_.grid.
    view_.grid.currentRow = FindGridRow(view_.grid, view_.rememberedAdif);
    SortGrid();
}

void Station::ReapplyView() {
    ApplyView(view_.viewMode);
}

void Station::ToggleHideDeleted() {
    view_.hideDeleted = !view_.hideDeleted;
    ReapplyView();
}

void Station::SelectRow(int row) {
    view_.grid.currentRow = row;
}

}  // namespace zorva
