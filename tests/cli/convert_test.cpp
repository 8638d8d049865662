#include <gtest/gtest.h>

#include <cstdio>

#include "../core/convert/old_file_fixture.h"
#include "run_zorva.h"

namespace zorva::testing {
namespace {

void WriteOldFile(const CliHome& home) {
    std::string bytes;
    for (const std::string& line :
         OldFileLines(rade1, k2001Line,
                      {{3, {"SP9XYZ", "17.05.2003", "20.01.2004"}},
                       {1, {"9H1/SMO", "02.03.98", "", "|1A0  |S.M.O. Malta            |"}}}))
        bytes += line + "\r\n";
    home.Write("old.txt", bytes);
}

TEST(CliConvert, ConvertsInPlaceAndShowsTheCallsAtTheirEntities) {
    CliHome home;
    WriteOldFile(home);
    const std::string old = home.Read("old.txt");
    auto converted = home.Run({"--yes", "convert", home.File("old.txt")});
    ASSERT_EQ(0, converted.exitCode) << converted.err;
    EXPECT_EQ(home.File("old.txt") + "\n", converted.out);
    EXPECT_EQ(old, home.Read("old.txt~"));

    auto shown = home.Run({"show", home.File("old.txt"), "--view", "confirmed"});
    ASSERT_EQ(0, shown.exitCode) << shown.err;
    EXPECT_NE(
        std::string::npos,
        shown.out.find("  4\t\t3B6\tAgalega & St. Brandon\tSP9XYZ\t2003-05-17\tQSL\t2004-01-20\n"));
    EXPECT_NE(std::string::npos,
              shown.out.find("246\t\t1A0\tMilitary Order of Malta\t9H1/SMO\t1998-03-02\tQSL\t\n"));
    EXPECT_NE(std::string::npos, shown.out.find("QSL/LoTW:  2/0\n"));
}

TEST(CliConvert, AnsweringNoLeavesTheFileAlone) {
    CliHome home;
    WriteOldFile(home);
    const std::string old = home.Read("old.txt");
    auto refused = home.Run({"--no", "convert", home.File("old.txt")});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_NE(std::string::npos, refused.err.find("Konwersja_ZORVA_Rade.exe"));
    EXPECT_EQ(old, home.Read("old.txt"));
    EXPECT_FALSE(home.Exists("old.txt~"));
}

TEST(CliConvert, RewrittenFileExitsZeroWhateverTheReadingAfterItReports) {
    CliHome home;
    WriteOldFile(home);
    const std::string old = home.Read("old.txt");
    std::remove(home.File("dxcc_adif.kvt").c_str());
    auto converted = home.Run({"--yes", "convert", home.File("old.txt")});
    EXPECT_EQ(0, converted.exitCode) << converted.err;
    EXPECT_NE(std::string::npos, converted.err.find("nie został znaleziony"));
    EXPECT_EQ(old, home.Read("old.txt~"));
}

TEST(CliConvert, CurrentStationFileIsNotConverted) {
    CliHome home;
    ASSERT_EQ(0, home.Run({"new", "SP5ABC"}).exitCode);
    const std::string current = home.Read("sp5abc.txt");
    auto refused = home.Run({"--yes", "convert", home.File("sp5abc.txt")});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_NE(std::string::npos, refused.err.find("nie wymaga konwersji"));
    EXPECT_EQ(current, home.Read("sp5abc.txt"));
    EXPECT_FALSE(home.Exists("sp5abc.txt~"));
}

}  // namespace
}  // namespace zorva::testing
