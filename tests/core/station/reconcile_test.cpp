#include "document_rows.h"
#include "files/reference_file.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

using Reconciling = StationFiles;

std::string DifferenceQuestion(const std::string& referenceColumns, const std::string& dataView) {
    return "W pliku wzorcowym oraz w pliku danych występują różnice:\n\nwzorzec: " +
           referenceColumns + "\ndane     : " + dataView + "\n\nCzy zaktualizować dane ?";
}

std::string MissingQuestion(const std::string& line) {
    return "W pliku wzorcowym występuje Podmiot,\nktórego nie ma w pliku danych:\n\n" + line +
           "\n\nCzy zaktualizować dane?";
}

TEST_F(Reconciling, IdenticalEntityColumnsAskNothing) {
    WriteStation("s.txt", "SP5ABC", SmallStation());
    Load("s.txt");
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(Reconciling, NewNameAcceptedChangesNameOnlyAndMarksModified) {
    auto reference = SmallReference();
    reference[1] = "230| |DL   |Fed. Rep. of Germany    |";
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    prompter.ExpectBox(Mismatch(DifferenceQuestion("230| |DL   |Fed. Rep. of Germany    ",
                                                   "230| |DL   |Germany                 ")),
                       Answer::Yes);
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Row(2),
              Row("230", "", "DL", "Fed. Rep. of Germany", "DL1ABC", "2021-03-04", "LoTW", ""));
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "Modyfikacja");
}

TEST_F(Reconciling, DeclinedDifferenceStaysAndIsAskedAgainNextTime) {
    auto reference = SmallReference();
    reference[2] = "269|D|SP   |poland                  |";  // letter case and the flag both count
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    const MessageBox question = Mismatch(DifferenceQuestion(
        "269|D|SP   |poland                  ", "269| |SP   |Poland                  "));
    prompter.ExpectBox(question, Answer::No).ExpectBox(question, Answer::Yes);
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Row(3).name, "Poland");
    EXPECT_FALSE(station.Document().IsModified());
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Row(3).deleted, "D");
    EXPECT_EQ(station.Document().Table().Row(3).name, "poland");
}

TEST_F(Reconciling, UndeletingAConfirmedEntityShowsTheNewCountsAtOnce) {
    auto rows = SmallStation();
    rows[1].deleted = "D";  // DL1ABC waits for verification
    WriteStation("s.txt", "SP5ABC", rows);
    prompter.ExpectBox(Mismatch(DifferenceQuestion("230| |DL   |Germany                 ",
                                                   "230|D|DL   |Germany                 ")),
                       Answer::Yes);
    Load("s.txt");
    EXPECT_EQ(station.Document().Counts(), Counters::Of(station.Document().Table()));
    EXPECT_EQ(station.View().texts.counterPanels[0], "Razem:       2/3");
    EXPECT_EQ(station.View().texts.counterPanels[2], "Do weryfikacji:  1/1");
}

TEST_F(Reconciling, ChangedPrefixResortsAtOnceAndLaterLinesStillFindTheirRows) {
    auto reference = SmallReference();
    reference[1] = "230| |ZZ   |Germany                 |";
    reference[2] = "269| |SP   |Polska                  |";
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    prompter
        .ExpectBox(Mismatch(DifferenceQuestion("230| |ZZ   |Germany                 ",
                                               "230| |DL   |Germany                 ")),
                   Answer::Yes)
        .ExpectBox(Mismatch(DifferenceQuestion("269| |SP   |Polska                  ",
                                               "269| |SP   |Poland                  ")),
                   Answer::Yes);
    Load("s.txt");
    EXPECT_EQ(TableAdifs(), (std::vector<std::string>{" 24", "269", "  1", "230"}));
    EXPECT_EQ(station.Document().Table().Row(2).name, "Polska");
    EXPECT_EQ(station.Document().Table().Row(4).call, "DL1ABC");
}

TEST_F(Reconciling, MissingEntityGoesBeforeTheFirstGreaterPrefixOrAtTheEnd) {
    auto reference = SmallReference();
    reference.push_back("291| |K    |United States of America|");
    reference.push_back("999| |ZZ   |Last                    |");
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    prompter.ExpectBox(Mismatch(MissingQuestion(reference[4])), Answer::Yes)
        .ExpectBox(Mismatch(MissingQuestion(reference[5])), Answer::Yes);
    Load("s.txt");
    EXPECT_EQ(TableAdifs(), (std::vector<std::string>{" 24", "230", "291", "269", "  1", "999"}));
    EXPECT_EQ(station.Document().Table().Row(3), Row("291", "", "K", "United States of America"));
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Reconciling, DeclinedMissingEntityLeavesTheTable) {
    auto reference = SmallReference();
    reference.push_back("291| |K    |United States of America|");
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    prompter.ExpectBox(Mismatch(MissingQuestion(reference[4])), Answer::No);
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_FALSE(station.Document().IsModified());
}

// No file without entity lines gets here, but an empty table is still filled in order.
TEST_F(Reconciling, EmptyTableTakesAcceptedEntitiesInReferenceOrder) {
    RowsOf(station.Document())->ResetToPlaceholder();
    for (const auto& line : SmallReference())
        prompter.ExpectBox(Mismatch(MissingQuestion(line)), Answer::Yes);
    EXPECT_TRUE(station.ReconcileWithReference());
    EXPECT_EQ(TableAdifs(), (std::vector<std::string>{" 24", "230", "269", "  1"}));
}

TEST_F(Reconciling, UnknownEntitiesStayAndOnlyTheFirstOfTwinAdifsIsCompared) {
    auto rows = SmallStation();
    rows.push_back(Row("230", "", "DL", "Second twin"));
    rows.push_back(Row("777", "", "XX", "Not in the list", "XX1A", "2020-01-01", "QSL"));
    for (const auto& row : rows) RowsOf(station.Document())->Append(row);
    EXPECT_TRUE(station.ReconcileWithReference());
    EXPECT_EQ(station.Document().Table().Rows(), rows);
}

TEST_F(Reconciling, AdifKeysCompareAsStoredText) {
    auto rows = SmallStation();
    rows[3].adif = "1  ";
    WriteStation("s.txt", "SP5ABC", rows);
    prompter.ExpectBox(Mismatch(MissingQuestion(SmallReference()[3])), Answer::No);
    Load("s.txt");
}

TEST_F(Reconciling, ReferenceLineThatIsNotAnEntityIsReportedAndNeverBecomesARow) {
    auto reference = SmallReference();
    reference.push_back("12");
    reference.push_back("291| |K    |United States of America|");
    WriteReference(reference);
    WriteStation("s.txt", "SP5ABC", SmallStation());
    prompter.ExpectError(
        "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n12\n\nPopraw tą linię w pliku i spróbuj ponownie.");
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_EQ(station.Document().FileName(), dir.File("s.txt"));
}

TEST(Sortuj, StableByCharacterCodesOfTheWindows1250Page) {
    EntityTable table;
    for (auto [adif, prefix] : std::vector<std::pair<std::string, std::string>>{{"  1", "SP"},
                                                                                {"  2", "DL"},
                                                                                {"  3", "Ś"},
                                                                                {"  4", "SP"},
                                                                                {"  5", "D"},
                                                                                {"  6", "dl"},
                                                                                {"  7", "Ą"}})
        table.Append(Row(adif, "", prefix, "n"));
    SortByPrefix(table);
    std::vector<std::string> adifs;
    for (const auto& row : table.Rows()) adifs.push_back(row.adif);
    // Ś is 0x8C and Ą 0xA5 in Windows-1250, the reverse of their Unicode order.
    EXPECT_EQ(adifs, (std::vector<std::string>{"  5", "  2", "  1", "  4", "  6", "  3", "  7"}));
}

}  // namespace
}  // namespace zorva::station_files_test
