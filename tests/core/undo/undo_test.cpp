#include <functional>

#include "../station/load_fixture.h"
#include "editor/entity_editor.h"
#include "entry/entry_dialog.h"
#include "entry/verification.h"
#include "import/adif_import.h"
#include "station/grid_sort.h"
#include "station/history_commands.h"

namespace zorva::station_files_test {
namespace {

class Undo : public StationFiles {
  protected:
    void Start() {
        WriteReference(SmallReference());
        WriteStation("sp.txt", "SP1ABC", SmallStation());
        Load("sp.txt");
    }
    std::string Saved(const std::string& name) {
        EXPECT_TRUE(station.WriteStationFile(dir.File(name), false));
        return dir.Read(name);
    }
    void Edit(const std::string& adif, const std::string& call) {
        station.View().grid.currentRow = FindGridRow(station.View().grid, adif);
        EntryDialog dialog(station);
        ASSERT_TRUE(dialog.Open());
        EXPECT_TRUE(dialog.Accept(call, "2024-01-02", Confirmation::Qsl).accepted);
    }
    void RenameGermany() {
        EntityEditor editor(station);
        ASSERT_TRUE(editor.Open());
        editor.SelectLine(1);
        editor.TypeName("Niemcy");
        prompter.ExpectBox(Info("Dane o Podmiocie zostały zmodyfikowane!"));
        EXPECT_TRUE(editor.Save());
    }
    void ImportTwoFiles() {
        dir.Write("a.adi", "<CALL:5>SP9ZZ<QSO_DATE:8>20230101<DXCC:3>269<QSL_RCVD:1>Y<EOR>");
        dir.Write("b.adi", "<CALL:6>DL1XYZ<QSO_DATE:8>20230202<DXCC:3>230<QSL_RCVD:1>Y<EOR>");
        AdifImport import(station);
        ASSERT_TRUE(import.BeginSeries());
        import.controls.fileName = dir.File("a.adi");
        EXPECT_EQ(import.ImportFile(true), RunEnd::NextFile);
        import.controls.fileName = dir.File("b.adi");
        prompter.ExpectBox({kImportDone, "Komunikat", Icon::Information, Buttons::Ok, {}});
        EXPECT_EQ(import.ImportFile(false), RunEnd::Finished);
    }
    void ReloadWithRenamedReference() {
        station.SetCurrentFileName(dir.File("before.txt"));
        std::vector<std::string> reference = SmallReference();
        reference[1] = "230| |DL   |Niemcy                  |";
        WriteReference(reference);
        prompter.ExpectBox(Mismatch("W pliku wzorcowym oraz w pliku danych występują różnice:\n\n"
                                    "wzorzec: 230| |DL   |Niemcy                  \ndane     : "
                                    "230| |DL   |Germany                 \n\nCzy zaktualizować "
                                    "dane ?"),
                           Answer::Yes);
        station.LoadStationFile();
    }
};

TEST_F(Undo, EveryKindOfStepUndoesToTheSavedBytesAndRedoesToTheChangedOnes) {
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"zmiana potwierdzenia", [this] { Edit("269", "SP9ZZ"); }},
        {"usunięcie potwierdzenia", [this] { Edit("230", ""); }},
        {"weryfikacja", [this] { VerifyConfirmedRows(station, "2026-03-07"); }},
        {"import danych", [this] { ImportTwoFiles(); }},
        {"zmiana bazy podmiotów", [this] { RenameGermany(); }},
        {"uzgodnienie z bazą podmiotów", [this] { ReloadWithRenamedReference(); }},
    };
    for (const auto& [name, take] : cases) {
        SCOPED_TRACE(name);
        Start();
        const std::string before = Saved("before.txt");
        take();
        const std::string after = Saved("after.txt");
        ASSERT_NE(before, after);
        EXPECT_EQ(UndoItemText(station), "Cofnij: " + name);
        ASSERT_TRUE(UndoStepBack(station));
        EXPECT_FALSE(station.history.CanUndo());  // one step, however many files
        EXPECT_EQ(Saved("undone.txt"), before);
        EXPECT_EQ(station.View().grid.rows,
                  station.Document().Table().Rows());  // shown in prefix order again
        EXPECT_EQ(RedoItemText(station), "Ponów: " + name);
        ASSERT_TRUE(RedoStepForward(station));
        EXPECT_EQ(Saved("redone.txt"), after);
        EXPECT_EQ(Counters::Of(station.Document().Table()), station.Document().Counts());
    }
}

TEST_F(Undo, TheModifiedMarkFollowsUndoAndRedoAcrossASave) {
    Start();
    Edit("269", "SP9ZZ");
    RenameGermany();
    UndoStepBack(station);
    EXPECT_EQ(station.View().texts.modifiedPanel, kEditedMark);
    UndoStepBack(station);
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "");

    RedoStepForward(station);
    station.FinishStationSave(false);
    UndoStepBack(station);
    EXPECT_EQ(station.View().texts.modifiedPanel, kEditedMark);
    RedoStepForward(station);
    EXPECT_FALSE(station.Document().IsModified());
    RedoStepForward(station);
    EXPECT_EQ(station.View().texts.modifiedPanel, kModifiedMark);

    // A new step drops the redo side, and with it the saved state.
    UndoStepBack(station);
    UndoStepBack(station);
    Edit("269", "SP7Q");
    UndoStepBack(station);
    EXPECT_TRUE(station.Document().IsModified());
}

TEST(ChangeHistory, KeepsAHundredStepsAndForgetsASavedStateThatFellOff) {
    ChangeHistory history;
    DocumentState state;
    for (int i = 0; i <= 100; ++i) {
        DocumentState next = state;
        next.table.Append(EntityRow{});
        next.modifiedMark = kModifiedMark;
        history.Record("krok", state, next);
        state = std::move(next);
    }
    std::optional<DocumentState> oldest;
    for (int i = 0; i < 100; ++i) oldest = history.Undo();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(oldest->table.Count(), 1);
    EXPECT_EQ(oldest->modifiedMark, kModifiedMark);
}

}  // namespace
}  // namespace zorva::station_files_test
