#include <gtest/gtest.h>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliConfirmation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        file = home.File("sp5abc.txt");
    }

    CliResult Show(const std::string& view = "all") const {
        return home.Run({"show", file, "--view", view});
    }

    CliHome home;
    std::string file;
};

TEST_F(CliConfirmation, ConfirmedEntityShowsCallDateAndQsl) {
    auto confirmed = home.Run({"confirm", file, "230", "--call", "dl1abc", "--date", "2024-12-31"});
    ASSERT_EQ(0, confirmed.exitCode) << confirmed.err;
    auto shown = Show();
    EXPECT_TRUE(Contains(shown.out, "230\t\tDL\tFed. Rep. of Germany\tDL1ABC\t2024-12-31\tQSL\t\n"))
        << shown.out;
    EXPECT_TRUE(Contains(shown.out, "Do weryfikacji:  1/1\nQSL/LoTW:  1/0\n"));
}

TEST_F(CliConfirmation, LotwOnDeletedEntityCountsOnlyTheSecondNumber) {
    ASSERT_EQ(0,
              home.Run({"confirm", file, "81", "--call", "Y21AA", "--date", "1989-11-09", "--lotw"})
                  .exitCode);
    auto shown = Show();
    EXPECT_TRUE(Contains(shown.out, " 81\tD\tDL/D\tGermany\tY21AA\t1989-11-09\tLoTW\t\n"));
    EXPECT_TRUE(Contains(shown.out, "Do weryfikacji:  0/1\nQSL/LoTW:  0/1\n"));
}

TEST_F(CliConfirmation, RefusalsGiveTheDialogsMessageAndSaveNothing) {
    const std::string before = home.Read("sp5abc.txt");
    auto noDate = home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", ""});
    EXPECT_EQ(1, noDate.exitCode);
    EXPECT_TRUE(Contains(noDate.err, "Wprowadź datę łączności!"));
    auto badMonth = home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-13-01"});
    EXPECT_EQ(1, badMonth.exitCode);
    EXPECT_TRUE(Contains(badMonth.err, "Wprowadź poprawną datę łączności!"));
    auto notMasked = home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-1"});
    EXPECT_EQ(1, notMasked.exitCode);
    auto unknown = home.Run({"confirm", file, "999", "--call", "DL1ABC", "--date", "2024-05-17"});
    EXPECT_EQ(1, unknown.exitCode);
    EXPECT_TRUE(Contains(unknown.err, "Brak podmiotu o numerze ADIF 999!"));
    EXPECT_EQ(
        2, home.Run({"confirm", file, "23x", "--call", "DL1ABC", "--date", "2024-05-17"}).exitCode);
    EXPECT_EQ(2, home.Run({"confirm", file, "230", "--call", "DL1ABC"}).exitCode);
    home.Write("kopie", "not a folder");  // no version can be kept, and no "Zapisz jako.." helps
    auto noCopy = home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"});
    EXPECT_TRUE(Contains(noCopy.err, "powtórzyć polecenie na kopii.")) << noCopy.err;
    EXPECT_EQ(before, home.Read("sp5abc.txt"));
}

TEST_F(CliConfirmation, AdifNumbersMayHaveLeadingZeros) {
    auto confirmed = home.Run({"confirm", file, "007", "--call", "ZA1A", "--date", "2024-05-17"});
    ASSERT_EQ(0, confirmed.exitCode) << confirmed.err;
    EXPECT_TRUE(Contains(Show().out, "  7\t\tZA\tAlbania\tZA1A\t2024-05-17\tQSL\t\n"));
    ASSERT_EQ(0, home.Run({"clear", file, "0007"}).exitCode);
    EXPECT_TRUE(Contains(Show().out, "  7\t\tZA\tAlbania\t\t\t\t\n"));
}

TEST_F(CliConfirmation, ClearRemovesTheConfirmation) {
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"}).exitCode);
    auto cleared = home.Run({"clear", file, "230"});
    ASSERT_EQ(0, cleared.exitCode) << cleared.err;
    auto shown = Show();
    EXPECT_TRUE(Contains(shown.out, "230\t\tDL\tFed. Rep. of Germany\t\t\t\t\n"));
    EXPECT_TRUE(Contains(shown.out, "Do weryfikacji:  0/0\nQSL/LoTW:  0/0\n"));
}

TEST_F(CliConfirmation, VerifyMovesConfirmedEntitiesToTheVerifiedGroup) {
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "dl1abc", "--date", "2024-05-17"}).exitCode);
    ASSERT_EQ(
        0, home.Run({"confirm", file, "81", "--call", "Y21AA", "--date", "1989-11-09"}).exitCode);
    auto verified = home.Run({"verify", file, "--date", "2025-01-10"});
    ASSERT_EQ(0, verified.exitCode) << verified.err;

    auto shown = Show("verified");
    EXPECT_TRUE(Contains(shown.out,
                         "230\t\tDL\tFed. Rep. of Germany\tDL1ABC\t2024-05-17\tQSL\t2025-01-10\n"))
        << shown.out;
    EXPECT_TRUE(Contains(shown.out, "Zweryfikowane:   1/2\nDo weryfikacji:  0/0\n"));

    auto again = home.Run({"verify", file});
    EXPECT_EQ(1, again.exitCode);
    EXPECT_TRUE(Contains(again.err, "Brak danych do weryfikacji!"));
    auto locked = home.Run({"clear", file, "230"});
    EXPECT_EQ(1, locked.exitCode);
    EXPECT_TRUE(Contains(locked.err, "Nie można zmieniać zweryfikowanych danych!"));
}

TEST_F(CliConfirmation, VerifyRefusesABlankDate) {
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"}).exitCode);
    const std::string before = home.Read("sp5abc.txt");
    auto refused = home.Run({"verify", file, "--date", "   "});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_TRUE(Contains(refused.err, "Wprowadź datę weryfikacji!"));
    EXPECT_EQ(before, home.Read("sp5abc.txt"));
}

TEST_F(CliConfirmation, ControlCharactersAndBlankStoredDatesAreRefused) {
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"}).exitCode);
    const std::string before = home.Read("sp5abc.txt");
    const std::string control = "symbol sterujący (kod 10)";
    auto call = home.Run({"confirm", file, "81", "--call", "AB\nCD", "--date", "2024-05-17"});
    EXPECT_EQ(1, call.exitCode);
    EXPECT_TRUE(Contains(call.err, "Znak stacji zawiera " + control)) << call.err;
    auto date = home.Run({"verify", file, "--date", "20\n24"});
    EXPECT_EQ(1, date.exitCode);
    EXPECT_TRUE(Contains(date.err, "Data weryfikacji zawiera " + control)) << date.err;
    // Only the first ten characters are stored, and here they are blank.
    auto blank = home.Run({"verify", file, "--date", "           X"});
    EXPECT_EQ(1, blank.exitCode);
    EXPECT_TRUE(Contains(blank.err, "Wprowadź datę weryfikacji!")) << blank.err;
    EXPECT_EQ(before, home.Read("sp5abc.txt"));

    auto station = home.Run({"new", "AB\nCD"});
    EXPECT_NE(0, station.exitCode);
    EXPECT_TRUE(Contains(station.err, "Znak stacji zawiera " + control)) << station.err;
    EXPECT_FALSE(home.Exists("ab\ncd.txt"));
}

}  // namespace
}  // namespace zorva::testing
