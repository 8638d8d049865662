#include <gtest/gtest.h>

#include <algorithm>

#include "station/grid_sort.h"
#include "text/columns.h"
#include "views_fixture.h"

namespace zorva::testing {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::string> Column(const std::vector<EntityRow>& rows, int column) {
    std::vector<std::string> texts;
    for (const auto& row : rows) texts.push_back(row.Field(column));
    return texts;
}

// Rows whose key column holds the given texts, numbered in the order given.
std::vector<EntityRow> RowsWithKeys(int column, const Texts& keys) {
    std::vector<EntityRow> rows;
    int n = 1;
    for (const auto& key : keys) {
        EntityRow row = Row(PadLeft(std::to_string(n++), 3), "", "P", "N");
        row.Field(column) = key;
        rows.push_back(row);
    }
    return rows;
}

Texts SortedKeys(int column, const Texts& keys, bool ascending = true) {
    auto rows = RowsWithKeys(column, keys);
    SortRows(rows, column, ascending);
    return Column(rows, column);
}

TEST(SortRows, ByAdifIsNumericBecauseTheBlanksComeFirst) {
    std::vector<EntityRow> rows = {Row("100", "", "A", "a"), Row("  7", "", "B", "b"),
                                   Row(" 12", "", "C", "c"), Row("  1", "", "D", "d")};
    SortRows(rows, 0, true);
    EXPECT_EQ(Column(rows, 0), (Texts{"  1", "  7", " 12", "100"}));
}

TEST(SortRows, PutsBlanksAndSignsBeforeDigitsAndDigitsBeforeLetters) {
    EXPECT_EQ(SortedKeys(3, {"Z", "a", "9", "-", "0", " x", "Ą"}),
              (Texts{" x", "-", "0", "9", "a", "Ą", "Z"}));
}

TEST(SortRows, IgnoresLetterCaseAndLetsTiesFallInAdifOrder) {
    std::vector<EntityRow> rows = {Row(" 30", "", "oh", "x"), Row("  4", "", "OH", "x"),
                                   Row("200", "", "Oh", "x"), Row(" 10", "", "OH0", "x"),
                                   Row("  5", "", "O", "x")};
    SortRows(rows, 2, true);
    EXPECT_EQ(Column(rows, 0), (Texts{"  5", "  4", " 30", "200", " 10"}));
}

TEST(SortRows, FollowsThePolishAlphabet) {
    EXPECT_EQ(
        SortedKeys(
            3, {"Żółw", "Zair", "Łotwa", "Malta", "Litwa", "Źrebię", "ąb", "Azory", "Bonaire",
                "Ćma", "Czad", "Oman", "Ósma", "Śląsk", "Szwecja", "Nauru", "Ńa", "Egipt", "Ęa"}),
        (Texts{"Azory", "ąb", "Bonaire", "Czad", "Ćma", "Egipt", "Ęa", "Litwa", "Łotwa", "Malta",
               "Nauru", "Ńa", "Oman", "Ósma", "Szwecja", "Śląsk", "Zair", "Źrebię", "Żółw"}));
}

TEST(SortRows, PutsEmptyKeysFirstAndDatesInTimeOrder) {
    EXPECT_EQ(SortedKeys(5, {"2021-03-01", "", "1999-12-31", "2021-02-28", "", "2021-03-10"}),
              (Texts{"", "", "1999-12-31", "2021-02-28", "2021-03-01", "2021-03-10"}));
}

TEST(SortRows, DescendingIsTheExactReverseTiesIncluded) {
    const Texts keys = {"QSL", "", "LoTW", "QSL", "", "lotw", "QSL"};
    auto ascending = RowsWithKeys(6, keys);
    auto descending = ascending;
    SortRows(ascending, 6, true);
    SortRows(descending, 6, false);
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(descending, ascending);
}

TEST(SortRows, DescendingByCallPutsUnconfirmedLastInFallingAdifOrder) {
    std::vector<EntityRow> rows = {Row("  1", "", "A", "a"), Row("  2", "", "B", "b", "SP1A"),
                                   Row(" 15", "", "C", "c"), Row("  3", "", "D", "d", "DL1X"),
                                   Row("  9", "", "E", "e")};
    SortRows(rows, 4, false);
    EXPECT_EQ(Column(rows, 0), (Texts{"  2", "  3", " 15", "  9", "  1"}));
}

TEST(SortRows, KeepsEveryRowWhole) {
    std::vector<EntityRow> rows = {
        Row(" 12", "D", "Z", "Zeta", "SP1A", "2020-01-01", "QSL", "2021-01-01"),
        Row("  1", "", "A", "Alfa")};
    const auto before = rows;
    SortRows(rows, 2, true);
    EXPECT_EQ(rows[0], before[1]);
    EXPECT_EQ(rows[1], before[0]);
}

TEST(SortDirectionTexts, CarryTwoLeadingBlanks) {
    EXPECT_STREQ(SortDirectionText(true), "  Rosnąco");
    EXPECT_STREQ(SortDirectionText(false), "  Malejąco");
}

class TitlePress : public StationWithTable {
  protected:
    void SetUp() override {
        Load({Row("  1", "", "ZA", "Yemen", "SP1A"), Row("  2", "D", "CE", "Chile"),
              Row("  3", "", "OH", "Finland", "", "", "", ""),
              Row("  4", "", "DL", "Germany", "DJ1X")});
        station.ApplyView(ViewMode::AllEntities);
    }
};

TEST_F(TitlePress, StartsByPrefixAscendingSoTheFirstPrefixClickDescends) {
    EXPECT_EQ(GridColumn(2), (Texts{"CE", "DL", "OH", "ZA"}));
    station.PressGrid(GridCell::Title(2));
    EXPECT_FALSE(station.View().sortAscending);
    EXPECT_EQ(station.View().texts.sortPanel, "  Malejąco");
    EXPECT_EQ(GridColumn(2), (Texts{"ZA", "OH", "DL", "CE"}));
    station.PressGrid(GridCell::Title(2));
    EXPECT_TRUE(station.View().sortAscending);
    EXPECT_EQ(station.View().texts.sortPanel, "  Rosnąco");
}

TEST_F(TitlePress, AnotherColumnSortsAscendingAndRepeatedClicksAlternate) {
    station.PressGrid(GridCell::Title(2));
    station.PressGrid(GridCell::Title(3));
    EXPECT_EQ(station.View().sortColumn, 3);
    EXPECT_TRUE(station.View().sortAscending);
    EXPECT_EQ(GridColumn(3), (Texts{"Chile", "Finland", "Germany", "Yemen"}));
    station.PressGrid(GridCell::Title(3));
    EXPECT_EQ(station.View().texts.sortPanel, "  Malejąco");
    EXPECT_EQ(GridColumn(3), (Texts{"Yemen", "Germany", "Finland", "Chile"}));
    station.PressGrid(GridCell::Title(3));
    EXPECT_EQ(station.View().texts.sortPanel, "  Rosnąco");
}

TEST_F(TitlePress, KeepsTheCurrentEntitySelected) {
    Select("  3");
    station.PressGrid(GridCell::Title(3));
    EXPECT_EQ(CurrentAdif(), "  3");
    EXPECT_EQ(station.View().grid.currentRow, 1);
    EXPECT_EQ(station.View().rememberedAdif, "  3");
}

TEST_F(TitlePress, OfTheDeletedColumnDoesNotSortWhileDeletedAreHidden) {
    station.ToggleHideDeleted();
    station.PressGrid(GridCell::Title(1));
    EXPECT_EQ(station.View().sortColumn, 2);
    EXPECT_EQ(station.View().lastPress, GridCell::Title(1));
    station.ToggleHideDeleted();
    station.PressGrid(GridCell::Title(1));
    EXPECT_EQ(station.View().sortColumn, 1);
    EXPECT_EQ(GridColumn(1), (Texts{"", "", "", "D"}));
}

TEST_F(TitlePress, OutsideEveryColumnOrOnADataRowNeverSorts) {
    station.PressGrid(GridCell::Title(kOutsideCells));
    station.PressGrid(GridCell::Title(8));
    station.PressGrid(GridCell::Data(1, 4));
    station.PressGrid(GridCell{});
    EXPECT_EQ(station.View().sortColumn, 2);
    EXPECT_TRUE(station.View().sortAscending);
    EXPECT_EQ(station.View().texts.sortPanel, "  Rosnąco");
    EXPECT_EQ(station.View().lastPress, GridCell{});
}

TEST_F(TitlePress, AwayFromPrefixAscendingEndsThePrefixSearch) {
    station.TypeGridChar(U'O');
    ASSERT_EQ(station.View().typedPrefix, "O");
    station.PressGrid(GridCell::Title(4));
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");
    EXPECT_EQ(station.View().texts.searchPrompt, "Wprowadź prefiks szukanego podmiotu");
    EXPECT_FALSE(station.View().texts.searchPromptEnabled);
    station.PressGrid(GridCell::Title(2));
    EXPECT_TRUE(station.View().texts.searchPromptEnabled);
}

TEST_F(TitlePress, OnAnEmptyGridChangesTheSortWithoutSorting) {
    Load({});
    station.ApplyView(ViewMode::AllEntities);
    station.PressGrid(GridCell::Title(5));
    EXPECT_EQ(station.View().sortColumn, 5);
    EXPECT_TRUE(station.View().grid.rows.empty());
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
}

}  // namespace
}  // namespace zorva::testing
