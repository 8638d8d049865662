#include <gtest/gtest.h>

#include <sstream>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

// The versions listed, newest first: each line's name and the rest of it.
std::vector<std::pair<std::string, std::string>> Listed(const std::string& out) {
    std::vector<std::pair<std::string, std::string>> versions;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const size_t tab = line.find('\t');
        versions.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    return versions;
}

TEST(CliVersions, ListsRestoresAndTakesTheRestoreBack) {
    CliHome home;
    ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
    const std::string file = home.File("sp5abc.txt");
    EXPECT_EQ(home.Run({"versions", file}).out, "");
    const std::string created = home.Read("sp5abc.txt");
    ASSERT_EQ(
        0, home.Run({"confirm", file, "230", "--call", "DL1A", "--date", "2024-05-17"}).exitCode);
    const std::string confirmed = home.Read("sp5abc.txt");

    auto listed = Listed(home.Run({"versions", file}).out);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(home.Read("kopie/sp5abc.txt/" + listed[0].first), created);
    EXPECT_NE(listed[0].second.find("Razem:       0/0\tZweryfikowane:   0/0\t"), std::string::npos)
        << listed[0].second;

    auto restored = home.Run({"restore", file, listed[0].first});
    ASSERT_EQ(0, restored.exitCode) << restored.err;
    EXPECT_EQ(home.Read("sp5abc.txt"), created);
    listed = Listed(home.Run({"versions", file}).out);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_NE(restored.out.find("zachowana jako wersja " + listed[0].first), std::string::npos)
        << restored.out;
    ASSERT_EQ(0, home.Run({"restore", file, listed[0].first}).exitCode);
    EXPECT_EQ(home.Read("sp5abc.txt"), confirmed);

    auto unknown = home.Run({"restore", file, "../sp5abc.txt"});
    EXPECT_EQ(1, unknown.exitCode);
    EXPECT_EQ(unknown.err, "Nie ma wersji ../sp5abc.txt pliku " + file + ".\n");
    EXPECT_EQ(home.Read("sp5abc.txt"), confirmed);
}

}  // namespace
}  // namespace zorva::testing
