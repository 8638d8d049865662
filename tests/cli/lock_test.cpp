// Two commands on one station file run one after the other, so neither loses
// what the other saved; a file kept by another program is refused untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "io/file_lock.h"
#include "run_zorva.h"

namespace zorva::testing {
namespace {

class CliLock : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        file = home.File("sp5abc.txt");
    }
    CliResult Confirm(const std::string& adif, const std::string& call) const {
        return home.Run({"confirm", file, adif, "--call", call, "--date", "2024-05-17"});
    }

    CliHome home;
    std::string file;
};

TEST_F(CliLock, TwoConfirmsStartedTogetherBothLand) {
    const std::pair<const char*, const char*> rounds[] = {
        {"230", "227"}, {"291", "110"}, {"100", "284"}, {"269", "1"}, {"150", "81"}};
    int round = 0;
    for (const auto& [first, second] : rounds) {
        const std::string a = "DL" + std::to_string(round) + "AA";
        const std::string b = "F" + std::to_string(round++) + "BB";
        auto one = std::async(std::launch::async, [&] { return Confirm(first, a); });
        auto two = std::async(std::launch::async, [&] { return Confirm(second, b); });
        EXPECT_EQ(one.get().exitCode, 0);
        EXPECT_EQ(two.get().exitCode, 0);
        const std::string shown = home.Run({"show", file}).out;
        EXPECT_NE(shown.find("\t" + a + "\t"), std::string::npos) << a;
        EXPECT_NE(shown.find("\t" + b + "\t"), std::string::npos) << b;
    }
    EXPECT_FALSE(home.Exists("sp5abc.txt.lock"));
}

TEST_F(CliLock, FileKeptByAnotherProgramIsRefusedUntouched) {
    const std::string before = home.Read("sp5abc.txt");
    FileLock other = FileLock::Acquire(file, std::chrono::milliseconds(0));
    auto refused = Confirm("230", "DL1ABC");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find(
                  "Plik " + file +
                  "\njest właśnie zmieniany przez inny program.\nSpróbuj ponownie za chwilę."),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(home.Read("sp5abc.txt"), before);
}

// A command that cannot lock changes nothing rather than running unlocked.
TEST_F(CliLock, LockFileThatCannotBeOpenedRefusesTheCommand) {
    const std::string before = home.Read("sp5abc.txt");
    std::filesystem::create_directory(file + ".lock");
    auto refused = Confirm("230", "DL1ABC");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("nie może zostać zablokowany przed zmianami innych programów."),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(home.Read("sp5abc.txt"), before);
}

}  // namespace
}  // namespace zorva::testing
