#include "print/verification_report.h"

#include <gtest/gtest.h>

#include "print/report_lines.h"
#include "report_fixtures.h"

namespace zorva {
namespace {

using testing::CountStartingWith;
using testing::Find;
using testing::Heading;
using testing::Row;
using testing::Waiting;

const PageFont kBody{"Courier New", 11, false};
const std::string kRule(74, '-');
const std::string kFirstDeclarationLine =
    "Niniejszym przedstawiam do weryfikacji powyższe podmioty na podstawie";
const std::string kSecondHalfFirstLine =
    "Oświadczam, że osobiście dokonałem weryfikacji potwierdzeń i uznaję,";

int PlaceOf(int y) {
    return (y - 280) / 50;
}

// (page index, row place) of the first text that equals the given one.
std::pair<int, int> Where(const Document& doc, const std::string& text) {
    for (size_t p = 0; p < doc.pages.size(); ++p)
        if (const PlacedText* t = Find(doc.pages[p], text))
            return {static_cast<int>(p), PlaceOf(t->y)};
    return {-1, -1};
}

// The table rows of the whole document in print order.
std::vector<std::string> TableRows(const Document& doc) {
    std::vector<std::string> rows;
    for (const Page& page : doc.pages)
        for (const PlacedText& t : page)
            if (t.text.size() > 5 && t.text[0] == '|' && t.text[4] == '|' &&
                t.text.rfind("|Lp.", 0) != 0)
                rows.push_back(t.text);
    return rows;
}

EntityTable Mixed() {
    EntityTable table;
    table.Append(Row(1, "T5", "Somalia", "T5X", "2020-01-02", "QSL"));
    table.Append(Row(2, "VK", "Australia", "VK2ABC", "2021-02-03", "LoTW"));
    table.Append(Row(3, "SP", "Poland", "SP9A", "2019-03-04", "QSL", "2021-05-06"));
    table.Append(Row(4, "ZS", "South Africa"));
    table.Append(Row(5, "JA", "Japan", "JA1AA", "2018-01-01", ""));
    table.Append(Row(6, "W", "United States of America", "W1AW", "2017-01-01", "qsl"));
    table.Append(
        Row(7, "Y2", "German Dem. Rep.", "Y21ABCDEFGHIJKLMNOP", "1980-01-01", "QSL", "", "D"));
    return table;
}

TEST(VerificationReport, ListsWaitingQslThenLotwWithRunningNumbers) {
    Document doc = ComposeVerificationReport(Mixed(), Heading());
    ASSERT_EQ(1u, doc.pages.size());
    const Page& page = doc.pages[0];
    EXPECT_EQ((PlacedText{200, 430, kBody,
                          "|  1|  1| |T5   |Somalia                 |T5X            "
                          "|2020-01-02|QSL |          |"}),
              *Find(page, "|  1" + VerificationLine(Mixed().Row(1))));
    const auto rows = TableRows(doc);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(
        "|  1|  1| |T5   |Somalia                 |T5X            |2020-01-02|QSL |          |",
        rows[0]);
    EXPECT_EQ(
        "|  2|  7|D|Y2   |German Dem. Rep.        |Y21ABCDEFGHIJKL|1980-01-01|QSL |          |",
        rows[1]);
    EXPECT_EQ(
        "|  3|  2| |VK   |Australia               |VK2ABC         |2021-02-03|LoTW|          |",
        rows[2]);
    // Head rule at 0, rows at 3 and 4, rule at 5, LoTW row at 6, rule at 7.
    std::vector<int> rulePlaces;
    for (const PlacedText& t : page)
        if (t.text == kRule) rulePlaces.push_back(PlaceOf(t.y));
    EXPECT_EQ((std::vector<int>{0, 5, 7}), rulePlaces);
    // The LoTW rule does not move the place on: the declaration is three places below the last row.
    EXPECT_EQ(std::make_pair(0, 9), Where(doc, kFirstDeclarationLine));
}

TEST(VerificationReport, HeaderTableHeadAndFooterOfAReportWithNothingToVerify) {
    EntityTable none;
    Document doc = ComposeVerificationReport(none, Heading());
    ASSERT_EQ(1u, doc.pages.size());
    const Page& page = doc.pages[0];
    const PageFont ten{"Courier New", 10, false};
    EXPECT_EQ((PlacedText{200, 125, kBody, "Zestawienie podmiotów DXCC dla: "}), page[0]);
    EXPECT_EQ((PlacedText{1200, 115, {"Courier New", 16, true}, "SP9XYZ"}), page[1]);
    EXPECT_EQ((PlacedText{1800, 125, ten, "Data: 08.12.2026"}), page[2]);
    EXPECT_EQ((PlacedText{200, 180, ten, "Stan zweryfikowanych:   150/152"}), page[3]);
    EXPECT_EQ((PlacedText{200, 220, ten, "Stan do zweryfikowania: 10/11"}), page[4]);
    EXPECT_EQ((PlacedText{200, 280, kBody, kRule}), page[5]);
    EXPECT_EQ(
        (PlacedText{200, 330, kBody,
                    "|Lp.|ADI|D| Pfx | Podmiot                | Znak          |Data QSO  |Potw|"}),
        page[6]);
    EXPECT_EQ(
        (PlacedText{200, 380, kBody,
                    "|---+---+-+-----+------------------------+---------------+----------+----|"}),
        page[7]);
    EXPECT_EQ(1, CountStartingWith(page, kRule));

    const std::vector<std::pair<int, std::string>> declaration = {
        {5, kFirstDeclarationLine},
        {6, "załączonych kart QSL oraz danych z LoTW."},
        {7, "Oświadczam, że przestrzegałem zasad regulaminów ZORVA oraz wszystkich"},
        {8, "przepisów prawnych dotyczących radiokomunikacji amatorskiej w Polsce."},
        {9, "Poddaję się decyzjom Sekretariatu Krajowego ZORVA i uznaję fakt, że"},
        {10, "wszystkie jego decyzje są ostateczne."},
        {11, std::string(72, '.')},
        {12, std::string(72, '.')},
        {15, "          Data        Podpis wnioskującego       Znak wywoławczy"},
        {18, kSecondHalfFirstLine},
        {19, "że powyższy wniosek jest prawdziwy i nie zawiera błędów."},
        {21, "Wnioskuję o zaliczenie ____ podmiotów."},
        {23, "Nie zaliczam ___ podmiotów."},
        {25, std::string(72, '.')},
        {26, std::string(72, '.')},
        {29, "          Data        Podpis Męża Zaufania       Znak wywoławczy"},
    };
    ASSERT_EQ(8 + declaration.size() + 1, page.size());
    for (size_t i = 0; i < declaration.size(); ++i)
        EXPECT_EQ((PlacedText{200, 280 + 50 * declaration[i].first, kBody, declaration[i].second}),
                  page[8 + i]);
    // The footer names the open station even though another call was typed for the title.
    EXPECT_EQ((PlacedText{600, 3250, kBody, " Zestawienie: SP1ABC   08.12.2026   Strona 1"}),
              page.back());
}

TEST(VerificationReport, FirstPageHoldsFiftyFourRowsAndLaterOnesFiftySix) {
    Document doc = ComposeVerificationReport(Waiting(54 + 56 + 1), Heading());
    ASSERT_EQ(3u, doc.pages.size());
    EXPECT_EQ(std::make_pair(0, 3), Where(doc, "|  1" + VerificationLine(Waiting(1).Row(1))));
    const auto first = TableRows({{doc.pages[0]}});
    const auto second = TableRows({{doc.pages[1]}});
    ASSERT_EQ(54u, first.size());
    ASSERT_EQ(56u, second.size());
    EXPECT_EQ(56, PlaceOf(Find(doc.pages[0], first.back())->y));
    EXPECT_EQ(1, PlaceOf(Find(doc.pages[1], second.front())->y));
    EXPECT_EQ(56, PlaceOf(Find(doc.pages[1], second.back())->y));
    EXPECT_EQ(0, CountStartingWith(doc.pages[1], "|Lp."));
    EXPECT_EQ(1u, TableRows({{doc.pages[2]}}).size());
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(1, CountStartingWith(doc.pages[p], " Zestawienie: SP1ABC   08.12.2026   Strona " +
                                                         std::to_string(p + 1)))
            << p;
}

TEST(VerificationReport, DeclarationMovesToANewPageWhenRowsEndAtPlaceFortyFourOrLater) {
    // LoTW rows leave the place at their last row: 41 rows end at place 43, 42 at place 44.
    Document fits = ComposeVerificationReport(Waiting(41, "LoTW"), Heading());
    EXPECT_EQ(std::make_pair(0, 46), Where(fits, kFirstDeclarationLine));

    Document moves = ComposeVerificationReport(Waiting(42, "LoTW"), Heading());
    ASSERT_EQ(2u, moves.pages.size());
    EXPECT_EQ(std::make_pair(1, 4), Where(moves, kFirstDeclarationLine));
    EXPECT_EQ(1, CountStartingWith(moves.pages[0], " Zestawienie: SP1ABC   08.12.2026   Strona 1"));
    EXPECT_EQ(1, CountStartingWith(moves.pages[1], " Zestawienie: SP1ABC   08.12.2026   Strona 2"));
}

TEST(VerificationReport, SecondHalfMovesToANewPageWhenTheFirstEndsAtPlaceFortyFourOrLater) {
    // The first half takes 13 places after the rows.
    Document fits = ComposeVerificationReport(Waiting(28, "LoTW"), Heading());
    EXPECT_EQ(1u, fits.pages.size());
    EXPECT_EQ(std::make_pair(0, 46), Where(fits, kSecondHalfFirstLine));

    Document moves = ComposeVerificationReport(Waiting(29, "LoTW"), Heading());
    ASSERT_EQ(2u, moves.pages.size());
    EXPECT_EQ(std::make_pair(0, 34), Where(moves, kFirstDeclarationLine));
    EXPECT_EQ(std::make_pair(1, 4), Where(moves, kSecondHalfFirstLine));
}

TEST(VerificationReport, RowsAfterARuleOnTheLastPlaceStartTheNextPage) {
    EntityTable table = Waiting(54, "QSL");
    table.Append(Row(900, "KH0", "Mariana Is.", "KH0A", "2022-01-01", "LoTW"));
    table.Append(Row(901, "KH2", "Guam", "KH2A", "2022-01-02", "LoTW"));
    Document doc = ComposeVerificationReport(table, Heading());
    std::vector<int> rulePlaces;
    for (const PlacedText& t : doc.pages[0])
        if (t.text == kRule) rulePlaces.push_back(PlaceOf(t.y));
    EXPECT_EQ((std::vector<int>{0, 57}), rulePlaces);
    EXPECT_EQ(std::make_pair(1, 1), Where(doc, "| 55" + VerificationLine(table.Row(55))));
    EXPECT_EQ(std::make_pair(1, 2), Where(doc, "| 56" + VerificationLine(table.Row(56))));
    for (const Page& page : doc.pages)
        for (const PlacedText& t : page) EXPECT_LE(t.y, 3250) << t.text;
}

TEST(VerificationReport, AThousandItemsRunOverPagesWithEveryNumberOnce) {
    Document doc = ComposeVerificationReport(Waiting(1000), Heading());
    const auto rows = TableRows(doc);
    ASSERT_EQ(1000u, rows.size());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ("|" + ItemNumberText(i + 1), rows[i].substr(0, 4)) << i;
    EXPECT_EQ("|000|  0|", rows[999].substr(0, 9));
    // 54 rows, then 17 pages of up to 56; the rule ends at place 51, so the declaration moves on.
    ASSERT_EQ(19u, doc.pages.size());
    for (size_t p = 0; p < doc.pages.size(); ++p) {
        EXPECT_EQ(1, CountStartingWith(doc.pages[p], " Zestawienie:")) << p;
        EXPECT_EQ(1, CountStartingWith(doc.pages[p], " Zestawienie: SP1ABC   08.12.2026   Strona " +
                                                         std::to_string(p + 1)))
            << p;
    }
    EXPECT_EQ(std::make_pair(18, 4), Where(doc, kFirstDeclarationLine));
}

TEST(VerificationReport, ItemNumbersShowTheirLastThreeDigits) {
    EXPECT_EQ("  1", ItemNumberText(1));
    EXPECT_EQ(" 56", ItemNumberText(56));
    EXPECT_EQ("999", ItemNumberText(999));
    EXPECT_EQ("000", ItemNumberText(1000));
    EXPECT_EQ("234", ItemNumberText(1234));
}

}  // namespace
}  // namespace zorva
