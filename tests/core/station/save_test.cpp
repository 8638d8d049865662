#include <sys/stat.h>

#include <filesystem>

#include "document_rows.h"
#include "io/fault_injection.h"
#include "io/file_system.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

const FileChoice kSaveChoice{"Pliki tekstowe |*.TXT|Wszystkie pliki|*.*", "", ""};

FileChoice SaveChoice(const std::string& preset) {
    return {kSaveChoice.filter, preset, ""};
}

std::string ReadOnlyQuestion(const std::string& path) {
    return "Plik " + path +
           " przeznaczony jest \ntylko  do  odczytu  (Read Only)!\n\nCzy zapisać pomimo tego?";
}
MessageBox ReadOnlyBox(const std::string& path) {
    return {ReadOnlyQuestion(path), "Błąd", Icon::Error, Buttons::YesNoCancel, {}};
}
const MessageBox kReplaceBox =
    Warning("Plik o tej nazwie już istnieje!\nZastąpić go?", Buttons::YesNoCancel);

class Saving : public StationFiles {
  protected:
    Saving() {
        for (const auto& row : SmallStation()) RowsOf(station.Document())->Append(row);
        station.Document().SetCall("sp5abc");
        station.MarkModified();
    }
    void MakeReadOnly(const std::string& name) {
        ASSERT_EQ(::chmod(dir.File(name).c_str(), 0444), 0);
    }
};

TEST_F(Saving, WritesHeaderAndRowsInTableOrderAndConfirms) {
    station.SetCurrentFileName(dir.File("sp5abc.txt"));
    prompter.ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(dir.Read("sp5abc.txt"), StationBytes("SP5ABC", SmallStation()));
    EXPECT_EQ(dir.Read("sp5abc.txt").substr(0, 22), "; SP5ABC  08.12.2026\r\n");
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "");
}

TEST_F(Saving, LongNamesAreCutAndReadBackCut) {
    RowsOf(station.Document())->Row(3).name = "Rzeczpospolita Polska i jej okolice";
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectBox(Info(kSaved));
    station.Save();
    auto reference = SmallReference();
    reference[2] = "269| |SP   |Rzeczpospolita Polska i |";
    WriteReference(reference);
    Load("s.txt");
    EXPECT_EQ(station.Document().Table().Row(3).name, "Rzeczpospolita Polska i");
}

TEST_F(Saving, WithoutAFileNameAsksForOne) {
    prompter.ExpectSaveFile(SaveChoice(""), dir.File("nowy")).ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(station.Document().FileName(), dir.File("nowy.txt"));
    EXPECT_TRUE(dir.Exists("nowy.txt"));
}

TEST_F(Saving, ReadOnlyFileAnsweredCancelWritesNothing) {
    dir.Write("s.txt", "old");
    MakeReadOnly("s.txt");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectBox(ReadOnlyBox(dir.File("s.txt")), Answer::Cancel);
    EXPECT_FALSE(station.Save());
    EXPECT_EQ(dir.Read("s.txt"), "old");
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Saving, ReadOnlyFileAnsweredYesIsWritten) {
    dir.Write("s.txt", "old");
    MakeReadOnly("s.txt");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectBox(ReadOnlyBox(dir.File("s.txt")), Answer::Yes).ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(dir.Read("s.txt"), StationBytes("SP5ABC", SmallStation()));
    EXPECT_FALSE(IsReadOnly(dir.File("s.txt")));
}

TEST_F(Saving, ReadOnlyFileAnsweredNoSavesUnderAnotherName) {
    dir.Write("s.txt", "old");
    MakeReadOnly("s.txt");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectBox(ReadOnlyBox(dir.File("s.txt")), Answer::No)
        .ExpectSaveFile(SaveChoice(dir.File("s.txt")), dir.File("copy.txt"))
        .ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(dir.Read("s.txt"), "old");
    EXPECT_EQ(station.Document().FileName(), dir.File("copy.txt"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("copy.txt"));
}

TEST_F(Saving, WriteErrorIsReportedAndKeepsTheOldFileAndModified) {
    dir.Write("s.txt", "old");
    station.SetCurrentFileName(dir.File("s.txt"));
    // The first flush is the version's.
    fault_injection::FailNth(FileOp::Flush, 2);
    prompter.ExpectError("Błąd zapisu na dysk pliku " + dir.File("s.txt") +
                         ":\nInput/output error");
    EXPECT_FALSE(station.Save());
    fault_injection::Disarm();
    EXPECT_EQ(dir.Read("s.txt"), "old");
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "Modyfikacja");
}

TEST_F(Saving, CharacterOutsideTheCodePageIsRefusedBeforeWriting) {
    dir.Write("s.txt", "old");
    station.SetCurrentFileName(dir.File("s.txt"));
    RowsOf(station.Document())->Row(2).call = "DL1☃";
    prompter.ExpectError(
        "Znak \"☃\" nie może zostać zapisany w pliku (kodowanie Windows-1250) w linii:\n\n" +
        FormatStationLine(station.Document().Table().Row(2)));
    EXPECT_FALSE(station.Save());
    EXPECT_EQ(dir.Read("s.txt"), "old");
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Saving, RowThatWouldNotReadBackRefusesTheSaveAndKeepsTheOldFile) {
    dir.Write("s.txt", "old");
    station.SetCurrentFileName(dir.File("s.txt"));
    for (const EntityRow& row :
         {Row("12", "", "", ""), Row("269", "", "SP", "Poland", "SP1\nAB")}) {
        RowsOf(station.Document())->Row(3) = row;
        prompter.ExpectError("Plik " + dir.File("s.txt") +
                             " nie został zapisany, ponieważ linia:\n\n" +
                             QuotableLine(FormatStationLine(row)) +
                             "\n\nnie dałaby się z niego poprawnie odczytać.\n"
                             "Dotychczasowa zawartość pliku pozostała bez zmian.");
        EXPECT_FALSE(station.Save());
        EXPECT_EQ(dir.Read("s.txt"), "old");
    }
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Saving, SaveAsAppendsTxtOnlyWhenThePathHasNoDot) {
    ASSERT_TRUE(std::filesystem::create_directory(dir.File("logi.2026")));
    prompter.ExpectSaveFile(SaveChoice(""), dir.File("logi.2026/sp5abc")).ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.SaveAs());
    EXPECT_EQ(station.Document().FileName(), dir.File("logi.2026/sp5abc"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("logi.2026/sp5abc"));
    EXPECT_TRUE(dir.Exists("logi.2026/sp5abc"));
}

TEST_F(Saving, SaveAsOverAnExistingFileAsksFirst) {
    dir.Write("a.txt", "old a");
    dir.Write("b.txt", "old b");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectSaveFile(SaveChoice(dir.File("s.txt")), dir.File("a.txt"))
        .ExpectBox(kReplaceBox, Answer::No)
        .ExpectSaveFile(SaveChoice(dir.File("a.txt")), dir.File("b.txt"))
        .ExpectBox(kReplaceBox, Answer::Yes)
        .ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.SaveAs());
    EXPECT_EQ(dir.Read("a.txt"), "old a");
    EXPECT_EQ(dir.Read("b.txt"), StationBytes("SP5ABC", SmallStation()));
    EXPECT_EQ(station.Document().FileName(), dir.File("b.txt"));
}

TEST_F(Saving, DeclinedReplacementKeepsThePreviousFileName) {
    dir.Write("other.txt", "another station");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectSaveFile(SaveChoice(dir.File("s.txt")), dir.File("other.txt"))
        .ExpectBox(kReplaceBox, Answer::Cancel);
    EXPECT_FALSE(station.SaveAs());
    EXPECT_EQ(station.Document().FileName(), dir.File("s.txt"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("s.txt"));
    // The next save goes to the station's own file, not over the one the user declined.
    prompter.ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(dir.Read("other.txt"), "another station");
}

TEST_F(Saving, DialogDismissedAfterANoKeepsThePreviousFileName) {
    dir.Write("other.txt", "another station");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectSaveFile(SaveChoice(dir.File("s.txt")), dir.File("other.txt"))
        .ExpectBox(kReplaceBox, Answer::No)
        .ExpectSaveFile(SaveChoice(dir.File("other.txt")), std::nullopt);
    EXPECT_FALSE(station.SaveAs());
    EXPECT_EQ(station.Document().FileName(), dir.File("s.txt"));
}

TEST_F(Saving, SaveAsOverAReadOnlyFileAsksBothQuestions) {
    dir.Write("ro.txt", "old");
    MakeReadOnly("ro.txt");
    prompter.ExpectSaveFile(SaveChoice(""), dir.File("ro.txt"))
        .ExpectBox(kReplaceBox, Answer::Yes)
        .ExpectBox(ReadOnlyBox(dir.File("ro.txt")), Answer::No)
        .ExpectSaveFile(SaveChoice(dir.File("ro.txt")), dir.File("ro.txt"))
        .ExpectBox(kReplaceBox, Answer::Yes)
        .ExpectBox(ReadOnlyBox(dir.File("ro.txt")), Answer::Cancel);
    EXPECT_FALSE(station.SaveAs());
    EXPECT_EQ(dir.Read("ro.txt"), "old");
    EXPECT_EQ(station.Document().FileName(), "");
}

TEST_F(Saving, CtrlSSavesWithoutTheConfirmation) {
    station.SetCurrentFileName(dir.File("s.txt"));
    EXPECT_TRUE(station.SaveFromGrid());
    EXPECT_EQ(dir.Read("s.txt"), StationBytes("SP5ABC", SmallStation()));
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(Saving, CtrlSWithoutAFileNameRunsSaveAs) {
    prompter.ExpectSaveFile(SaveChoice(""), dir.File("n.txt")).ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.SaveFromGrid());
    EXPECT_TRUE(dir.Exists("n.txt"));
}

TEST_F(Saving, CtrlSThatFailsSaysWhyAndKeepsModified) {
    station.SetCurrentFileName(dir.File("missing-folder/s.txt"));
    prompter.ExpectError("Nie można utworzyć pliku " + dir.File("missing-folder/s.txt") +
                         ":\nNo such file or directory");
    EXPECT_FALSE(station.SaveFromGrid());
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Saving, CtrlSOnAReadOnlyFileAsksTheSameQuestion) {
    dir.Write("s.txt", "old");
    MakeReadOnly("s.txt");
    station.SetCurrentFileName(dir.File("s.txt"));
    prompter.ExpectBox(ReadOnlyBox(dir.File("s.txt")), Answer::Yes);
    EXPECT_TRUE(station.SaveFromGrid());
    EXPECT_EQ(dir.Read("s.txt"), StationBytes("SP5ABC", SmallStation()));
}

TEST_F(StationFiles, SavedFileLoadsAndSavesAgainByteForByte) {
    dir.Write("dxcc_adif.kvt",
              ReadWholeFile(std::string(ZORVA_SOURCE_DIR) + "/data/dxcc_adif.kvt").bytes);
    prompter.ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", "sp9żółw");
    station.New();
    ASSERT_EQ(station.Document().Table().Count(), 402);
    RowsOf(station.Document())->Row(5).call = "Ś1ĄĘ";
    RowsOf(station.Document())->Row(5).qsoDate = "2024-02-29";
    RowsOf(station.Document())->Row(5).confirmation = "LoTW";
    RowsOf(station.Document())->Row(9).call = "K1ABC";
    RowsOf(station.Document())->Row(9).confirmation = "QSL";
    RowsOf(station.Document())->Row(9).verifiedDate = "2025-01-01";
    prompter.ExpectBox(Info(kSaved));
    ASSERT_TRUE(station.Save());
    EXPECT_EQ(station.Document().FileName(), dir.File("sp9żółw.txt"));
    const std::string first = dir.Read("sp9żółw.txt");
    EXPECT_EQ(first.substr(0, 13), "; SP9\xAF\xD3\xA3W  08");

    auto table = station.Document().Table().Rows();
    Station again(prompter, clock, dir.Path());
    again.SetCurrentFileName(dir.File("sp9żółw.txt"));
    again.LoadStationFile();
    EXPECT_EQ(again.Document().Table().Rows(), table);
    prompter.ExpectBox(Info(kSaved));
    ASSERT_TRUE(again.Save());
    const std::string second = dir.Read("sp9żółw.txt");
    EXPECT_TRUE(second == first) << "the second save differs from the first";
}

TEST_F(StationFiles, BytesOutsideTheCodePageSurviveALoadAndASave) {
    std::string bytes = StationBytes("SP5ABC", SmallStation());
    const std::string odd =
        "777| |X\x81   |Odd \x98\x90 name             |               |          |    |          |";
    bytes += odd + "\r\n";
    dir.Write("odd.txt", bytes);
    Load("odd.txt");
    prompter.ExpectBox(Info(kSaved));
    station.Save();
    EXPECT_EQ(dir.Read("odd.txt"), bytes);
}

}  // namespace
}  // namespace zorva::station_files_test
