#include "station/appearance.h"

#include <gtest/gtest.h>

#include "views_fixture.h"

namespace zorva::testing {
namespace {

constexpr int kConfirmed = 11195903;
constexpr int kVerified = 12910532;
constexpr int kDeleted = 12632256;
constexpr int kOther = 16777215;

TEST(RowBackground, FirstMatchWinsVerifiedConfirmedDeletedOther) {
    const Appearance colours;
    EXPECT_EQ(RowBackground(Row("  1", "D", "A", "a", "SP1A", "2020-01-01", "QSL", "2021-01-01"),
                            colours),
              kVerified);
    EXPECT_EQ(RowBackground(Row("  1", "D", "A", "a", "SP1A", "2020-01-01", "QSL"), colours),
              kConfirmed);
    EXPECT_EQ(RowBackground(Row("  1", "D", "A", "a"), colours), kDeleted);
    EXPECT_EQ(RowBackground(Row("  1", "", "A", "a"), colours), kOther);
    EXPECT_EQ(RowBackground(Row("  1", "", "A", "a", "", "", "", "2021-01-01"), colours),
              kVerified);
    // A confirmation kind alone, without a call, confirms nothing.
    EXPECT_EQ(RowBackground(Row("  1", "", "A", "a", "", "", "QSL"), colours), kOther);
}

TEST(RowBackground, UsesTheChosenColours) {
    Appearance colours;
    colours.deletedColour = 1;
    colours.otherColour = 2;
    EXPECT_EQ(RowBackground(Row("  1", "D", "A", "a"), colours), 1);
    EXPECT_EQ(RowBackground(Row("  1", "", "A", "a"), colours), 2);
}

TEST(Colours, AreStoredBlueGreenRed) {
    EXPECT_EQ(RgbOf(kConfirmed), (Rgb{255, 213, 170}));
    EXPECT_EQ(RgbOf(kVerified), (Rgb{196, 255, 196}));
    EXPECT_EQ(ColourOf(Rgb{192, 192, 192}), kDeleted);
    EXPECT_EQ(ColourOf(Rgb{0, 0, 255}), kBlue);
    EXPECT_EQ(ColourOf(Rgb{255, 0, 0}), kRed);
}

using CellPainting = StationWithTable;

TEST_F(CellPainting, TitlesOnButtonFaceWithTheSortTitleInRed) {
    EXPECT_EQ(PaintTitle(station, 2).background, std::nullopt);
    EXPECT_EQ(PaintTitle(station, 2).text, kRed);
    EXPECT_EQ(PaintTitle(station, 3).text, kBlack);
}

TEST_F(CellPainting, TheCurrentRowIsWhiteOnBlueWhateverItsState) {
    Load({Row("  1", "D", "A", "a", "SP1A", "2020-01-01", "QSL", "2021-01-01"),
          Row("  2", "D", "B", "b")});
    station.ApplyView(ViewMode::AllEntities);
    station.appearance.verifiedColour = kBlue;
    EXPECT_EQ(station.View().grid.currentRow, 0);
    EXPECT_EQ(PaintRow(station, 0).background, kBlue);
    EXPECT_EQ(PaintRow(station, 0).text, kWhite);
    EXPECT_EQ(PaintRow(station, 1).background, kDeleted);
    EXPECT_EQ(PaintRow(station, 1).text, kBlack);
}

TEST(RowHeight, StaysWithinOneToNinetyNine) {
    EXPECT_EQ(StepRowHeight(99, 1), 99);
    EXPECT_EQ(StepRowHeight(1, -1), 1);
    EXPECT_EQ(StepRowHeight(21, 1), 22);
    EXPECT_EQ(ClampRowHeight(0), 1);
    EXPECT_EQ(ClampRowHeight(100), 99);
}

TEST(RowHeight, UnreadableTextGivesTwentyOne) {
    EXPECT_EQ(RowHeightFromText("35"), 35);
    EXPECT_EQ(RowHeightFromText(""), 21);
    EXPECT_EQ(RowHeightFromText("a"), 21);
    EXPECT_EQ(RowHeightFromText("3x"), 21);
    EXPECT_EQ(RowHeightFromText("0"), 1);
}

TEST(FontWeight, SurvivesOnlyWhenExactlyBold) {
    EXPECT_EQ(FontWeightKey(true, false, false, false), "1");
    EXPECT_EQ(FontWeightKey(true, true, false, false), "0");
    EXPECT_EQ(FontWeightKey(false, true, false, false), "0");
    EXPECT_EQ(FontWeightKey(true, false, true, false), "0");
    EXPECT_TRUE(FontBoldFromKey("1"));
    EXPECT_FALSE(FontBoldFromKey("0"));
    EXPECT_FALSE(FontBoldFromKey("yes"));
}

}  // namespace
}  // namespace zorva::testing
