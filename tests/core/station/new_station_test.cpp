#include "document_rows.h"
#include "files/reference_file.h"
#include "io/fault_injection.h"
#include "io/file_system.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

std::string ExistingFileQuestion(const std::string& call) {
    return "Plik dla " + call +
           " już istnieje. Wybierz:\n\nTAK    - jeśli chcesz otworzyć ten plik\nNIE     - jeśli "
           "chcesz utworzyć "
           "nowy plik\nAnuluj - jeśli chcesz powrócić do programu.\n\nUwaga: wybór NIE może "
           "spowodować \nutratę "
           "poprzednich danych z pliku!";
}

class NewStation : public StationFiles {
  protected:
    void ExpectCall(std::optional<std::string> answer) {
        prompter.ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", std::move(answer));
    }
    void OpenStation() {
        WriteStation("sp1old.txt", "SP1OLD", SmallStation());
        Load("sp1old.txt");
        station.UpdateCaption();
    }
};

TEST_F(NewStation, BuildsTheTableFromTheReferenceFile) {
    ExpectCall("sp5abc");
    station.New();
    EXPECT_EQ(station.Document().Call(), "sp5abc");
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji sp5abc");
    EXPECT_EQ(station.Document().FileName(), dir.File("sp5abc.txt"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("sp5abc.txt"));
    EXPECT_EQ(TableAdifs(), (std::vector<std::string>{" 24", "230", "269", "  1"}));
    EXPECT_EQ(station.Document().Table().Row(1), Row(" 24", "D", "3Y/B", "Bouvet"));
    EXPECT_EQ(station.View().grid.DataRowCount(), 4);
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "Modyfikacja");
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.searchPrompt, "Wprowadź prefiks szukanego podmiotu");
    EXPECT_EQ(station.View().texts.counterPanels[3], "QSL/LoTW:  0/0");
    EXPECT_FALSE(dir.Exists("sp5abc.txt"));  // written only when the user saves

    prompter.ExpectBox(Info(kSaved));
    station.Save();
    EXPECT_EQ(dir.Read("sp5abc.txt").substr(0, 10), "; SP5ABC  ");
}

TEST_F(NewStation, CancelledOrBlankCallPromptChangesNothing) {
    OpenStation();
    ExpectCall(std::nullopt);
    station.New();
    ExpectCall("");
    station.New();
    ExpectCall("   ");
    station.New();
    EXPECT_EQ(station.Document().Call(), "SP1OLD");
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP1OLD");
    EXPECT_EQ(station.Document().FileName(), dir.File("sp1old.txt"));
}

TEST_F(NewStation, PortableCallKeepsTheFileInTheProgramFolder) {
    ExpectCall("SP5ABC/P");
    station.New();
    EXPECT_EQ(station.Document().FileName(), dir.File("sp5abc_p.txt"));
    EXPECT_EQ(station.Document().Call(), "SP5ABC/P");
}

TEST_F(NewStation, CallTheStationFileCannotHoldIsAskedAgain) {
    ExpectCall("SP5Я");
    prompter.ExpectError(
        "Symbolu \"Я\" nie można zapisać w pliku stacji (kodowanie Windows-1250).\n"
        "Podaj znak stacji bez tego symbolu.");
    ExpectCall("SP5 ABC");
    prompter.ExpectError("Znak stacji nie może zawierać spacji.\nPodaj znak stacji bez spacji.");
    ExpectCall("SP5\nABC");
    prompter.ExpectError(
        "Znak stacji zawiera symbol sterujący (kod 10), którego nie można zapisać w pliku "
        "stacji.\nPodaj znak stacji bez tego symbolu.");
    ExpectCall(std::nullopt);
    station.New();
    EXPECT_EQ(station.Document().Call(), "");
}

TEST_F(NewStation, ExistingFileAnsweredYesOpensIt) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    ExpectCall("SP5ABC");
    prompter.ExpectBox(Warning(ExistingFileQuestion("SP5ABC"), Buttons::YesNoCancel), Answer::Yes);
    station.New();
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.searchPrompt, "Wprowadź prefiks szukanego podmiotu");
}

TEST_F(NewStation, ExistingFileAnsweredNoBuildsANewTableToReplaceIt) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    ExpectCall("SP5ABC");
    prompter.ExpectBox(Warning(ExistingFileQuestion("SP5ABC"), Buttons::YesNoCancel), Answer::No);
    station.New();
    EXPECT_EQ(station.Document().Table().Row(2).call, "");
    EXPECT_EQ(dir.Read("sp5abc.txt"), StationBytes("SP5ABC", SmallStation()));
}

TEST_F(NewStation, ExistingFileAnsweredCancelRestoresTheOpenStation) {
    OpenStation();
    WriteStation("sp5abc.txt", "SP5ABC", {});
    ExpectCall("sp5abc");
    prompter.ExpectBox(Warning(ExistingFileQuestion("sp5abc"), Buttons::YesNoCancel),
                       Answer::Cancel);
    station.New();
    EXPECT_EQ(station.Document().Call(), "SP1OLD");
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP1OLD");
    EXPECT_EQ(station.Document().FileName(), dir.File("sp1old.txt"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("sp1old.txt"));
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
}

TEST_F(NewStation, MissingReferenceFileClearsTheStation) {
    OpenStation();
    station.View().texts.typedPrefixShown = "SP";
    station.View().typedPrefix = "SP";
    station.EnableFileCommands(true);
    RemoveFile(dir.File("dxcc_adif.kvt"));
    ExpectCall("SP5ABC");
    prompter.ExpectError(MissingReferenceMessage(dir.File("dxcc_adif.kvt")));
    station.New();
    EXPECT_EQ(station.Document().Call(), "");
    EXPECT_EQ(station.Document().FileName(), "");
    EXPECT_EQ(station.View().texts.fileHint, "Brak wybranego pliku!");
    EXPECT_EQ(station.View().texts.fileNamePanel, "");
    EXPECT_EQ(station.View().texts.searchPrompt, "");
    EXPECT_EQ(station.View().texts.typedPrefixShown, "");
    EXPECT_EQ(station.View().typedPrefix, "");
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_EQ(station.View().texts.counterPanels[0], "Razem:       0/0");
}

TEST_F(NewStation, BadReferenceLineKeepsTheRowsBeforeIt) {
    auto reference = SmallReference();
    reference.insert(reference.begin() + 2, "");
    reference.insert(reference.begin() + 3, "269| |SP   |Poland");
    WriteReference(reference);
    ExpectCall("SP5ABC");
    prompter.ExpectError(
        "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n269| |SP   |Poland\n\n"
        "Popraw tą linię w pliku i spróbuj ponownie.");
    station.New();
    EXPECT_EQ(TableAdifs(), (std::vector<std::string>{" 24", "230"}));
    EXPECT_EQ(station.View().grid.DataRowCount(), 2);
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
}

TEST_F(NewStation, UnsavedDataAnsweredYesAreSavedFirst) {
    OpenStation();
    RowsOf(station.Document())->Row(3).call = "SP9X";
    station.MarkEdited();
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Yes)
        .ExpectBox(Info(kSaved));
    ExpectCall(std::nullopt);
    station.New();
    EXPECT_NE(dir.Read("sp1old.txt").find("SP9X"), std::string::npos);
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.fileNamePanel, "");
}

TEST_F(NewStation, FailedSaveAfterYesStopsTheCommand) {
    OpenStation();
    station.MarkEdited();
    fault_injection::FailNth(FileOp::Write, 1);
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Yes)
        .ExpectError("Błąd zapisu pliku " + dir.File("sp1old.txt") + ":\nInput/output error");
    station.New();
    fault_injection::Disarm();
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.Document().Call(), "SP1OLD");
}

TEST_F(NewStation, UnsavedDataAnsweredCancelEndsTheCommand) {
    OpenStation();
    station.MarkEdited();
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Cancel);
    station.New();
    EXPECT_TRUE(station.Document().IsModified());
}

}  // namespace
}  // namespace zorva::station_files_test
