#include "print/normal_list.h"

#include <gtest/gtest.h>

#include "print/report_lines.h"
#include "report_fixtures.h"
#include "text/utf8.h"

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
const std::string kEmptyRow =
    "|   | |     |                        |               |          | |          |";

std::vector<PlacedText> Rows(const Page& page, int x) {
    std::vector<PlacedText> rows;
    for (const PlacedText& t : At(page, x))
        if (t.text != kEmptyRow) rows.push_back(t);
    return rows;
}

TEST(NormalLine, HoldsEveryColumnCutToItsWidth) {
    EXPECT_EQ("|230| |SP   |Poland                  |SP9ABC         |2020-01-02|Q|2021-05-06|",
              NormalLine(Row(230, "SP", "Poland", "SP9ABC", "2020-01-02", "QSL", "2021-05-06")));
    EXPECT_EQ("|  1|D|VE   |A name far longer than t|SP9ABCDEFGHIJKL|          |L|          |",
              NormalLine(Row(1, "VE", "A name far longer than twenty-four", "SP9ABCDEFGHIJKLMNOP",
                             "", "LoTW", "", "D")));
    EXPECT_EQ(78u, CharCount(NormalLine(Row(5, "Ł", "Łódź", "SQ9ŁÓ"))));
    // Any mark in the deleted column prints as "D", as a save writes it.
    EXPECT_EQ(NormalLine(Row(7, "A", "a", "", "", "", "", "X")).substr(4, 3), "|D|");
}

TEST(NormalList, HeaderStandsOnTheFirstPageOnly) {
    Document doc = ComposeNormalList(Plain(340), PrintMode::Complete, Heading());
    ASSERT_EQ(2u, doc.pages.size());
    const Page& first = doc.pages[0];
    EXPECT_EQ(
        (PlacedText{200, 125, {"Courier New", 12, false}, "Zestawienie podmiotów DXCC dla: "}),
        first[0]);
    EXPECT_EQ((PlacedText{1200, 115, {"Courier New", 16, true}, "SP9XYZ"}), first[1]);
    EXPECT_EQ((PlacedText{200, 200, {"Courier New", 10, false}, "Data: 08.12.2026"}), first[2]);
    EXPECT_EQ((PlacedText{700, 200, {"Courier New", 10, false}, "Stan zweryfikowanych: 150/152"}),
              first[3]);
    EXPECT_EQ((PlacedText{1500, 200, {"Courier New", 10, false}, "Stan do zweryfikowania: 10/11"}),
              first[4]);
    EXPECT_EQ(nullptr, Find(doc.pages[1], "Data: 08.12.2026"));
}

TEST(NormalList, OneHundredThirtyRowsFillOnePageWithEmptyRowsBelow) {
    Document doc = ComposeNormalList(Plain(130), PrintMode::Complete, Heading());
    ASSERT_EQ(1u, doc.pages.size());
    const Page& page = doc.pages[0];
    auto left = Rows(page, 80);
    auto right = Rows(page, 1210);
    ASSERT_EQ(100u, left.size());
    ASSERT_EQ(30u, right.size());
    EXPECT_EQ((PlacedText{80, 280, kSix, NormalLine(Row(1, "P1", "Entity 1"))}), left[0]);
    EXPECT_EQ(280 + 30 * 99, left[99].y);
    EXPECT_EQ((PlacedText{1210, 280 + 30 * 29, kSix, NormalLine(Row(130, "P130", "Entity 130"))}),
              right[29]);
    for (int r = 90; r < 100; ++r)
        EXPECT_TRUE(Has(page, PlacedText{1210, 280 + 30 * r, kSix, kEmptyRow})) << r;
    EXPECT_EQ(10, CountStartingWith(page, "|   | |"));
    const PlacedText* footer = Find(page, " Zestawienie: SP1ABC   08.12.2026   Strona 1/1");
    ASSERT_NE(nullptr, footer);
    EXPECT_EQ(1180, footer->x);
    EXPECT_EQ(3310, footer->y);
    EXPECT_NE(nullptr, Find(page, " " + std::string(77, '-')));
    EXPECT_EQ(3, CountStartingWith(page, " " + std::string(78, '-')));
}

TEST(NormalList, ThreeHundredFortyRowsTakeTwoPagesWithTheirFooters) {
    Document doc = ComposeNormalList(Plain(340), PrintMode::Complete, Heading());
    ASSERT_EQ(2u, doc.pages.size());
    EXPECT_EQ(100u, Rows(doc.pages[0], 80).size());
    EXPECT_EQ(100u, Rows(doc.pages[0], 1210).size());
    EXPECT_EQ(0, CountStartingWith(doc.pages[0], kEmptyRow));  // every place is taken
    EXPECT_EQ(100u, Rows(doc.pages[1], 80).size());
    EXPECT_EQ(40u, Rows(doc.pages[1], 1210).size());
    EXPECT_EQ(10, CountStartingWith(doc.pages[1], kEmptyRow));
    EXPECT_NE(nullptr, Find(doc.pages[0], " Zestawienie: SP1ABC   08.12.2026   Strona 1/2"));
    EXPECT_NE(nullptr, Find(doc.pages[1], " Zestawienie: SP1ABC   08.12.2026   Strona 2/2"));
    EXPECT_EQ(NormalLine(Row(201, "P201", "Entity 201")), Rows(doc.pages[1], 80)[0].text);
}

TEST(NormalList, MoreThanFourHundredRowsGoOnOverFurtherPagesWithNothingLeftOut) {
    Document doc = ComposeNormalList(Plain(420), PrintMode::Complete, Heading());
    ASSERT_EQ(3u, doc.pages.size());
    std::vector<std::string> printed;
    for (const Page& page : doc.pages)
        for (int x : {80, 1210})
            for (const PlacedText& t : Rows(page, x)) printed.push_back(t.text);
    ASSERT_EQ(420u, printed.size());
    for (int i = 0; i < 420; ++i)
        ASSERT_EQ(
            NormalLine(Row(i + 1, "P" + std::to_string(i + 1), "Entity " + std::to_string(i + 1))),
            printed[i]);
    EXPECT_NE(nullptr, Find(doc.pages[0], " Zestawienie: SP1ABC   08.12.2026   Strona 1/3"));
    EXPECT_NE(nullptr, Find(doc.pages[1], " Zestawienie: SP1ABC   08.12.2026   Strona 2/3"));
    // The last page ends inside its first column: no rules and no footer there.
    EXPECT_EQ(0, CountStartingWith(doc.pages[2], " Zestawienie:"));
    EXPECT_EQ(0, CountStartingWith(doc.pages[2], " ---"));
}

TEST(NormalList, FullPagesAddNoPageToTheCount) {
    for (auto [rows, shown] : {std::pair{200, "1/1"}, {201, "1/2"}, {400, "1/2"}}) {
        const Page page = ComposeNormalList(Plain(rows), PrintMode::Complete, Heading()).pages[0];
        EXPECT_NE(nullptr,
                  Find(page, " Zestawienie: SP1ABC   08.12.2026   Strona " + std::string(shown)));
    }
}

TEST(NormalList, APageEndingWithItsFirstColumnHasNoRulesNorFooter) {
    Document doc = ComposeNormalList(Plain(100), PrintMode::Complete, Heading());
    ASSERT_EQ(1u, doc.pages.size());
    EXPECT_EQ(0, CountStartingWith(doc.pages[0], " Zestawienie:"));
    EXPECT_EQ(100u, Rows(doc.pages[0], 80).size());
}

TEST(NormalList, AnEmptyTablePrintsTheHeaderAlone) {
    EntityTable empty;
    empty.ResetToPlaceholder();
    Document doc = ComposeNormalList(empty, PrintMode::Complete, Heading());
    ASSERT_EQ(1u, doc.pages.size());
    EXPECT_EQ(5u, doc.pages[0].size());
}

TEST(NormalList, VerifiedModeBlanksConfirmationsNotYetVerified) {
    EntityTable table;
    table.Append(Row(1, "T5", "Somalia", "T5X", "2020-01-02", "QSL"));
    table.Append(Row(2, "SP", "Poland", "SP9A", "2019-03-04", "LoTW", "2021-05-06"));
    table.Append(Row(3, "Y2", "German Dem. Rep.", "Y21A", "1980-01-01", "QSL", "", "D"));
    Document doc = ComposeNormalList(table, PrintMode::Verified, Heading());
    auto rows = Rows(doc.pages[0], 80);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("|  1| |T5   |Somalia                 |               |          | |          |",
              rows[0].text);
    EXPECT_EQ(NormalLine(table.Row(2)), rows[1].text);
    EXPECT_EQ("|  3|D|Y2   |German Dem. Rep.        |               |          | |          |",
              rows[2].text);
    EXPECT_EQ(0, CountStartingWith(doc.pages[0], "Stan do zweryfikowania"));
    EXPECT_EQ(1, CountStartingWith(doc.pages[0], "Stan zweryfikowanych"));
}

}  // namespace
}  // namespace zorva
