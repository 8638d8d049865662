#include <gtest/gtest.h>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

// The newest version's name and the rest of its line.
std::pair<std::string, std::string> Newest(const CliHome& home, const std::string& file) {
    const std::string out = home.Run({"versions", file}).out;
    const size_t tab = out.find('\t');
    return {out.substr(0, tab), out.substr(tab + 1, out.find('\n') - tab - 1)};
}

TEST(CliVersions, ListsRestoresAndTakesTheRestoreBack) {
    CliHome home;
    ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
    const std::string file = home.File("sp5abc.txt");
    const std::string created = home.Read("sp5abc.txt");
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "DL1A", "--date", "2024-05-17"}).exitCode);
    const std::string confirmed = home.Read("sp5abc.txt");
    const auto [first, counters] = Newest(home, file);
    EXPECT_EQ(counters,
              "Razem:       0/0\tZweryfikowane:   0/0\tDo weryfikacji:  0/0\tQSL/LoTW:  0/0");
    ASSERT_EQ(0, home.Run({"restore", file, first}).exitCode);
    EXPECT_EQ(home.Read("sp5abc.txt"), created);
    ASSERT_EQ(0, home.Run({"restore", file, Newest(home, file).first}).exitCode);
    EXPECT_EQ(home.Read("sp5abc.txt"), confirmed);
    auto unknown = home.Run({"restore", file, "../sp5abc.txt"});
    EXPECT_EQ(1, unknown.exitCode);
    EXPECT_EQ(unknown.err, "Nie ma wersji ../sp5abc.txt pliku " + file + ".\n");
    auto mistyped = home.Run({"versions", home.File("sp5abd.txt")});
    EXPECT_EQ(1, mistyped.exitCode);
    EXPECT_EQ(mistyped.err, "Plik \"" + home.File("sp5abd.txt") + "\" nie został znaleziony!\n");
}

}  // namespace
}  // namespace zorva::testing
