#include <gtest/gtest.h>

#include <filesystem>

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

TEST(CliNewAndShow, CallWithSlashIsNamedAsTheDesktopNamesIt) {
    CliHome home;
    auto created = home.Run({"new", "SP5ABC/P"});
    ASSERT_EQ(0, created.exitCode) << created.err;
    EXPECT_TRUE(home.Exists("sp5abc_p.txt"));
    EXPECT_NE(std::string::npos, created.out.find(home.File("sp5abc_p.txt")));
}

// Each refusal says why on standard error, and the station file stays as it was.
TEST(CliRefusals, EveryRefusalPrintsItsReason) {
    CliHome home;
    ASSERT_EQ(0, home.Run({"new", "SP5ABC"}).exitCode);
    const std::string file = home.File("sp5abc.txt");
    const std::string before = home.Read("sp5abc.txt");
    home.Write("bledy_dxcc.txt", "Bledy DXCC:\r\n<call:4>K1AB<eor>\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--no", "confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"},
         "przeznaczony jest tylko do odczytu (Read Only)!\nDane nie zostały zapisane."},
        {{"--no", "list", "verified", file, file}, "już istnieje i nie został zastąpiony."},
        {{"list", "to-verify", file, home.File("l.txt"), "--call", " "},
         "Brak znaku stacji, której dotyczy lista!"},
        {{"print", "normal", file, "--pdf", home.File("p.pdf"), "--call", ""},
         "Brak znaku stacji, której dotyczy wydruk!"},
        {{"new", " "}, "Znak stacji nie może być pusty!"},
        {{"new", "SP5Ж"}, "(kodowanie Windows-1250)"},
        {{"new", "sp5 x"}, "Znak stacji nie może zawierać spacji."},
        {{"--yes", "confirm", home.File("bledy_dxcc.txt"), "1", "--call", "K1A", "--date",
          "2024-05-17"},
         "nie zawiera żadnej linii podmiotu"},
    };
    for (const auto& c : cases) {
        auto refused = home.Run(c.args);
        EXPECT_EQ(1, refused.exitCode) << c.message;
        EXPECT_NE(std::string::npos, refused.err.find(c.message)) << refused.err;
    }
    EXPECT_EQ(before, home.Read("sp5abc.txt"));
    EXPECT_EQ("Bledy DXCC:\r\n<call:4>K1AB<eor>\r\n", home.Read("bledy_dxcc.txt"));
}

TEST(CliNewAndShow, ReferenceWithoutEntityLinesIsRefused) {
    CliHome home;
    for (const char* reference : {"", "  1| |VE   |Canada                  |\r230| |DL"}) {
        home.Write("dxcc_adif.kvt", reference);
        auto refused = home.Run({"new", "SP5ABC"});
        EXPECT_TRUE(refused.err.find("Błąd w pliku DXCC_ADIF.KVT w linii") != std::string::npos ||
                    refused.err.find("nie zawiera żadnego podmiotu!") != std::string::npos)
            << refused.err;
        EXPECT_FALSE(home.Exists("sp5abc.txt"));
    }
}

// As in the window, a bad line in the reference file is told and the station loads.
TEST(CliNewAndShow, AWarningOfTheLoadIsShownAndTheCommandGoesOn) {
    CliHome home;
    ASSERT_EQ(0, home.Run({"new", "SP5ABC"}).exitCode);
    home.Write("dxcc_adif.kvt", home.Read("dxcc_adif.kvt") + "999| |ZZ\r\n");
    const std::string file = home.File("sp5abc.txt");
    for (const auto& args :
         {std::vector<std::string>{"show", file},
          {"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"}}) {
        auto run = home.Run(args);
        EXPECT_EQ(0, run.exitCode) << run.err;
        EXPECT_EQ(0u, run.err.find("Błąd w pliku DXCC_ADIF.KVT w linii:\n\n")) << run.err;
    }
    EXPECT_NE(std::string::npos, home.Read("sp5abc.txt").find("DL1ABC"));
}

TEST(CliUsage, WrongWordsGiveUsageAndExitCodeTwo) {
    CliHome home;
    EXPECT_EQ(2, home.Run({"frobnicate"}).exitCode);
    EXPECT_EQ(2, home.Run({"show"}).exitCode);
    EXPECT_EQ(2, home.Run({"show", "x.txt", "--sort", "9"}).exitCode);
    auto help = home.Run({"show", "--help"});
    EXPECT_EQ(0, help.exitCode);
    EXPECT_NE(std::string::npos, help.out.find("--hide-deleted"));
    auto group = home.Run({"entity", "--help"});
    EXPECT_EQ(0, group.exitCode);
    EXPECT_NE(std::string::npos, group.out.find("entity edit ADIF"));
    EXPECT_NE(std::string::npos, group.out.find("--station"));
    EXPECT_EQ(2, home.Run({"entity"}).exitCode);
}

TEST(CliShow, MissingStationFileFailsWithTheProgramsMessage) {
    CliHome home;
    auto result = home.Run({"show", home.File("nope.txt")});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_NE(std::string::npos, result.err.find("nie został znaleziony!"));
}

}  // namespace
}  // namespace zorva::testing
