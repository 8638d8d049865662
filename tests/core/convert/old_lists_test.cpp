#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "convert/old_entity_lists.h"
#include "convert/old_station_file.h"
#include "convert/position_maps.h"
#include "old_file_fixture.h"

namespace zorva {
namespace {

template <size_t N>
std::set<int> Distinct(const std::array<int, N>& map) {
    return {map.begin(), map.end()};
}

TEST(PositionMaps, AreFullPermutationsOfTheirLists) {
    EXPECT_EQ(PositionMap2001.size(), 393u);
    EXPECT_EQ(Distinct(PositionMap2001).size(), 393u);
    EXPECT_EQ(PositionMap2006.size(), 395u);
    EXPECT_EQ(Distinct(PositionMap2006).size(), 395u);
    EXPECT_GT(*std::min_element(PositionMap2001.begin(), PositionMap2001.end()), 0);
    EXPECT_GT(*std::min_element(PositionMap2006.begin(), PositionMap2006.end()), 0);
}

TEST(PositionMaps, MapTheKnownPositionsToTheirEntities) {
    EXPECT_EQ(PositionMap2001[0], 247);  // Spratly
    EXPECT_EQ(PositionMap2001[1], 246);  // Malta (SMO)
    EXPECT_EQ(PositionMap2001[3], 4);    // Agalega
    EXPECT_EQ(PositionMap2001[392], 488);
    EXPECT_EQ(PositionMap2006[0], 246);
    EXPECT_EQ(PositionMap2006[1], 178);
    EXPECT_EQ(PositionMap2006[2], 247);
    EXPECT_EQ(PositionMap2006[212], 515);
    EXPECT_EQ(PositionMap2006[394], 488);
}

TEST(OldEntityLists, HoldTheKeysOldFilesWereWrittenWith) {
    EXPECT_EQ(rade1[0], "|     |Spratly Island          |");
    EXPECT_EQ(rade1[1], "|1A0  |SMO Malta               |");
    EXPECT_EQ(rade1[3], "|3B6,7|Agalega & St Brandon    |");
    EXPECT_EQ(rade1[392], "|ZS9  |Walvis Bay              |");
    EXPECT_EQ(rade2[0], "|1A0  |Military Order of Malta |");
    EXPECT_EQ(rade2[1], "|1M   |Minerva Reef            |");
    EXPECT_EQ(rade2[2], "|1S   |Spratly Islands         |");
    EXPECT_EQ(rade2[392], "|ZS1\\P|Penquin Is.             |");
    EXPECT_EQ(rade2[394], "|ZS9  |Walvis Bay              |");
}

TEST(OldEntityLists, EveryKeyHasTheFixedLayout) {
    auto check = [](std::string_view key) {
        ASSERT_EQ(key.size(), 32u) << key;
        EXPECT_EQ(key[0], '|') << key;
        EXPECT_EQ(key[6], '|') << key;
        EXPECT_EQ(key[31], '|') << key;
    };
    std::for_each(rade1.begin(), rade1.end(), check);
    std::for_each(rade2.begin(), rade2.end(), check);
    // The entity at a position is the one its map names: Monaco is 260 at 2001 position 2.
    EXPECT_EQ(rade1[2], "|3A   |Monaco                  |");
    EXPECT_EQ(rade2[3], rade1[2]);
}

TEST(RecogniseOldList, TellsTheListByTheThirdLine) {
    const OldEntityList* list2001 = RecogniseOldList(";(na dzien 10.11.2001)");
    ASSERT_NE(list2001, nullptr);
    EXPECT_EQ(list2001->Count(), 393u);
    EXPECT_EQ(list2001->keys[3], rade1[3]);
    EXPECT_EQ(list2001->adifNumbers[3], 4);

    const OldEntityList* list2006 = RecogniseOldList("x ;(na dzien 01.08.2006) ");
    ASSERT_NE(list2006, nullptr);
    EXPECT_EQ(list2006->Count(), 395u);
    EXPECT_EQ(list2006->adifNumbers[1], 178);

    EXPECT_EQ(RecogniseOldList(";(na dzien 10.11.2001) "), nullptr);  // compared whole
    EXPECT_EQ(RecogniseOldList(" ;(na dzien 10.11.2001)"), nullptr);
    EXPECT_EQ(RecogniseOldList(";(na dzien 01.08.2005)"), nullptr);
    EXPECT_EQ(RecogniseOldList(""), nullptr);
}

TEST(OldFileCall, IsTheFirstWordAfterTheMark) {
    EXPECT_EQ(OldFileCall(";SP9ABC Zestawienie"), "SP9ABC");
    EXPECT_EQ(OldFileCall(";  sp9abc  12.03.2005"), "sp9abc");
    EXPECT_EQ(OldFileCall(";SP9ABC"), "");  // no blank after the call
    EXPECT_EQ(OldFileCall(";"), "");
    EXPECT_EQ(OldFileCall(""), "");
}

TEST(ParseOldDataLine, ReadsTheFixedColumns) {
    std::string text =
        testing::OldDataLineText(rade1[3], {" SP9XYZ", "17.05.2003", "20.01.2004", ""});
    ASSERT_EQ(text.size(), 71u);
    OldDataLine line = ParseOldDataLine(text);
    EXPECT_EQ(line.key, rade1[3]);
    EXPECT_TRUE(line.confirmed);
    EXPECT_EQ(line.call, "SP9XYZ");
    EXPECT_EQ(line.qsoDate, "2003-05-17");
    EXPECT_EQ(line.verifiedDate, "2004-01-20");
}

TEST(ParseOldDataLine, BlankCallColumnsMeanNotConfirmed) {
    EXPECT_FALSE(ParseOldDataLine(testing::OldDataLineText(rade1[3])).confirmed);
    // Only the first two call columns decide.
    EXPECT_FALSE(ParseOldDataLine(testing::OldDataLineText(rade1[3], {"  X"})).confirmed);
    EXPECT_TRUE(ParseOldDataLine(testing::OldDataLineText(rade1[3], {" X"})).confirmed);
    // A line cut after its key is an unconfirmed one.
    OldDataLine cut = ParseOldDataLine(" " + std::string(rade1[3]));
    EXPECT_FALSE(cut.confirmed);
    EXPECT_EQ(cut.key, rade1[3]);
}

}  // namespace
}  // namespace zorva
