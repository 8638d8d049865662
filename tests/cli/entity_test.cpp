#include <gtest/gtest.h>
#include <sys/stat.h>

#include <future>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliEntity : public ::testing::Test {
  protected:
    void SetUp() override { original = home.Read("dxcc_adif.kvt"); }

    // The station SP5ABC with Germany (230) confirmed.
    std::string NewStation() {
        EXPECT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        const std::string file = home.File("sp5abc.txt");
        EXPECT_EQ(0, home.Run({"confirm", file, "230", "--call", "DL1ABC", "--date", "2024-05-17"})
                         .exitCode);
        return file;
    }

    void ExpectReferenceUnchanged() {
        EXPECT_EQ(original, home.Read("dxcc_adif.kvt"));
        EXPECT_FALSE(home.Exists("dxcc_adif.kvt~"));
    }

    CliHome home;
    std::string original;
};

TEST_F(CliEntity, AddPlacesTheLineByPrefixAndKeepsTheBackup) {
    auto added = home.Run({"entity", "add", "999", "3d2/x", "Test Reef"});
    ASSERT_EQ(0, added.exitCode) << added.err;
    EXPECT_EQ("Podmiot został dodany do bazy!\n", added.out.substr(0, added.out.find('\n') + 1));
    const std::string now = home.Read("dxcc_adif.kvt");
    EXPECT_TRUE(Contains(now,
                         "460| |3D2/R|Rotuma I.               |\r\n"
                         "999| |3D2/X|Test Reef               |\r\n"
                         "468| |3DA  |"));
    EXPECT_EQ(original.size() + 39, now.size());
    EXPECT_EQ(original, home.Read("dxcc_adif.kvt~"));
}

TEST_F(CliEntity, AddWithStationCarriesTheEntityIntoItsFile) {
    const std::string file = NewStation();
    auto added =
        home.Run({"entity", "add", "998", "ZZ9", "Last Rock", "--deleted", "--station", file});
    ASSERT_EQ(0, added.exitCode) << added.err;
    EXPECT_TRUE(Contains(home.Read("sp5abc.txt"), "998|D|ZZ9  |Last Rock               |"));
    auto shown = home.Run({"show", file});
    EXPECT_TRUE(Contains(shown.out, "998\tD\tZZ9\tLast Rock\t\t\t\t\n")) << shown.out;
    EXPECT_TRUE(Contains(home.Read("dxcc_adif.kvt"), "998|D|ZZ9  |Last Rock               |\r\n"));
}

TEST_F(CliEntity, AddRefusesTakenZeroAndMalformedNumbers) {
    auto taken = home.Run({"entity", "add", "230", "XX", "Twin"});
    EXPECT_EQ(1, taken.exitCode);
    EXPECT_TRUE(Contains(taken.err, "Podmiot o takim numerze już istnieje w bazie!"));
    auto zero = home.Run({"entity", "add", "000", "XX", "Nowhere"});
    EXPECT_EQ(1, zero.exitCode);
    EXPECT_TRUE(Contains(zero.err, "Numer ADIF musi być większy od zera!"));
    auto noPrefix = home.Run({"entity", "add", "997", " ", "Nowhere"});
    EXPECT_EQ(1, noPrefix.exitCode);
    EXPECT_TRUE(Contains(noPrefix.err, "Pole prefiksu nie może być puste!"));
    EXPECT_EQ(2, home.Run({"entity", "add", "99x", "XX", "Nowhere"}).exitCode);
    EXPECT_EQ(2, home.Run({"entity", "add", "1234", "XX", "Nowhere"}).exitCode);
    EXPECT_EQ(2, home.Run({"entity", "add", "997", "XXXXXX", "Nowhere"}).exitCode);
    EXPECT_EQ(2, home.Run({"entity", "add", "997", "XX", std::string(25, 'n')}).exitCode);
    ExpectReferenceUnchanged();
}

TEST_F(CliEntity, EditChangesNameAndState) {
    auto edited = home.Run({"entity", "edit", "0230", "--name", "Germany", "--deleted"});
    ASSERT_EQ(0, edited.exitCode) << edited.err;
    EXPECT_TRUE(Contains(edited.out, "Dane o Podmiocie zostały zmodyfikowane!"));
    EXPECT_TRUE(Contains(home.Read("dxcc_adif.kvt"), "230|D|DL   |Germany                 |\r\n"));
    EXPECT_EQ(original, home.Read("dxcc_adif.kvt~"));
    ASSERT_EQ(0, home.Run({"entity", "edit", "230", "--active"}).exitCode);
    EXPECT_TRUE(Contains(home.Read("dxcc_adif.kvt"), "230| |DL   |Germany                 |\r\n"));
}

TEST_F(CliEntity, EditedPrefixMovesTheStationRowWithItsConfirmation) {
    const std::string file = NewStation();
    auto edited = home.Run({"entity", "edit", "230", "--prefix", "0dl", "--station", file});
    ASSERT_EQ(0, edited.exitCode) << edited.err;
    auto shown = home.Run({"show", file});
    const std::string firstRow = shown.out.substr(0, shown.out.find('\n') + 1);
    EXPECT_EQ("230\t\t0DL\tFed. Rep. of Germany\tDL1ABC\t2024-05-17\tQSL\t\n", firstRow);
    EXPECT_TRUE(Contains(home.Read("dxcc_adif.kvt").substr(0, 39), "230| |0DL  |"));
}

TEST_F(CliEntity, EditRefusesUnknownNumbersAndContradictions) {
    auto unknown = home.Run({"entity", "edit", "996", "--name", "Nowhere"});
    EXPECT_EQ(1, unknown.exitCode);
    EXPECT_TRUE(Contains(unknown.err, "Brak podmiotu o numerze ADIF 996!"));
    EXPECT_EQ(2, home.Run({"entity", "edit", "230", "--deleted", "--active"}).exitCode);
    EXPECT_EQ(2, home.Run({"entity", "edit", "230"}).exitCode);
    EXPECT_EQ(2, home.Run({"entity", "edit", "230", "--prefix", "ABCDEF"}).exitCode);
    ExpectReferenceUnchanged();
}

TEST_F(CliEntity, ParallelAddsAllLand) {
    std::vector<std::future<CliResult>> adds;
    for (int i = 0; i < 8; ++i)
        adds.push_back(std::async(std::launch::async, [this, i] {
            return home.Run(
                {"entity", "add", std::to_string(990 + i), "ZZ" + std::to_string(i), "Rock"});
        }));
    for (auto& add : adds) EXPECT_EQ(0, add.get().exitCode);
    const std::string now = home.Read("dxcc_adif.kvt");
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(Contains(now, std::to_string(990 + i) + "| |ZZ")) << i;
}

// The entity list is written before the station; a station that is then not
// saved is named, as is the list that was.
TEST_F(CliEntity, EditWhoseStationIsNotSavedSaysWhatWasSaved) {
    const std::string file = NewStation();
    ::chmod(file.c_str(), 0444);
    auto edited =
        home.Run({"--no", "entity", "edit", "230", "--name", "Niemcy", "--station", file});
    EXPECT_EQ(1, edited.exitCode);
    EXPECT_TRUE(Contains(edited.err, "dxcc_adif.kvt został zmieniony")) << edited.err;
    EXPECT_TRUE(Contains(edited.err, "ale plik stacji " + file + " nie został zapisany"))
        << edited.err;
}

}  // namespace
}  // namespace zorva::testing
