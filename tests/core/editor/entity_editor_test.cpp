#include "editor/entity_editor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "document_rows.h"
#include "io/fault_injection.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva {
namespace {

using testing::CrLf;
using testing::Row;
using testing::ScriptedPrompter;

const std::string kMalta = "246| |1A0  |Military Order of Malta |";
const std::string kBlenheim = " 23|D|1B   |Blenheim Reef           |";
const std::string kRotuma = "460| |3D2  |Rotuma Island           |";
const std::string kFiji = "176| |3D2  |Fiji                    |";
const std::string kSwaziland = "468| |3DA  |Swaziland               |";
const std::string kCanada = "  1| |VE   |Canada                  |";

class EntityEditorTest : public ::testing::Test {
  protected:
    EntityEditorTest() {
        dir.Write("dxcc_adif.kvt", CrLf({kMalta, kBlenheim, kRotuma, kFiji, kSwaziland, kCanada}));
        original = dir.Read("dxcc_adif.kvt");
    }
    ~EntityEditorTest() override { fault_injection::Disarm(); }

    // The open station: the reference entities, two of them confirmed.
    void OpenStation() {
        RowsOf(station.Document())
            ->Append(
                Row("246", "", "1A0", "Military Order of Malta", "1A0KM", "2019-05-01", "QSL"));
        RowsOf(station.Document())->Append(Row(" 23", "D", "1B", "Blenheim Reef"));
        RowsOf(station.Document())->Append(Row("460", "", "3D2", "Rotuma Island"));
        RowsOf(station.Document())
            ->Append(Row("176", "", "3D2", "Fiji", "3D2AG", "2020-01-05", "QSL", "2021-02-02"));
        RowsOf(station.Document())->Append(Row("468", "", "3DA", "Swaziland"));
        RowsOf(station.Document())
            ->Append(Row("  1", "", "VE", "Canada", "VE3XYZ", "2021-03-04", "LoTW"));
        station.ReapplyView();
    }

    void ExpectModifiedBox() {
        prompter.ExpectBox({"Dane o Podmiocie zostały zmodyfikowane!",
                            "Informacja",
                            Icon::Information,
                            Buttons::Ok,
                            {}});
    }

    void TypeNew(const std::string& number, const std::string& prefix, const std::string& name) {
        editor.NewEntity();
        editor.TypeNumber(number);
        editor.TypePrefix(prefix);
        editor.TypeName(name);
    }

    std::vector<std::string> Prefixes() const {
        std::vector<std::string> out;
        for (const auto& row : station.Document().Table().Rows()) out.push_back(row.prefix);
        return out;
    }

    void ExpectNothingChanged() {
        EXPECT_EQ(original, dir.Read("dxcc_adif.kvt"));
        EXPECT_FALSE(dir.Exists("dxcc_adif.kvt~"));
        EXPECT_FALSE(station.Document().IsModified());
    }

    testing::TempDir dir;
    std::string original;
    ScriptedPrompter prompter;
    testing::FixedClock clock;
    Station station{prompter, clock, dir.Path()};
    EntityEditor editor{station};
};

// --- opening, selecting, searching ---

TEST_F(EntityEditorTest, MissingReferenceFileKeepsTheWindowShut) {
    testing::TempDir empty;
    Station elsewhere{prompter, clock, empty.Path()};
    EntityEditor other{elsewhere};
    prompter.ExpectError("Plik wzorcowy \"" + empty.Path() +
                         "/dxcc_adif.kvt\" nie został znaleziony!\n" +
                         "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.");
    EXPECT_FALSE(other.Open());
    EXPECT_TRUE(other.Lines().empty());
}

TEST_F(EntityEditorTest, OpensWithFileLinesAndActiveOverAllCounter) {
    dir.Write("dxcc_adif.kvt", CrLf({kMalta, "", kBlenheim, kCanada}));
    ASSERT_TRUE(editor.Open());
    EXPECT_EQ((std::vector<std::string>{kMalta, kBlenheim, kCanada}), editor.Lines());
    EXPECT_EQ("2/3", editor.CounterText());
    EXPECT_TRUE(editor.NumberReadOnly());
    EXPECT_FALSE(editor.NewEntityMode());
    EXPECT_EQ("", editor.Number());
    EXPECT_FALSE(editor.Deleted());
}

TEST_F(EntityEditorTest, SelectingALineFillsTheFields) {
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(1);
    EXPECT_EQ(" 23", editor.Number());  // as it stands: the key into the station
    EXPECT_EQ("1B", editor.Prefix());
    EXPECT_EQ("Blenheim Reef", editor.Name());
    EXPECT_TRUE(editor.Deleted());
    editor.SelectLine(0);
    EXPECT_FALSE(editor.Deleted());

    prompter.ExpectError("Wybierz podmiot DXCC do aktualizacji!");
    editor.SelectLine(-1);
    EXPECT_EQ("246", editor.Number());
}

TEST_F(EntityEditorTest, SearchTakesDigitsOnlyAndAsksAgain) {
    ASSERT_TRUE(editor.Open());
    prompter.ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", "abc")
        .ExpectError("Można wprowadzać tylko cyfry!")
        .ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", "4a")
        .ExpectError("Można wprowadzać tylko cyfry!")
        .ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", " 176 ");
    editor.SearchByAdif();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(3, editor.SelectedLine());
    EXPECT_EQ("Fiji", editor.Name());
}

TEST_F(EntityEditorTest, SearchComparesNumbersAsText) {
    ASSERT_TRUE(editor.Open());
    prompter.ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", "1");
    editor.SearchByAdif();
    EXPECT_EQ("Canada", editor.Name());

    prompter.ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", "001")
        .ExpectBox({"Szukany podmiot nie został znaleziony!",
                    "Koniec szukania",
                    Icon::Warning,
                    Buttons::Ok,
                    {}});
    editor.SearchByAdif();
    EXPECT_EQ(5, editor.SelectedLine());

    prompter.ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", std::nullopt)
        .ExpectInput("Szukanie Podmiotu wg ADIF", "Numer ADIF", "", "");
    editor.SearchByAdif();
    editor.SearchByAdif();
    EXPECT_TRUE(prompter.Done());
}

// --- new entities ---

TEST_F(EntityEditorTest, NewEntityGoesBetween3D2And3DAInFileListAndTable) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    TypeNew("512", "3d2/c", "Conway Reef");
    EXPECT_EQ("3D2/C", editor.Prefix());
    prompter.ExpectBox(
        {"Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}});
    ASSERT_TRUE(editor.Save());

    const std::string conway = "512| |3D2/C|Conway Reef             |";
    const std::vector<std::string> expected = {kMalta, kBlenheim,  kRotuma, kFiji,
                                               conway, kSwaziland, kCanada};
    EXPECT_EQ(expected, editor.Lines());
    EXPECT_EQ(4, editor.SelectedLine());
    EXPECT_EQ("6/7", editor.CounterText());
    EXPECT_EQ(CrLf({kMalta, kBlenheim, kRotuma, kFiji, conway, kSwaziland, kCanada}),
              dir.Read("dxcc_adif.kvt"));
    EXPECT_EQ(original, dir.Read("dxcc_adif.kvt~"));

    EXPECT_EQ(Row("512", "", "3D2/C", "Conway Reef"), station.Document().Table().Row(5));
    EXPECT_EQ((std::vector<std::string>{"1A0", "1B", "3D2", "3D2", "3D2/C", "3DA", "VE"}),
              Prefixes());
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("Modyfikacja", station.View().texts.modifiedPanel);
    EXPECT_EQ(7, station.View().grid.DataRowCount());

    EXPECT_FALSE(editor.NewEntityMode());
    EXPECT_TRUE(editor.NumberReadOnly());
    EXPECT_EQ("", editor.Number() + editor.Prefix() + editor.Name());
    EXPECT_FALSE(editor.HasUnsavedTyping());
}

TEST_F(EntityEditorTest, NewEntityGoesLastOrFirstByItsPrefix) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    TypeNew("49", "ZZ9", "Last Island");
    editor.SetDeleted(true);
    prompter.ExpectBox(
        {"Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}});
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(" 49|D|ZZ9  |Last Island             |", editor.Lines().back());
    EXPECT_EQ(Row(" 49", "D", "ZZ9", "Last Island"), station.Document().Table().Row(7));
    EXPECT_EQ("5/7", editor.CounterText());

    TypeNew("2", "1", "First Rock");
    editor.SetDeleted(false);
    prompter.ExpectBox(
        {"Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}});
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ("  2| |1    |First Rock              |", editor.Lines().front());
    EXPECT_EQ(Row("  2", "", "1", "First Rock"), station.Document().Table().Row(1));
    EXPECT_EQ(Row("246", "", "1A0", "Military Order of Malta", "1A0KM", "2019-05-01", "QSL"),
              station.Document().Table().Row(2));
}

TEST_F(EntityEditorTest, NumberFieldTakesUpToThreeDigitsAndOnlyForNewEntities) {
    ASSERT_TRUE(editor.Open());
    editor.TypeNumber("12");
    EXPECT_EQ("", editor.Number());
    editor.NewEntity();
    EXPECT_EQ(EditorField::Number, editor.TakeFocus());
    EXPECT_EQ(EditorField::None, editor.TakeFocus());
    editor.TypeNumber("4a9!");
    EXPECT_EQ("49", editor.Number());
    editor.TypeNumber("24680");
    EXPECT_EQ("246", editor.Number());
    editor.TypeName(std::string(30, 'x'));
    EXPECT_EQ(std::string(24, 'x'), editor.Name());
    editor.TypePrefix("vp8ośx");
    EXPECT_EQ("VP8OŚ", editor.Prefix());
}

// --- existing entities ---

TEST_F(EntityEditorTest, SavedEntityMovesBehindEqualPrefixesButKeepsItsTableRow) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(2);  // Rotuma, before Fiji
    editor.TypeName("Rotuma");
    editor.SetDeleted(true);
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());

    const std::string rotuma = "460|D|3D2  |Rotuma                  |";
    EXPECT_EQ((std::vector<std::string>{kMalta, kBlenheim, kFiji, rotuma, kSwaziland, kCanada}),
              editor.Lines());
    EXPECT_EQ(3, editor.SelectedLine());
    EXPECT_EQ("4/6", editor.CounterText());
    EXPECT_EQ(Row("460", "D", "3D2", "Rotuma"), station.Document().Table().Row(3));
    EXPECT_EQ("Fiji", station.Document().Table().Row(4).name);
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(EntityEditorTest, ChangedPrefixResortsTheTableKeepingCallsAndDates) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(3);  // Fiji, confirmed and verified
    editor.TypePrefix("ZZ");
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());

    EXPECT_EQ("176| |ZZ   |Fiji                    |", editor.Lines().back());
    EXPECT_EQ((std::vector<std::string>{"1A0", "1B", "3D2", "3DA", "VE", "ZZ"}), Prefixes());
    EXPECT_EQ(Row("176", "", "ZZ", "Fiji", "3D2AG", "2020-01-05", "QSL", "2021-02-02"),
              station.Document().Table().Row(6));
    EXPECT_EQ(Row("  1", "", "VE", "Canada", "VE3XYZ", "2021-03-04", "LoTW"),
              station.Document().Table().Row(5));
}

TEST_F(EntityEditorTest, DeletingAConfirmedEntityRecountsThePanels) {
    OpenStation();
    SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(5);  // Canada, confirmed by LoTW and waiting for verification
    editor.SetDeleted(true);
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(1, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(station.Document().Counts(), Counters::Of(station.Document().Table()));
    EXPECT_EQ("Do weryfikacji:  1/2", station.View().texts.counterPanels[2]);
}

TEST_F(EntityEditorTest, EntityMissingFromTheStationChangesOnlyTheFile) {
    OpenStation();
    RowsOf(station.Document())->Rows().pop_back();  // no Canada in this station
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(5);
    editor.TypeName("Kanada");
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ("  1| |VE   |Kanada                  |", editor.Lines().back());
    EXPECT_EQ(5, station.Document().Table().Count());
}

TEST_F(EntityEditorTest, WithoutAnOpenStationOnlyTheFileChanges) {
    ASSERT_TRUE(editor.Open());
    TypeNew("512", "3D2/C", "Conway Reef");
    prompter.ExpectBox(
        {"Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}});
    ASSERT_TRUE(editor.Save());
    EXPECT_FALSE(station.Document().Table().HasElements());
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(7, static_cast<int>(editor.Lines().size()));
}

// --- the file and its backup ---

TEST_F(EntityEditorTest, BackupHoldsTheFileAsItWasBeforeEachSave) {
    dir.Write("dxcc_adif.kvt~", "an older backup");
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(5);
    editor.TypeName("Kanada Łódź");
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());
    const std::string afterFirst = dir.Read("dxcc_adif.kvt");
    EXPECT_EQ(original, dir.Read("dxcc_adif.kvt~"));
    EXPECT_NE(std::string::npos, afterFirst.find("  1| |VE   |Kanada \xA3\xF3"
                                                 "d\x9F             |\r\n"));

    editor.SelectLine(0);
    editor.SetDeleted(true);
    ExpectModifiedBox();
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(afterFirst, dir.Read("dxcc_adif.kvt~"));
}

TEST_F(EntityEditorTest, OpeningAndClosingWithoutTypingChangesNothing) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(2);
    editor.SetDeleted(true);  // the check box is not typing
    EXPECT_TRUE(editor.Close());
    ExpectNothingChanged();
    EXPECT_TRUE(prompter.Done());
}

// --- refused saves ---

TEST_F(EntityEditorTest, ValidationRunsInOrderAndPutsTheFocusOnTheField) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    prompter.ExpectError("Pole prefiksu nie może być puste!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(EditorField::Prefix, editor.TakeFocus());

    editor.NewEntity();
    editor.TypePrefix("  ");
    editor.TypeName("Somewhere");
    prompter.ExpectError("Pole prefiksu nie może być puste!");
    EXPECT_FALSE(editor.Save());

    editor.TypePrefix("XX");
    editor.TypeName(" ");
    prompter.ExpectError("Pole nazwy podmiotu nie może być puste!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(EditorField::Name, editor.TakeFocus());

    editor.TypePrefix("X\tX");
    editor.TypeName("Some\r\nwhere");
    prompter.ExpectError(
        "Pole prefiksu zawiera symbol sterujący (kod 9), którego nie można zapisać w pliku "
        "wzorcowym!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(EditorField::Prefix, editor.TakeFocus());
    editor.TypePrefix("XX");
    prompter.ExpectError(
        "Pole nazwy podmiotu zawiera symbol sterujący (kod 13), którego nie można zapisać w "
        "pliku wzorcowym!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(EditorField::Name, editor.TakeFocus());

    editor.TypeName("Somewhere");
    prompter.ExpectError("Należy podać numer ADIF dla nowego podmiotu!!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(EditorField::Number, editor.TakeFocus());

    editor.TypeNumber("000");
    prompter.ExpectError("Numer ADIF musi być większy od zera!");
    EXPECT_FALSE(editor.Save());
    EXPECT_TRUE(editor.NewEntityMode());
    ExpectNothingChanged();
}

TEST_F(EntityEditorTest, SaveWithNoEntityLoadedIsRefused) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    editor.TypePrefix("XX");
    editor.TypeName("Nowhere");
    prompter.ExpectError("Wybierz podmiot DXCC do aktualizacji!");
    EXPECT_FALSE(editor.Save());
    ExpectNothingChanged();
    EXPECT_EQ(6u, editor.Lines().size());
}

TEST_F(EntityEditorTest, NewEntityWithATakenNumberIsRefusedAndThatLineSelected) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    TypeNew("176", "XX", "Twin of Fiji");
    prompter.ExpectError("Podmiot o takim numerze już istnieje w bazie!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(3, editor.SelectedLine());
    EXPECT_EQ("Twin of Fiji",
              editor.Name());  // the window's own selection does not load the fields

    // A line clicked while entering a new entity loads its number, which stays taken.
    editor.SelectLine(5);
    EXPECT_TRUE(editor.NewEntityMode());
    prompter.ExpectError("Podmiot o takim numerze już istnieje w bazie!");
    EXPECT_FALSE(editor.Save());

    // Leading zeros name the same entity.
    editor.NewEntity();
    editor.TypeNumber("001");
    editor.TypePrefix("XX");
    editor.TypeName("Canada again");
    prompter.ExpectError("Podmiot o takim numerze już istnieje w bazie!");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(5, editor.SelectedLine());
    ExpectNothingChanged();
}

TEST_F(EntityEditorTest, NewNumberIsStoredWithoutLeadingZeros) {
    ASSERT_TRUE(editor.Open());
    TypeNew("061", "VK9W", "Willis Island");
    prompter.ExpectBox(
        {"Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}});
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(" 61| |VK9W |Willis Island           |", editor.Lines().back());
}

TEST_F(EntityEditorTest, LeavingTheNumberFieldFindsATakenNumber) {
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(0);
    EXPECT_FALSE(editor.LeaveNumberField());  // only while entering a new entity

    editor.NewEntity();
    editor.TypeNumber("512");
    EXPECT_FALSE(editor.LeaveNumberField());
    editor.TakeFocus();

    editor.TypeNumber("176");
    prompter.ExpectError("Podmiot o takim numerze już istnieje w bazie!");
    EXPECT_TRUE(editor.LeaveNumberField());
    EXPECT_EQ(3, editor.SelectedLine());
    EXPECT_EQ(EditorField::Number, editor.TakeFocus());
    EXPECT_EQ("176", editor.Number());
}

TEST_F(EntityEditorTest, FailedBackupLeavesFileListAndStationUnchanged) {
    OpenStation();
    dir.Write("dxcc_adif.kvt~", "an older backup");
    ASSERT_TRUE(editor.Open());
    TypeNew("512", "3D2/C", "Conway Reef");
    fault_injection::FailNth(FileOp::Rename, 1);
    prompter.ExpectError("Nie można zapisać pliku " + dir.File("dxcc_adif.kvt~") + ":\n" +
                         std::strerror(EIO) + "\n\nPlik wzorcowy nie został zmieniony.");
    EXPECT_FALSE(editor.Save());

    EXPECT_EQ(original, dir.Read("dxcc_adif.kvt"));
    EXPECT_EQ("an older backup", dir.Read("dxcc_adif.kvt~"));
    EXPECT_EQ(6u, editor.Lines().size());
    EXPECT_EQ(6, station.Document().Table().Count());
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_TRUE(editor.NewEntityMode());  // the typing stays for another try
    EXPECT_EQ("Conway Reef", editor.Name());
}

TEST_F(EntityEditorTest, FailedWriteOfTheNewFileRestoresTheEarlierBackup) {
    OpenStation();
    dir.Write("dxcc_adif.kvt~", "an older backup");
    ASSERT_TRUE(editor.Open());
    editor.SelectLine(3);
    editor.TypePrefix("ZZ");
    fault_injection::FailNth(FileOp::Rename, 2);
    prompter.ExpectError("Nie można zapisać pliku " + dir.File("dxcc_adif.kvt") + ":\n" +
                         std::strerror(EIO) + "\n\nPlik wzorcowy nie został zmieniony.");
    EXPECT_FALSE(editor.Save());

    EXPECT_EQ(original, dir.Read("dxcc_adif.kvt"));
    EXPECT_EQ("an older backup", dir.Read("dxcc_adif.kvt~"));
    EXPECT_EQ(kFiji, editor.Lines()[3]);
    EXPECT_EQ("3D2", station.Document().Table().Row(4).prefix);
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(EntityEditorTest, FailedWriteWithoutEarlierBackupLeavesNoBackup) {
    ASSERT_TRUE(editor.Open());
    TypeNew("512", "3D2/C", "Conway Reef");
    fault_injection::FailNth(FileOp::Write, 2);
    prompter.ExpectError("Błąd zapisu pliku " + dir.File("dxcc_adif.kvt") + ":\n" +
                         std::strerror(EIO) + "\n\nPlik wzorcowy nie został zmieniony.");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(original, dir.Read("dxcc_adif.kvt"));
    EXPECT_FALSE(dir.Exists("dxcc_adif.kvt~"));
}

TEST_F(EntityEditorTest, NameOutsideTheCodePageIsRefusedBeforeTheDiskIsTouched) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    TypeNew("512", "3D2/C", "Ωmega Reef");
    prompter.ExpectError(
        "Znak \"Ω\" nie może zostać zapisany w pliku (kodowanie Windows-1250) w linii:\n\n"
        "512| |3D2/C|Ωmega Reef              |\n\nPlik wzorcowy nie został zmieniony.");
    EXPECT_FALSE(editor.Save());
    ExpectNothingChanged();
}

// --- closing ---

TEST_F(EntityEditorTest, ClosingAfterTypingAsksAboutSaving) {
    OpenStation();
    ASSERT_TRUE(editor.Open());
    const MessageBox question{"Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?",
                              "Ostrzeżenie",
                              Icon::Warning,
                              Buttons::YesNoCancel,
                              {}};
    editor.SelectLine(3);
    editor.TypeName("Fiji Islands");

    prompter.ExpectBox(question, Answer::Cancel);
    EXPECT_FALSE(editor.Close());
    prompter.ExpectBox(question, Answer::No);
    EXPECT_TRUE(editor.Close());
    ExpectNothingChanged();

    prompter.ExpectBox(question, Answer::Yes);
    ExpectModifiedBox();
    EXPECT_TRUE(editor.Close());
    EXPECT_EQ("Fiji Islands", station.Document().Table().Row(4).name);
}

TEST_F(EntityEditorTest, ClosingWithYesClosesEvenWhenTheSaveIsRefused) {
    ASSERT_TRUE(editor.Open());
    editor.NewEntity();
    editor.TypeNumber("512");
    prompter
        .ExpectBox({"Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?",
                    "Ostrzeżenie",
                    Icon::Warning,
                    Buttons::YesNoCancel,
                    {}},
                   Answer::Yes)
        .ExpectError("Pole prefiksu nie może być puste!");
    EXPECT_TRUE(editor.Close());
    ExpectNothingChanged();
}

}  // namespace
}  // namespace zorva
