// The station, reference and settings files the fuzz targets start from; each is
// checked to read as intended, so the seeds reach past the first checks.
#include "fuzz_seeds.h"

#include <gtest/gtest.h>

#include "files/reference_file.h"
#include "files/settings_file.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "test_rows.h"

namespace zorva {
namespace {

using testing::Row;
using testing::WithYesAnswers;
using testing::WriteFuzzSeed;

const std::vector<EntityRow> kRows = {
    Row(" 24", "D", "3Y/B", "Bouvet", "3Y0C", "2001-01-01", "QSL", "2002-02-02"),
    Row("230", "", "DL", "Germany", "DL1ABC", "2021-03-04", "LoTW"),
    Row("269", "", "SP", "Polska Łódź"),
    Row("  1", "", "VE", "Canada", "VE3XX", "2020-05-06", "QSL", "2021-01-01")};

std::string Encoded(const std::vector<std::string>& lines) {
    return EncodeLines(lines).bytes;
}

std::vector<std::string> StationLines(const std::vector<EntityRow>& rows) {
    return testing::StationLines("sp5abc", rows);
}

TEST(FuzzSeeds, StationFilesReadAsIntended) {
    const std::string whole = Encoded(StationLines(kRows));
    StationFileContents contents = ParseStationFile(whole);
    EXPECT_EQ(contents.call, "SP5ABC");
    EXPECT_EQ(contents.rows, kRows);
    EXPECT_FALSE(contents.badLine);
    WriteFuzzSeed("station_file", "whole", WithYesAnswers(whole));

    std::vector<std::string> lines = StationLines(kRows);
    lines.insert(lines.begin() + 9, " 2| |X|short");
    const std::string bad = Encoded(lines);
    EXPECT_EQ(ParseStationFile(bad).rows.size(), 2u);
    WriteFuzzSeed("station_file", "bad_line", WithYesAnswers(bad));

    // A station row that the reference does not know, and one that differs from it.
    std::vector<EntityRow> differing = kRows;
    differing[1].name = "Niemcy";
    differing.push_back({"999", "", "ZZ", "Nowy", "", "", "", ""});
    WriteFuzzSeed("station_file", "differing", WithYesAnswers(Encoded(StationLines(differing))));

    std::string lfOnly;
    for (char c : whole)
        if (c != '\r') lfOnly += c;
    EXPECT_EQ(ParseStationFile(lfOnly).rows.size(), kRows.size());
    WriteFuzzSeed("station_file", "lf_only", WithYesAnswers(lfOnly));

    lines = StationLines(kRows);
    lines.push_back(" |3Y/B |Bouvet                  |3Y0C           |01.01.2001|02.02.2002|");
    EXPECT_TRUE(IsPreviousVersionLine(lines.back()));
    WriteFuzzSeed("station_file", "previous_version", WithYesAnswers(Encoded(lines)));
}

TEST(FuzzSeeds, ReferenceFilesReadAsIntended) {
    std::vector<std::string> lines;
    for (const auto& row : kRows) lines.push_back(FormatReferenceLine(row));
    for (const auto& line : lines) EXPECT_FALSE(IsBadReferenceLine(line)) << line;
    WriteFuzzSeed("reference_file", "same", WithYesAnswers(Encoded(lines)));

    lines[1] = "230| |DL   |Niemcy                  |";
    lines.insert(lines.begin() + 2, "291| |K    |United States           |");
    lines.push_back("");
    lines.push_back("246|D|1A0  |Malta (old)             |");
    EXPECT_EQ(ParseReferenceLine(lines.back()).deleted, "D");
    WriteFuzzSeed("reference_file", "changed", WithYesAnswers(Encoded(lines)));
}

TEST(FuzzSeeds, SettingsFilesReadAsIntended) {
    Settings settings;
    settings.call = "SP5ABC";
    settings.file = "/home/sp5abc/łączności.txt";
    settings.fontBold = true;
    settings.columnWidths[3] = 200;
    settings.viewConfirmed = true;
    settings.hideDeleted = true;
    const std::string text = FormatSettings(settings);
    EXPECT_EQ(ParseSettings(text), settings);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    WriteFuzzSeed("settings_file", "full", Encoded(lines));
    WriteFuzzSeed(
        "settings_file", "odd",
        "[Tabela]\r\nWielkosc czcionki= 12 \r\nWielkosc czcionki=14\r\n"
        "Szerokosc ADIF=abc\r\n[Widok]\r\nWysokosc okna=-5\r\n[Konfiguracja]\r\nZnak=\r\n");
}

}  // namespace
}  // namespace zorva
