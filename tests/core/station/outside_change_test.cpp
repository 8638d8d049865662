// Another program saves the open station file: the window loads it again or
// asks, and no save writes over it without the user's answer.
#include "station/outside_change.h"

#include "document_rows.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

std::string ReloadQuestion(const std::string& path) {
    return "Plik " + path +
           "\nzostał zmieniony przez inny program!\n\n"
           "Tak - wczytaj go ponownie (zmiany w oknie zostaną utracone)\n"
           "Nie - zostaw dane z okna, nie wczytuj (zapis zapyta o zastąpienie)\n"
           "Anuluj - nic teraz nie rób (pytanie wróci przy powrocie do okna)";
}
std::string OverwriteQuestion(const std::string& path) {
    return "Plik " + path +
           "\nzostał zmieniony przez inny program po wczytaniu!\n\n"
           "Tak - zastąp go danymi z okna (zmiany tamtego programu zostaną utracone)\n"
           "Nie - zapisz dane z okna w nowym pliku (program zaproponuje inną nazwę)\n"
           "Anuluj - nie zapisuj teraz (plik i dane w oknie pozostaną bez zmian)";
}
MessageBox Question(const std::string& text) {
    return {text, "Ostrzeżenie", Icon::Warning, Buttons::YesNoCancel, Answer::Cancel};
}

// s.txt loaded; "the other program" confirms Poland in the file.
class OutsideChange : public StationFiles {
  protected:
    OutsideChange() {
        WriteStation("s.txt", "SP5ABC", SmallStation());
        Load("s.txt");
        path = dir.File("s.txt");
    }
    void OtherProgramSaves() {
        auto rows = SmallStation();
        rows[2].call = "SP9OUT";
        WriteStation("s.txt", "SP5ABC", rows);
        outside = dir.Read("s.txt");
    }
    void WindowConfirmsPoland() {
        RowsOf(station.Document())->Row(3).call = "DL0WIN";
        station.MarkEdited();
    }
    std::string PolandCall() const { return station.Document().Table().Row(3).call; }

    std::string path;
    std::string outside;
};

TEST_F(OutsideChange, UnmodifiedWindowLoadsTheChangedFileWithoutAsking) {
    OtherProgramSaves();
    EXPECT_EQ(CheckOutsideChange(station), zorva::OutsideChange::Reloaded);
    EXPECT_EQ(PolandCall(), "SP9OUT");
    EXPECT_EQ(CheckOutsideChange(station), zorva::OutsideChange::None);
}

TEST_F(OutsideChange, SameBytesWrittenAgainAreNoChange) {
    dir.Write("s.txt", dir.Read("s.txt"));
    WindowConfirmsPoland();
    EXPECT_EQ(CheckOutsideChange(station), zorva::OutsideChange::None);
    prompter.ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
}

TEST_F(OutsideChange, ModifiedWindowAsksAndEachAnswerDoesWhatItSays) {
    struct Case {
        Answer answer;
        zorva::OutsideChange outcome;
        std::string poland;
        bool modified;
        bool asksAgain;
    };
    for (const Case& c :
         {Case{Answer::Yes, zorva::OutsideChange::Reloaded, "SP9OUT", false, false},
          Case{Answer::No, zorva::OutsideChange::Kept, "DL0WIN", true, false},
          Case{Answer::Cancel, zorva::OutsideChange::Cancelled, "DL0WIN", true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        WriteStation("s.txt", "SP5ABC", SmallStation());
        Load("s.txt");
        station.ClearModified();
        WindowConfirmsPoland();
        OtherProgramSaves();
        prompter.ExpectBox(Question(ReloadQuestion(path)), c.answer);
        EXPECT_EQ(CheckOutsideChange(station), c.outcome);
        EXPECT_EQ(PolandCall(), c.poland);
        EXPECT_EQ(station.Document().IsModified(), c.modified);
        EXPECT_EQ(dir.Read("s.txt"), outside);
        if (c.asksAgain) prompter.ExpectBox(Question(ReloadQuestion(path)), Answer::Cancel);
        CheckOutsideChange(station);
        EXPECT_TRUE(prompter.Done());
    }
}

TEST_F(OutsideChange, SaveOverAnOutsideChangeAsksAndEachAnswerDoesWhatItSays) {
    for (Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
        SCOPED_TRACE(static_cast<int>(answer));
        WriteStation("s.txt", "SP5ABC", SmallStation());
        Load("s.txt");
        WindowConfirmsPoland();
        OtherProgramSaves();
        prompter.ExpectBox(Question(OverwriteQuestion(path)), answer);
        if (answer == Answer::No) {
            // A name of its own, so that the same question does not come back at once.
            prompter.ExpectSaveFile({kFileFilter, dir.File("s_kopia.txt"), ""},
                                    dir.File("inny.txt"));
        }
        if (answer != Answer::Cancel) prompter.ExpectBox(Info(kSaved));
        EXPECT_EQ(station.Save(), answer != Answer::Cancel);
        const std::string saved = StationBytes("SP5ABC", station.Document().Table().Rows());
        EXPECT_EQ(dir.Read("s.txt"), answer == Answer::Yes ? saved : outside);
        if (answer == Answer::No) {
            EXPECT_EQ(dir.Read("inny.txt"), saved);
        }
        EXPECT_EQ(station.Document().IsModified(), answer == Answer::Cancel);
        EXPECT_TRUE(prompter.Done());
    }
}

TEST_F(OutsideChange, KeptWindowDataStillAskAtCtrlSAndOwnSavesAskNothing) {
    WindowConfirmsPoland();
    OtherProgramSaves();
    prompter.ExpectBox(Question(ReloadQuestion(path)), Answer::No);
    CheckOutsideChange(station);
    prompter.ExpectBox(Question(OverwriteQuestion(path)), Answer::Yes);
    EXPECT_TRUE(station.SaveFromGrid());
    WindowConfirmsPoland();
    EXPECT_TRUE(station.SaveFromGrid());
    EXPECT_EQ(CheckOutsideChange(station), zorva::OutsideChange::None);
}

}  // namespace
}  // namespace zorva::station_files_test
