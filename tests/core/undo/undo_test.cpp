#include <functional>

#include "../station/load_fixture.h"
#include "editor/entity_editor.h"
#include "entry/entry_dialog.h"
#include "entry/verification.h"
#include "import/adif_import.h"
#include "io/file_system.h"
#include "station/grid_sort.h"
#include "station/undo_step.h"

namespace zorva::station_files_test {
namespace {

class Undo : public StationFiles {
  protected:
    Undo() {
        WriteStation("sp.txt", "SP1ABC", SmallStation());
        Load("sp.txt");
    }

    std::string Saved(const std::string& name) {
        EXPECT_TRUE(station.WriteStationFile(dir.File(name), false));
        return dir.Read(name);
    }
    void ExpectGridShowsTable() {
        ASSERT_EQ(station.grid.DataRowCount(), station.table.Count());
        for (const EntityRow& row : station.grid.rows)
            EXPECT_EQ(row, station.table.Row(station.table.FindAdif(row.adif)));
    }
    void Edit(const std::string& adif, const std::string& call) {
        station.SelectRow(FindGridRow(station.grid, adif));
        EntryDialog dialog(station);
        ASSERT_TRUE(dialog.Open());
        EXPECT_TRUE(dialog.Accept(call, "2024-01-02", ConfirmationMethod::Qsl).accepted);
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
    // The saved station renamed Germany in the reference, and the load took it.
    void ReloadWithRenamedReference() {
        station.SetCurrentFileName(dir.File("before.txt"));
        std::vector<std::string> reference = SmallReference();
        reference[1] = "230| |DL   |Niemcy                  |";
        WriteReference(reference);
        prompter.ExpectBox(
            Mismatch("W pliku wzorcowym oraz w pliku danych występują różnice:\n\nwzorzec: "
                     "230| |DL   |Niemcy                  \ndane     : 230| |DL   |Germany         "
                     "        "
                     "\n\nCzy zaktualizować dane ?"),
            Answer::Yes);
        station.LoadStationFile();
    }
};

struct StepCase {
    const char* name;
    std::function<void()> take;
};

TEST_F(Undo, EveryKindOfStepUndoesToTheSavedBytesAndRedoesToTheChangedOnes) {
    const std::vector<StepCase> cases = {
        {"zmiana potwierdzenia", [this] { Edit("269", "SP9ZZ"); }},
        {"usunięcie potwierdzenia", [this] { Edit("230", ""); }},
        {"weryfikacja", [this] { VerifyConfirmedRows(station, "2026-03-07"); }},
        {"import danych", [this] { ImportTwoFiles(); }},
        {"zmiana bazy podmiotów", [this] { RenameGermany(); }},
        {"uzgodnienie z bazą podmiotów", [this] { ReloadWithRenamedReference(); }},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteReference(SmallReference());
        WriteStation("sp.txt", "SP1ABC", SmallStation());
        Load("sp.txt");
        const std::string before = Saved("before.txt");
        c.take();
        const std::string after = Saved("after.txt");
        ASSERT_NE(before, after);
        EXPECT_EQ(UndoItemText(station), std::string("Cofnij: ") + c.name);
        ASSERT_TRUE(UndoStepBack(station));
        EXPECT_FALSE(station.history.CanUndo());  // one step, however many files
        EXPECT_EQ(Saved("undone.txt"), before);
        ExpectGridShowsTable();
        EXPECT_EQ(RedoItemText(station), std::string("Ponów: ") + c.name);
        ASSERT_TRUE(RedoStepForward(station));
        EXPECT_EQ(Saved("redone.txt"), after);
        EXPECT_EQ(Counters::Of(station.table), station.counters);
    }
}

TEST_F(Undo, TheModifiedMarkFollowsUndoAndRedoAcrossASave) {
    EXPECT_EQ(UndoItemText(station), "Cofnij");
    Edit("269", "SP9ZZ");
    RenameGermany();
    EXPECT_EQ(station.texts.modifiedPanel, kModifiedMark);
    UndoStepBack(station);
    EXPECT_EQ(station.texts.modifiedPanel, kEditedMark);
    UndoStepBack(station);
    EXPECT_FALSE(station.modified);
    EXPECT_EQ(station.texts.modifiedPanel, "");
    EXPECT_FALSE(UndoStepBack(station));

    RedoStepForward(station);
    EXPECT_EQ(station.texts.modifiedPanel, kEditedMark);
    station.FinishStationSave(false);
    UndoStepBack(station);
    EXPECT_TRUE(station.modified);
    EXPECT_EQ(station.texts.modifiedPanel, kEditedMark);
    RedoStepForward(station);
    EXPECT_FALSE(station.modified);
    RedoStepForward(station);
    EXPECT_EQ(station.texts.modifiedPanel, kModifiedMark);

    // A new step drops the redo side, and with it the saved state.
    UndoStepBack(station);
    UndoStepBack(station);
    Edit("269", "SP7Q");
    EXPECT_FALSE(station.history.CanRedo());
    UndoStepBack(station);
    EXPECT_TRUE(station.modified);
}

}  // namespace
}  // namespace zorva::station_files_test

namespace zorva {
namespace {

TEST(ChangeHistory, KeepsTheLastHundredStepsAndForgetsASavedStateThatFellOff) {
    ChangeHistory history;
    DocumentState state;
    for (int i = 0; i <= 100; ++i) {
        DocumentState next = state;
        next.table.Append(EntityRow{});
        next.modifiedMark = kModifiedMark;
        history.Record("krok", state, next);
        state = next;
    }
    int undone = 0;
    std::optional<DocumentState> back;
    while (auto earlier = history.Undo()) {
        back = std::move(earlier);
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    // The loaded state is gone, so the oldest kept one is not taken for the saved file.
    EXPECT_EQ(back->modifiedMark, kModifiedMark);
    EXPECT_EQ(back->table.Count(), 1);
}

}  // namespace
}  // namespace zorva
