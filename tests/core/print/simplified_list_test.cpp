#include "print/simplified_list.h"

#include <gtest/gtest.h>

#include "print/report_lines.h"
#include "report_fixtures.h"

namespace zorva {
namespace {

using testing::At;
using testing::CountStartingWith;
using testing::Find;
using testing::Has;
using testing::Heading;
using testing::Plain;
using testing::Row;

const PageFont kSix{"Courier New", 6, false};
const std::string kEmptyRow = " |     |                        | |";
const std::string kRule(146, '-');

std::vector<PlacedText> Rows(const Page& page) {
    std::vector<PlacedText> rows;
    for (const PlacedText& t : page)
        if (t.font == kSix && t.text != kEmptyRow && t.text != kRule) rows.push_back(t);
    return rows;
}

TEST(SimplifiedLine, KeepsPrefixNameCallAndDates) {
    EXPECT_EQ("D|Y2   |German Dem. Rep.        |Y21A           |1980-01-01|1990-02-03|",
              SimplifiedLine(Row(3, "Y2", "German Dem. Rep.", "Y21A", "1980-01-01", "QSL",
                                 "1990-02-03", "D")));
}

TEST(SimplifiedList, MarksFollowTheMode) {
    const std::string verified =
        SimplifiedLine(Row(1, "SP", "Poland", "SP9A", "2019-03-04", "QSL", "2021-05-06"));
    const std::string waiting =
        SimplifiedLine(Row(2, "T5", "Somalia", "T5X", "2020-01-02", "LoTW"));
    const std::string unconfirmed = SimplifiedLine(Row(3, "ZS", "South Africa"));
    const std::string dateWithoutCall =
        SimplifiedLine(Row(4, "VK", "Australia", "", "", "", "2021-05-06"));

    EXPECT_EQ("x|", StatusMark(verified, PrintMode::Complete));
    EXPECT_EQ("#|", StatusMark(waiting, PrintMode::Complete));
    EXPECT_EQ(" |", StatusMark(unconfirmed, PrintMode::Complete));
    EXPECT_EQ(" |", StatusMark(dateWithoutCall, PrintMode::Complete));

    EXPECT_EQ("x|", StatusMark(verified, PrintMode::Verified));
    EXPECT_EQ(" |", StatusMark(waiting, PrintMode::Verified));
    EXPECT_EQ("x|", StatusMark(dateWithoutCall, PrintMode::Verified));

    EXPECT_EQ(" |", StatusMark(verified, PrintMode::ToVerify));
    EXPECT_EQ("#|", StatusMark(waiting, PrintMode::ToVerify));
    EXPECT_EQ(" |", StatusMark(unconfirmed, PrintMode::ToVerify));
}

TEST(SimplifiedList, PrintsTheFirstThirtyThreeCharactersAndTheMark) {
    EntityTable table;
    table.Append(Row(1, "SP", "A name far longer than twenty-four", "SP9A", "2019-03-04", "QSL",
                     "2021-05-06"));
    table.Append(Row(2, "Y2", "German Dem. Rep.", "Y21A", "1980-01-01", "QSL", "", "D"));
    auto rows = Rows(ComposeSimplifiedList(table, PrintMode::Complete, Heading()).pages[0]);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ((PlacedText{100, 350, kSix, " |SP   |A name far longer than t|x|"}), rows[0]);
    EXPECT_EQ((PlacedText{100, 375, kSix, "D|Y2   |German Dem. Rep.        |#|"}), rows[1]);
}

TEST(SimplifiedList, HeaderLeavesOutTheCounterTheModeDoesNotShow) {
    const Page complete = ComposeSimplifiedList(Plain(1), PrintMode::Complete, Heading()).pages[0];
    EXPECT_EQ(
        (PlacedText{200, 125, {"Courier New", 10, false}, "Zestawienie podmiotów DXCC dla: "}),
        complete[0]);
    EXPECT_EQ((PlacedText{1400, 120, {"Courier New", 16, true}, "SP9XYZ"}), complete[1]);
    EXPECT_NE(nullptr, Find(complete, "Stan zweryfikowanych: 150/152"));
    EXPECT_NE(nullptr, Find(complete, "Stan do zweryfikowania: 10/11"));
    EXPECT_TRUE(Has(complete, PlacedText{120, 325, kSix, kRule}));
    EXPECT_TRUE(Has(complete, PlacedText{120, 2850, kSix, kRule}));

    const Page verified = ComposeSimplifiedList(Plain(1), PrintMode::Verified, Heading()).pages[0];
    EXPECT_EQ(0, CountStartingWith(verified, "Stan do zweryfikowania"));
    EXPECT_EQ(1, CountStartingWith(verified, "Stan zweryfikowanych"));
    const Page toVerify = ComposeSimplifiedList(Plain(1), PrintMode::ToVerify, Heading()).pages[0];
    EXPECT_EQ(1, CountStartingWith(toVerify, "Stan do zweryfikowania"));
    EXPECT_EQ(0, CountStartingWith(toVerify, "Stan zweryfikowanych"));
}

TEST(SimplifiedList, ThreeHundredFortyRowsFillThreeColumnsAndPartOfTheFourth) {
    const Page page = ComposeSimplifiedList(Plain(340), PrintMode::Complete, Heading()).pages[0];
    auto rows = Rows(page);
    ASSERT_EQ(340u, rows.size());
    EXPECT_EQ(100u, At(page, 650).size());
    EXPECT_EQ((PlacedText{1750, 350 + 25 * 39, kSix, " |P340 |Entity 340              | |"}),
              rows[339]);
    // The empty rows below take the places 79 to 99 of the fourth column.
    EXPECT_EQ(21, CountStartingWith(page, kEmptyRow));
    EXPECT_EQ(2325, Find(page, kEmptyRow)->y);
}

TEST(SimplifiedList, MoreThanFourHundredRowsGoOnOverFurtherPagesInTheSameColumns) {
    Document doc = ComposeSimplifiedList(Plain(420), PrintMode::Complete, Heading());
    ASSERT_EQ(2u, doc.pages.size());
    auto first = Rows(doc.pages[0]);
    auto second = Rows(doc.pages[1]);
    ASSERT_EQ(400u, first.size());
    ASSERT_EQ(20u, second.size());
    EXPECT_EQ(0, CountStartingWith(doc.pages[0], kEmptyRow));
    EXPECT_EQ((PlacedText{100, 350, kSix, " |P401 |Entity 401              | |"}), second[0]);
    EXPECT_EQ((PlacedText{100, 350 + 25 * 19, kSix, " |P420 |Entity 420              | |"}),
              second[19]);
    EXPECT_EQ(2, CountStartingWith(doc.pages[1], kRule));
    EXPECT_EQ(21, CountStartingWith(doc.pages[1], kEmptyRow));
    EXPECT_EQ(0, CountStartingWith(doc.pages[1], "Zestawienie"));
}

TEST(SimplifiedList, AnEmptyTablePrintsTheHeaderAlone) {
    EntityTable empty;
    Document doc = ComposeSimplifiedList(empty, PrintMode::Complete, Heading());
    ASSERT_EQ(1u, doc.pages.size());
    EXPECT_TRUE(Rows(doc.pages[0]).empty());
    EXPECT_EQ(0, CountStartingWith(doc.pages[0], kEmptyRow));
}

}  // namespace
}  // namespace zorva
