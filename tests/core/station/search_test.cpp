#include <gtest/gtest.h>

#include "station/entity_search.h"
#include "views_fixture.h"

namespace zorva::testing {
namespace {

using Outcome = EntitySearch::Outcome;

class NameSearch : public StationWithTable {
  protected:
    void SetUp() override {
        Load({Row("  1", "", "KH5", "Palmyra Islands"), Row("  2", "", "VP2E", "Anguilla"),
              Row("  3", "", "OH0", "Aland ISLANDS", "OH0X"), Row("  4", "", "TF", "Iceland"),
              Row("  5", "", "YL", "Łotwa"), Row("  6", "", "ZL9", "Auckland & Campbell Isl.")});
        station.ApplyView(ViewMode::AllEntities);
    }
    void ExpectFinished() {
        prompter.ExpectBox(
            {"Szukanie zakończone!", "Informacja", Icon::Information, Buttons::Ok, {}});
    }
    void ExpectNotFound() {
        prompter.ExpectBox(
            {"Nie znaleziono podmiotu!", "Informacja", Icon::Information, Buttons::Ok, {}});
    }
    EntitySearch search{station};
};

TEST_F(NameSearch, FindsEveryMatchInGridOrderThenReportsTheEndAndStartsAgain) {
    search.Open();
    search.SetText("isl");
    // Grid order is prefix order: KH5, OH0, TF, VP2E, YL, ZL9.
    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(CurrentAdif(), "  1");
    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(CurrentAdif(), "  3");
    EXPECT_EQ(search.LastFoundRow(), 1);
    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(CurrentAdif(), "  6");
    EXPECT_TRUE(search.SearchFound());

    ExpectFinished();
    EXPECT_EQ(search.Find(), Outcome::Finished);
    EXPECT_FALSE(search.SearchFound());
    EXPECT_EQ(search.LastFoundRow(), std::nullopt);
    EXPECT_TRUE(search.NewSearch());
    EXPECT_EQ(CurrentAdif(), "  6");

    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(CurrentAdif(), "  1");
}

TEST_F(NameSearch, ReportsNothingFoundWhenNothingMatchedSinceOpening) {
    search.Open();
    search.SetText("xyz");
    ExpectNotFound();
    EXPECT_EQ(search.Find(), Outcome::NotFound);
    EXPECT_TRUE(search.NewSearch());
}

TEST_F(NameSearch, ANewTextAfterAMatchFirstReportsTheEnd) {
    search.Open();
    search.SetText("land");
    EXPECT_EQ(search.Find(), Outcome::Found);
    search.SetText("xyz");
    ExpectFinished();
    EXPECT_EQ(search.Find(), Outcome::Finished);
    ExpectNotFound();
    EXPECT_EQ(search.Find(), Outcome::NotFound);
}

TEST_F(NameSearch, AMatchInTheLastRowComesWithoutAMessage) {
    search.Open();
    search.SetText("campbell");
    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(station.View().grid.currentRow, station.View().grid.DataRowCount() - 1);
    ExpectFinished();
    EXPECT_EQ(search.Find(), Outcome::Finished);
}

TEST_F(NameSearch, FoldsOnlyTheLettersAToZ) {
    EXPECT_TRUE(NameContains("Aland ISLANDS", "islands"));
    EXPECT_TRUE(NameContains("Łotwa", "Łot"));
    EXPECT_FALSE(NameContains("Łotwa", "łot"));
    EXPECT_FALSE(NameContains("Żółw", "ŻÓŁW"));
    EXPECT_TRUE(NameContains("Auckland & Campbell", "D & c"));
}

TEST_F(NameSearch, WarnsWhenNotEveryEntityIsShownAndSearchesOnlyTheShownRows) {
    station.ApplyView(ViewMode::Confirmed);
    prompter.ExpectBox(
        {"Szukanie odbywa się tylko w wyświetlanych podmiotach.\n"
         "Nie jest ustawione wyświetlanie wszystkich podmiotów !",
         "Ostrzeżenie",
         Icon::Warning,
         Buttons::Ok,
         {}});
    search.Open();
    search.SetText("isl");
    EXPECT_EQ(search.Find(), Outcome::Found);
    EXPECT_EQ(CurrentAdif(), "  3");
    ExpectFinished();
    EXPECT_EQ(search.Find(), Outcome::Finished);
}

TEST_F(NameSearch, ContinuesInTheGridAsItNowStands) {
    search.Open();
    search.SetText("isl");
    search.Find();
    search.Find();
    search.Find();
    ASSERT_EQ(search.LastFoundRow(), 5);
    ExpectNothingToShow();
    RowsOf(station.Document())->Row(3).call.clear();
    station.ApplyView(ViewMode::Confirmed);  // no row left: nothing to search, nothing said
    EXPECT_EQ(search.Find(), Outcome::Nothing);
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
}

TEST_F(NameSearch, AnEmptyViewHasNothingToSelect) {
    for (int i = 1; i <= station.Document().Table().Count(); ++i)
        RowsOf(station.Document())->Row(i).call.clear();
    ExpectNothingToShow();
    station.ApplyView(ViewMode::Confirmed);
    prompter.ExpectBox(
        {"Szukanie odbywa się tylko w wyświetlanych podmiotach.\n"
         "Nie jest ustawione wyświetlanie wszystkich podmiotów !",
         "Ostrzeżenie",
         Icon::Warning,
         Buttons::Ok,
         {}});
    search.Open();
    search.SetText("a");
    EXPECT_EQ(search.Find(), Outcome::Nothing);
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
    EXPECT_EQ(search.LastFoundRow(), std::nullopt);
}

TEST_F(NameSearch, EmptyTextDoesNothing) {
    search.Open();
    EXPECT_EQ(search.Find(), Outcome::Nothing);
    EXPECT_TRUE(search.NewSearch());
}

TEST_F(NameSearch, TextFieldKeysAndButtons) {
    search.Open();
    station.View().typedPrefix = "OH";
    search.SetText("isl");
    EXPECT_EQ(search.PressEnter(), Outcome::Found);
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_FALSE(search.NewSearch());

    station.View().typedPrefix = "OH";
    EXPECT_FALSE(search.PressEscape());
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(search.Text(), "");
    EXPECT_TRUE(search.NewSearch());
    EXPECT_TRUE(search.PressEscape());

    search.SetText("land");
    search.Find();
    search.Clear();
    EXPECT_EQ(search.Text(), "");
    EXPECT_TRUE(search.NewSearch());
}

}  // namespace
}  // namespace zorva::testing
