#include "station/views.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "document_rows.h"
#include "station/appearance.h"
#include "views_fixture.h"

namespace zorva::testing {
namespace {

using Adifs = std::vector<std::string>;

// One entity of every state, in adif order (the grid's default sort is prefix ascending,
// and the prefixes follow the same order).
std::vector<EntityRow> EveryState() {
    return {
        Row("  1", "", "A1", "Unconfirmed"),
        Row("  2", "", "A2", "To verify", "SP1AAA", "2020-01-01", "QSL"),
        Row("  3", "", "A3", "Verified", "SP1BBB", "2020-01-02", "LoTW", "2021-05-05"),
        Row("  4", "D", "A4", "Deleted unconfirmed"),
        Row("  5", "D", "A5", "Deleted to verify", "SP1CCC", "2020-01-03", "QSL"),
        Row("  6", "D", "A6", "Deleted verified", "SP1DDD", "2020-01-04", "QSL", "2021-05-05"),
        // Only a hand-made file holds a verification date without a call.
        Row("  7", "", "A7", "Verified without call", "", "", "", "2021-05-05"),
    };
}

struct ViewCase {
    ViewMode mode;
    const char* label;
    Adifs shown;
    Adifs shownWithoutDeleted;
};

class EachView : public StationWithTable, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(EachView, ShowsTheRowsOfItsPredicateAndItsLabel) {
    const ViewCase& c = GetParam();
    Load(EveryState());
    station.ApplyView(c.mode);
    EXPECT_EQ(station.View().viewMode, c.mode);
    EXPECT_EQ(station.View().texts.viewTitle, c.label);
    EXPECT_EQ(GridAdifs(), c.shown);

    station.ToggleHideDeleted();
    EXPECT_TRUE(station.View().hideDeleted);
    EXPECT_EQ(station.View().viewMode, c.mode);
    EXPECT_EQ(GridAdifs(), c.shownWithoutDeleted);
}

TEST_P(EachView, LeavesTheCountersAsTheyWere) {
    Load(EveryState());
    const Counters before = station.Document().Counts();
    station.ApplyView(GetParam().mode);
    station.ToggleHideDeleted();
    station.PressGrid(GridCell::Title(4));
    EXPECT_EQ(station.Document().Counts(), before);
    EXPECT_EQ(station.Document().Counts(), Counters::Of(station.Document().Table()));
}

INSTANTIATE_TEST_SUITE_P(
    Views, EachView,
    ::testing::Values(
        ViewCase{ViewMode::AllEntities,
                 "Wszystkie podmioty",
                 {"  1", "  2", "  3", "  4", "  5", "  6", "  7"},
                 {"  1", "  2", "  3", "  7"}},
        ViewCase{ViewMode::AllButVerified,
                 "Bez zweryfikowanych",
                 {"  1", "  2", "  4", "  5"},
                 {"  1", "  2"}},
        ViewCase{ViewMode::ToVerify, "Do weryfikacji", {"  2", "  5"}, {"  2"}},
        ViewCase{ViewMode::Verified, "Zweryfikowane", {"  3", "  6", "  7"}, {"  3", "  7"}},
        ViewCase{ViewMode::Confirmed,
                 "Potwierdzone (zwer. i do weryf.)",
                 {"  2", "  3", "  5", "  6"},
                 {"  2", "  3"}},
        ViewCase{ViewMode::Unconfirmed, "Niepotwierdzone", {"  1", "  4", "  7"}, {"  1", "  7"}}));

TEST(ViewPredicates, SplitTheShownRowsInTwoPairs) {
    for (const auto& row : EveryState()) {
        for (bool hide : {false, true}) {
            const bool unverified = RowInView(row, ViewMode::AllButVerified, hide);
            const bool verified = RowInView(row, ViewMode::Verified, hide);
            const bool confirmed = RowInView(row, ViewMode::Confirmed, hide);
            const bool unconfirmed = RowInView(row, ViewMode::Unconfirmed, hide);
            const bool toVerify = RowInView(row, ViewMode::ToVerify, hide);
            const int pieces = RowInView(row, ViewMode::AllEntities, hide) ? 1 : 0;
            EXPECT_EQ(int(unverified) + int(verified), pieces) << row.adif;
            EXPECT_EQ(int(confirmed) + int(unconfirmed), pieces) << row.adif;
            EXPECT_EQ(toVerify, confirmed && !verified) << row.adif;
        }
    }
}

TEST(ViewPredicates, LookAtCallAndVerificationDateOnly) {
    // A confirmation without a call, and a date without a call, confirm nothing.
    const EntityRow odd = Row("  9", "", "X", "Odd", "", "2020-01-01", "QSL");
    EXPECT_TRUE(RowInView(odd, ViewMode::Unconfirmed, false));
    EXPECT_FALSE(RowInView(odd, ViewMode::Confirmed, false));
    EXPECT_FALSE(RowInView(odd, ViewMode::ToVerify, false));
}

TEST(DeletedMark, AnyMarkDeletesForCountersViewsAndColours) {
    for (const char* mark : {"D", "X", "d"}) {
        const EntityRow waiting = Row("  5", mark, "A5", "x", "SP1CCC", "2020-01-03", "QSL");
        EXPECT_TRUE(waiting.IsDeleted()) << mark;
        Counters counted;
        counted.CountRow(waiting);
        EXPECT_EQ(counted.ToVerifyText(), "Do weryfikacji:  0/1") << mark;
        EXPECT_FALSE(RowInView(waiting, ViewMode::AllEntities, true)) << mark;
        EXPECT_EQ(RowBackground(Row("  4", mark, "A4", "x"), Appearance{}),
                  Appearance{}.deletedColour);
    }
    EXPECT_FALSE(Row("  1", "", "A1", "x").IsDeleted());
}

TEST(ViewCaptions, NameTheMenuItems) {
    EXPECT_STREQ(ViewMenuCaption(ViewMode::Confirmed),
                 "Podmioty potwierdzone (zweryf. i do weryf.)");
    EXPECT_STREQ(ViewMenuCaption(ViewMode::AllButVerified),
                 "Wszystkie podmioty bez zweryfikowanych");
}

using ViewFill = StationWithTable;

TEST_F(ViewFill, AllEntitiesWithNothingLoadedSaysSoAndLeavesTheGrid) {
    station.View().grid.rows = {Row("  1", "", "A", "Stale")};
    station.View().grid.currentRow = 0;
    ExpectNothingToShow();
    station.ApplyView(ViewMode::AllEntities);
    EXPECT_EQ(station.View().viewMode, ViewMode::AllEntities);
    EXPECT_EQ(station.View().texts.viewTitle, "Wszystkie podmioty");
    EXPECT_EQ(GridAdifs(), Adifs{"  1"});
    EXPECT_EQ(station.View().grid.currentRow, 0);
}

TEST_F(ViewFill, AllEntitiesOfALoadedEmptyFileShowsOnlyTheHeader) {
    Load({});
    station.ApplyView(ViewMode::AllEntities);
    EXPECT_TRUE(station.View().grid.rows.empty());
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
}

TEST_F(ViewFill, AnEmptyViewKeepsNoRowsSoNothingCanBeEditedOrSearched) {
    Load(EveryState());
    station.ApplyView(ViewMode::AllEntities);
    station.PressGrid(GridCell::Data(2, 2));
    ASSERT_TRUE(station.CanEdit());

    RowsOf(station.Document())->Row(2).call.clear();
    RowsOf(station.Document())->Row(5).call.clear();
    ExpectNothingToShow();
    station.ApplyView(ViewMode::ToVerify);
    EXPECT_EQ(station.View().texts.viewTitle, "Do weryfikacji");
    EXPECT_EQ(station.View().grid.DataRowCount(), 0);
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
    EXPECT_EQ(CurrentAdif(), "");
    EXPECT_FALSE(station.CanEdit());
    EXPECT_FALSE(station.PressGridEnter());

    EXPECT_TRUE(station.TypeGridChar(U'A'));
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
}

TEST_F(ViewFill, HiddenDeletedRowsCanEmptyAView) {
    Load({Row("  1", "D", "A", "Gone", "SP1A", "2020-01-01", "QSL")});
    station.View().hideDeleted = true;
    ExpectNothingToShow();
    station.ApplyView(ViewMode::Confirmed);
    EXPECT_TRUE(station.View().grid.rows.empty());
    // The all-entities view shows an empty grid without a message.
    station.ApplyView(ViewMode::AllEntities);
    EXPECT_TRUE(station.View().grid.rows.empty());
}

TEST_F(ViewFill, KeepsTheCurrentEntityOrFallsBackToTheFirstRow) {
    Load(EveryState());
    station.ApplyView(ViewMode::AllEntities);
    Select("  1");  // unconfirmed: not in the next view
    station.ApplyView(ViewMode::ToVerify);
    EXPECT_EQ(station.View().grid.currentRow, 0);
    EXPECT_EQ(CurrentAdif(), "  2");

    Select("  5");
    station.ApplyView(ViewMode::AllEntities);
    EXPECT_EQ(CurrentAdif(), "  5");
    EXPECT_EQ(station.View().rememberedAdif, "  5");
    EXPECT_EQ(station.View().grid.currentColumn, 1);
}

TEST_F(ViewFill, EndsSortedByTheCurrentSort) {
    Load(EveryState());
    station.View().sortColumn = 4;
    station.View().sortAscending = false;
    station.ApplyView(ViewMode::Confirmed);
    EXPECT_EQ(GridColumn(4), (Adifs{"SP1DDD", "SP1CCC", "SP1BBB", "SP1AAA"}));
}

TEST_F(ViewFill, ShowsTheTableAsItNowStands) {
    Load(EveryState());
    station.ApplyView(ViewMode::ToVerify);
    RowsOf(station.Document())->Row(1).call = "SP9ZZZ";
    station.ReapplyView();
    EXPECT_EQ(station.View().viewMode, ViewMode::ToVerify);
    EXPECT_EQ(GridAdifs(), (Adifs{"  1", "  2", "  5"}));
}

TEST_F(ViewFill, TogglingHiddenDeletedTwiceGivesTheSameGrid) {
    Load(EveryState());
    station.View().sortColumn = 3;
    station.ApplyView(ViewMode::AllEntities);
    Select("  6");
    const auto before = station.View().grid.rows;
    station.ToggleHideDeleted();
    EXPECT_EQ(station.View().grid.DataRowCount(), 4);
    EXPECT_EQ(station.View().grid.currentRow, 0);  // the deleted entity left the grid
    station.ToggleHideDeleted();
    EXPECT_FALSE(station.View().hideDeleted);
    EXPECT_EQ(station.View().grid.rows, before);
}

}  // namespace
}  // namespace zorva::testing
