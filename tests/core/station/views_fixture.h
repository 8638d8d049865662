#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_rows.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "test_rows.h"

namespace zorva::testing {

// A station with a table in memory, as a load leaves it, and a scripted prompter.
class StationWithTable : public ::testing::Test {
  protected:
    StationWithTable() : station(prompter, clock, "/nonexistent") {}
    ~StationWithTable() override { EXPECT_TRUE(prompter.Done()); }

    void Load(const std::vector<EntityRow>& rows) {
        RowsOf(station.Document())->ResetToPlaceholder();
        for (const auto& row : rows) RowsOf(station.Document())->Append(row);
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    }

    // The adif numbers of the grid's data rows, in grid order.
    std::vector<std::string> GridAdifs() const {
        std::vector<std::string> adifs;
        for (const auto& row : station.View().grid.rows) adifs.push_back(row.adif);
        return adifs;
    }
    std::vector<std::string> GridColumn(int column) const {
        std::vector<std::string> texts;
        for (const auto& row : station.View().grid.rows) texts.push_back(row.Field(column));
        return texts;
    }
    std::string CurrentAdif() const { return station.View().grid.CurrentAdif(); }
    // Makes the grid row holding the entity current, as a click or key would.
    void Select(const std::string& adif) {
        for (int r = 0; r < station.View().grid.DataRowCount(); ++r)
            if (station.View().grid.DataRow(r).adif == adif) station.SelectRow(r);
        ASSERT_EQ(CurrentAdif(), adif);
    }
    void ExpectNothingToShow() {
        prompter.ExpectBox(
            {"Brak elementów do wyświetlenia!", "Informacja", Icon::Warning, Buttons::Ok, {}});
    }

    ScriptedPrompter prompter;
    FixedClock clock;
    Station station;
};

}  // namespace zorva::testing
