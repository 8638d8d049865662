#include <gtest/gtest.h>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

int CountLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

TEST(CliNewAndShow, NewStationListsEveryEntityWithZeroCounters) {
    CliHome home;
    auto created = home.Run({"--yes", "new", "SP5ABC"});
    ASSERT_EQ(0, created.exitCode) << created.err;
    EXPECT_NE(std::string::npos, created.out.find(home.File("sp5abc.txt")));
    ASSERT_TRUE(home.Exists("sp5abc.txt"));
    EXPECT_EQ(0u, home.Read("sp5abc.txt").rfind("; SP5ABC  ", 0));

    auto shown = home.Run({"show", home.File("sp5abc.txt")});
    ASSERT_EQ(0, shown.exitCode) << shown.err;
    EXPECT_EQ(402 + 1 + 4, CountLines(shown.out));
    EXPECT_NE(std::string::npos, shown.out.find("\nRazem:       0/0\nZweryfikowane:   0/0\n"
                                                "Do weryfikacji:  0/0\nQSL/LoTW:  0/0\n"));
    EXPECT_NE(std::string::npos, shown.out.find("246\t\t1A0\tMilitary Order of Malta\t\t\t\t\n"));
}

TEST(CliNewAndShow, ExistingFileIsRefusedUnlessReplaced) {
    CliHome home;
    home.Write("sp5abc.txt", "keep me");
    auto refused = home.Run({"new", "SP5ABC"});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_EQ("keep me", home.Read("sp5abc.txt"));
    auto replaced = home.Run({"new", "SP5ABC", "--replace"});
    EXPECT_EQ(0, replaced.exitCode) << replaced.err;
    EXPECT_NE("keep me", home.Read("sp5abc.txt"));
}

TEST(CliUsage, WrongWordsGiveUsageAndExitCodeTwo) {
    CliHome home;
    EXPECT_EQ(2, home.Run({"frobnicate"}).exitCode);
    EXPECT_EQ(2, home.Run({"show"}).exitCode);
    EXPECT_EQ(2, home.Run({"show", "x.txt", "--sort", "9"}).exitCode);
    auto help = home.Run({"show", "--help"});
    EXPECT_EQ(0, help.exitCode);
    EXPECT_NE(std::string::npos, help.out.find("--hide-deleted"));
}

TEST(CliShow, MissingStationFileFailsWithTheProgramsMessage) {
    CliHome home;
    auto result = home.Run({"show", home.File("nope.txt")});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_NE(std::string::npos, result.err.find("nie został znaleziony!"));
}

}  // namespace
}  // namespace zorva::testing
