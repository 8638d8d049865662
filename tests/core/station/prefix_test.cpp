#include <gtest/gtest.h>

#include "station/grid_input.h"
#include "views_fixture.h"

namespace zorva::testing {
namespace {

constexpr const char* kPrompt = "Wprowadź prefiks szukanego podmiotu";
constexpr const char* kNext = "ESC - szukanie następnego podmiotu";

class PrefixSearch : public StationWithTable {
  protected:
    void SetUp() override {
        Load({Row("  1", "", "1A", "Sovereign Military Order"), Row("  2", "", "OD", "Lebanon"),
              Row("  3", "", "OE", "Austria"), Row("  4", "", "OH0", "Aland Islands"),
              Row("  5", "", "OJ0", "Market Reef"), Row("  6", "", "OK", "Czech Republic"),
              Row("  7", "", "ZS", "South Africa")});
        station.ApplyView(ViewMode::AllEntities);
    }
    void Type(const std::string& ascii) {
        for (char c : ascii) EXPECT_TRUE(station.TypeGridChar(static_cast<char32_t>(c))) << c;
    }
};

TEST_F(PrefixSearch, SelectsTheFirstPrefixThatIsNotLessThanTheTypedOne) {
    Type("O");
    EXPECT_EQ(CurrentAdif(), "  2");
    Type("H");
    EXPECT_EQ(station.View().typedPrefix, "OH");
    EXPECT_EQ(CurrentAdif(), "  4");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "OH");
    EXPECT_EQ(station.View().texts.searchPrompt, kNext);
}

TEST_F(PrefixSearch, WithoutSuchPrefixGoesToTheNextOneInCodeOrder) {
    Type("OG");
    EXPECT_EQ(CurrentAdif(), "  4");
    station.PressGridEscape();
    Type("OJ1");
    EXPECT_EQ(CurrentAdif(), "  6");
}

TEST_F(PrefixSearch, BeyondEveryPrefixGoesToTheLastRowAndTheFirstRowCanBeReached) {
    Type("ZZ");
    EXPECT_EQ(station.View().grid.currentRow, 6);
    station.PressGridEscape();
    Type("1");
    EXPECT_EQ(station.View().grid.currentRow, 0);
}

TEST_F(PrefixSearch, TakesSmallLettersAsCapitals) {
    Type("oh");
    EXPECT_EQ(station.View().typedPrefix, "OH");
    EXPECT_EQ(CurrentAdif(), "  4");
}

TEST_F(PrefixSearch, LeavesCharactersOutsideZeroToSmallZToTheGrid) {
    Type("O");
    for (char32_t ch : {U'/', U'-', U' ', U'{', U'ó', U'Ł'}) {
        EXPECT_FALSE(station.TypeGridChar(ch)) << static_cast<unsigned>(ch);
        EXPECT_EQ(station.View().typedPrefix, "O");
    }
    // The signs between the capitals and the small letters do take part.
    EXPECT_TRUE(station.TypeGridChar(U'_'));
    EXPECT_EQ(station.View().typedPrefix, "O_");
}

TEST_F(PrefixSearch, TheFifthCharacterStillMovesAndThenStartsAfresh) {
    Type("OJ0A");
    EXPECT_EQ(station.View().typedPrefix, "OJ0A");
    EXPECT_EQ(CurrentAdif(), "  6");
    Type("B");
    EXPECT_EQ(CurrentAdif(), "  6");
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");
    Type("Z");
    EXPECT_EQ(CurrentAdif(), "  7");
}

TEST_F(PrefixSearch, EscapeForgetsTheTypedPrefix) {
    Type("OK");
    station.PressGridEscape();
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");
    EXPECT_EQ(CurrentAdif(), "  6");
}

TEST_F(PrefixSearch, WorksOnlyWhileSortedByPrefixAscending) {
    station.PressGrid(GridCell::Title(3));
    const std::optional<int> row = station.View().grid.currentRow;
    EXPECT_FALSE(station.TypeGridChar(U'O'));
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().grid.currentRow, row);
    EXPECT_FALSE(station.View().texts.searchPromptEnabled);

    station.PressGrid(GridCell::Title(2));
    station.PressGrid(GridCell::Title(2));  // prefix descending
    EXPECT_FALSE(station.TypeGridChar(U'O'));
}

TEST_F(PrefixSearch, DoesNothingWithoutEntities) {
    Load({});
    station.ApplyView(ViewMode::AllEntities);
    EXPECT_TRUE(station.TypeGridChar(U'O'));
    EXPECT_TRUE(station.TypeGridChar(U'/'));
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");
    EXPECT_EQ(station.View().grid.currentRow, std::nullopt);
}

TEST_F(PrefixSearch, EnterForgetsThePrefixAndOpensTheEditorUnlessTheLastPressSorted) {
    Type("OE");
    EXPECT_TRUE(station.PressGridEnter());  // the keyboard alone reaches the editor
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");

    station.PressGrid(GridCell::Title(2));
    station.PressGrid(GridCell::Title(2));
    EXPECT_FALSE(station.PressGridEnter());

    station.PressGrid(GridCell::Data(0, 1));  // the first data row, not a title
    station.SelectRow(4);                     // moved by the keyboard afterwards
    EXPECT_TRUE(station.PressGridEnter());
    EXPECT_TRUE(station.CanEdit());
}

TEST_F(PrefixSearch, AGridWithoutACurrentRowTakesTheRememberedEntityElseTheFirst) {
    for (const char* remembered : {"  5", "999"}) {
        station.View().grid.currentRow.reset();
        station.View().rememberedAdif = remembered;
        station.KeepACurrentRow();
        EXPECT_EQ(CurrentAdif(), remembered == std::string("999") ? "  1" : remembered);
    }
}

TEST(WindowWidth, IsTheSumOfTheColumnsAndTheFrame) {
    EXPECT_EQ(WindowWidthForColumns({35, 12, 48, 167, 85, 147, 74, 68}), 672);
    EXPECT_EQ(WindowWidthForColumns({0, 0, 0, 0, 0, 0, 0, 0}), 36);
}

}  // namespace
}  // namespace zorva::testing
