#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document_rows.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva::testing {

// An entity named after its prefix.
inline EntityRow Entity(std::string adif, std::string deleted, const std::string& prefix,
                        std::string call = "", std::string date = "", std::string method = "",
                        std::string verified = "") {
    return Row(std::move(adif), std::move(deleted), prefix, prefix + " land", std::move(call),
               std::move(date), std::move(method), std::move(verified));
}

// A station of a few entities, shown in the view of all entities.
class StationFixture : public ::testing::Test {
  protected:
    void Load(std::initializer_list<EntityRow> rows) {
        for (const EntityRow& row : rows) RowsOf(station.Document())->Append(row);
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
        station.ApplyView(ViewMode::AllEntities);
    }

    // Makes the grid row of that entity the current one; its grid row number.
    int Select(const std::string& adif) {
        for (int r = 0; r < station.View().grid.DataRowCount(); ++r) {
            if (station.View().grid.DataRow(r).adif == adif) {
                station.SelectRow(r);
                return r;
            }
        }
        ADD_FAILURE() << "no grid row for " << adif;
        return kOutsideCells;
    }

    const EntityRow& TableRow(const std::string& adif) const {
        return station.Document().Table().Row(station.Document().Table().FindAdif(adif));
    }
    const EntityRow& GridRow(const std::string& adif) const {
        for (const EntityRow& row : station.View().grid.rows) {
            if (row.adif == adif) return row;
        }
        static const EntityRow none;
        ADD_FAILURE() << "no grid row for " << adif;
        return none;
    }

    // The counters still agree with a fresh count of the table.
    void ExpectCountersMatchTable() const {
        EXPECT_EQ(Counters::Of(station.Document().Table()), station.Document().Counts());
    }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock{{2026, 3, 7}};
    Station station{prompter, clock, dir.Path()};
};

}  // namespace zorva::testing
