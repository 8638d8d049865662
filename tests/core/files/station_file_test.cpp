#include "files/station_file.h"

#include <gtest/gtest.h>

#include "test_rows.h"
#include "text/utf8.h"

namespace zorva {
namespace {

using testing::Row;

const std::string kConfirmedLine =
    "230| |DL   |Federal Republic of Germ|DL1ABC         |2021-03-04|LoTW|2022-01-02|";

TEST(StationLine, IsEightyCharactersWithEveryFieldPaddedOrCut) {
    EntityRow row = Row("230", "", "DL", "Federal Republic of Germany", "DL1ABC", "2021-03-04",
                        "LoTW", "2022-01-02");
    EXPECT_EQ(FormatStationLine(row), kConfirmedLine);
    EXPECT_EQ(FormatStationLine(row).size(), 80u);
}

TEST(StationLine, UnconfirmedEntityEndsWithFourBlankFields) {
    EXPECT_EQ(FormatStationLine(Row("  1", "", "VE", "Canada")),
              "  1| |VE   |Canada                  |               |          |    |          |");
}

TEST(StationLine, AnyDeletedFlagIsWrittenAsD) {
    EXPECT_EQ(FormatStationLine(Row(" 12", "x", "3Y/B", "Bouvet")).substr(0, 6), " 12|D|");
}

TEST(StationLine, WidthsCountCharactersNotBytes) {
    std::string line =
        FormatStationLine(Row("269", "", "SP", "Polska Łódź Żółć Gęś Ąę Ćń ponad miarę"));
    EXPECT_EQ(CharCount(line), 80u);
    EXPECT_EQ(ParseStationLine(line).name, "Polska Łódź Żółć Gęś Ąę");  // cut to 24, then trimmed
}

TEST(StationLine, ParsesTrimmedFieldsAndKeepsAdifAsItStands) {
    EntityRow row = ParseStationLine(kConfirmedLine);
    EXPECT_EQ(row, Row("230", "", "DL", "Federal Republic of Germ", "DL1ABC", "2021-03-04", "LoTW",
                       "2022-01-02"));
    EXPECT_EQ(ParseStationLine("  1| |VE   |Canada                  |").adif, "  1");
}

TEST(StationLine, CallWithoutConfirmationReadsAsQsl) {
    EXPECT_EQ(
        ParseStationLine(
            "  1| |VE   |Canada                  |VE3XX          |2020-01-01|    |          |")
            .confirmation,
        "QSL");
    EXPECT_EQ(
        ParseStationLine(
            "  1| |VE   |Canada                  |               |2020-01-01|    |          |")
            .confirmation,
        "");
}

TEST(StationLine, LineStoppingAfterColumn79ReadsLikeAFullLine) {
    EXPECT_EQ(ParseStationLine(kConfirmedLine.substr(0, 79)), ParseStationLine(kConfirmedLine));
    EXPECT_EQ(ParseStationLine(kConfirmedLine.substr(0, 40)).call, "DL1");
}

TEST(StationLine, BadLineTestLooksAtColumns4_6_12And37Only) {
    EXPECT_FALSE(IsBadStationLine(kConfirmedLine));
    EXPECT_FALSE(IsBadStationLine(kConfirmedLine.substr(0, 37)));
    EXPECT_TRUE(IsBadStationLine(kConfirmedLine.substr(0, 36)));
    for (size_t column : {4u, 6u, 12u, 37u}) {
        std::string line = kConfirmedLine;
        line[column - 1] = ' ';
        EXPECT_TRUE(IsBadStationLine(line)) << column;
    }
    std::string other = kConfirmedLine;
    for (size_t column : {53u, 64u, 69u, 80u}) other[column - 1] = 'x';
    EXPECT_FALSE(IsBadStationLine(other));
}

TEST(StationLine, PreviousVersionNeedsAllSixOldSeparators) {
    std::string old(80, ' ');
    for (size_t column : {2u, 8u, 33u, 49u, 60u, 71u}) old[column - 1] = '|';
    EXPECT_TRUE(IsPreviousVersionLine(old));
    old[70] = ' ';
    EXPECT_FALSE(IsPreviousVersionLine(old));
    EXPECT_FALSE(IsPreviousVersionLine("x|"));
}

TEST(StationHeader, SevenLinesWithTheCallInUpperCase) {
    auto lines = StationHeaderLines("sp5abc", "08.12.2026");
    ASSERT_EQ(lines.size(), kStationHeaderLineCount);
    EXPECT_EQ(lines[0], "; SP5ABC  08.12.2026");
    EXPECT_EQ(lines[1], ";Zestawienie służące do wyryfikacji osiągnięć w ZORVA.");
    EXPECT_EQ(lines[2], ";");
    EXPECT_EQ(lines[3], ";Nie nalezy bezposrednio dokonywac w nim zmian,");
    EXPECT_EQ(lines[4], ";a jedynie za pomocą programu ZORVA_RADE.EXE.");
    EXPECT_EQ(lines[5].substr(0, 1), ";");
    EXPECT_EQ(lines[6], std::string(80, '-'));
}

TEST(StationHeader, CallIsTheTextBeforeTheFirstBlank) {
    EXPECT_EQ(StationCallFromHeader("; SP5ABC  08.12.2026"), "SP5ABC");
    EXPECT_EQ(StationCallFromHeader(";SP5ABC 1.1.2000"), "SP5ABC");
    EXPECT_EQ(StationCallFromHeader(";"), "");
    EXPECT_EQ(StationCallFromHeader("; 08.12.2026"), "");
    EXPECT_EQ(StationCallFromHeader(""), "");
    EXPECT_EQ(StationCallFromHeader("; sp5abc 2026"), "sp5abc");
}

std::string Header() {
    return "; SP5ABC  08.12.2026\r\n;2\r\n;3\r\n;4\r\n;5\r\n;6\r\n" + std::string(80, '-') + "\r\n";
}

TEST(StationFileParse, SkipsBlankLinesAndStopsAtTheFirstBadLine) {
    const std::string a = "  1| |VE   |Canada                  |";
    const std::string b = "230| |DL   |Germany                 |";
    auto contents =
        ParseStationFile(Header() + a + "\r\n   \r\n\r\n" + b + "\r\nbroken\r\n" + a + "\r\n");
    EXPECT_EQ(contents.call, "SP5ABC");
    ASSERT_EQ(contents.rows.size(), 2u);
    EXPECT_EQ(contents.rows[1].prefix, "DL");
    EXPECT_EQ(contents.badLine, "broken");
}

TEST(StationFileParse, LfOnlyEndsAndAMissingFinalEndReadAlike) {
    const std::string a = "  1| |VE   |Canada                  |";
    std::string crlf = Header() + a + "\r\n" + a + "\r\n";
    std::string lf = crlf;
    for (size_t at; (at = lf.find('\r')) != std::string::npos;) lf.erase(at, 1);
    auto expected = ParseStationFile(crlf).rows;
    EXPECT_EQ(ParseStationFile(lf).rows, expected);
    EXPECT_EQ(ParseStationFile(crlf.substr(0, crlf.size() - 2)).rows, expected);
}

TEST(StationFileParse, ShortAndEmptyFilesGiveNoRows) {
    EXPECT_TRUE(ParseStationFile("").rows.empty());
    EXPECT_EQ(ParseStationFile("; SP1AA  x\r\n;2\r\n").call, "SP1AA");
    auto headerOnly = ParseStationFile(Header());
    EXPECT_TRUE(headerOnly.rows.empty());
    EXPECT_FALSE(headerOnly.badLine);
}

TEST(StationFileParse, StrayBytesDoNotCrashAndAreKeptInTheRow) {
    std::string line =
        "  1| |VE   |Can\x01"
        "ada\xA5\x81" +
        std::string(15, ' ') + "|";
    auto contents =
        ParseStationFile(Header() + line + "\r\n" + std::string("\0\x1f\xff", 3) + "\r\n");
    ASSERT_EQ(contents.rows.size(), 1u);
    EXPECT_EQ(contents.rows[0].name,
              "Can\x01"
              "adaĄ\xC2\x81");
    ASSERT_TRUE(contents.badLine);
}

TEST(QuotableLine, CutsLongLinesAndShowsControlCharacters) {
    EXPECT_EQ(QuotableLine("ab\x01"
                           "c"),
              "ab�c");
    EXPECT_EQ(QuotableLine(std::string(500, 'x'), 10), std::string(10, 'x') + "…");
    EXPECT_EQ(QuotableLine(kConfirmedLine), kConfirmedLine);
}

}  // namespace
}  // namespace zorva
