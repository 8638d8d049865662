#include <sys/stat.h>

#include "document_rows.h"
#include "files/reference_file.h"
#include "files/settings_file.h"
#include "io/fault_injection.h"
#include "io/file_system.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

class Startup : public StationFiles {
  protected:
    void WriteSettings(const std::string& text) { dir.Write("zorva_rade.ini", text); }
    std::string SettingsFor(const std::string& file, const std::string& extra = "") {
        return "[Konfiguracja]\r\nZnak=SP5ABC\r\nPlik=" + dir.File(file) + "\r\n" + extra;
    }
};

TEST_F(Startup, MissingReferenceFileEndsTheProgram) {
    RemoveFile(dir.File("dxcc_adif.kvt"));
    prompter.ExpectError(MissingReferenceMessage(dir.File("dxcc_adif.kvt")));
    EXPECT_FALSE(station.StartUp());
}

TEST_F(Startup, FirstStartWithoutSettingsShowsAnEmptyWindow) {
    EXPECT_TRUE(station.StartUp());
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC");
    EXPECT_EQ(station.View().texts.counterPanels,
              (std::array<std::string, 4>{"Razem:       0/0", "Zweryfikowane:   0/0",
                                          "Do weryfikacji:  0/0", ""}));
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.sortPanel, "  Rosnąco");
    EXPECT_EQ(station.View().texts.searchPrompt, "");
    EXPECT_EQ(station.View().grid.DataRowCount(), 0);
    EXPECT_EQ(station.View().viewMode, ViewMode::AllEntities);
    EXPECT_TRUE(station.appearance.fontBold);
    EXPECT_FALSE(dir.Exists("zorva_rade.ini"));
}

TEST_F(Startup, SettingsReopenTheLastFileAndRestoreTheWindow) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    WriteSettings(SettingsFor(
        "sp5abc.txt",
        "[Tabela]\r\nSzerokosc nazwy=200\r\nCzcionka=Courier New\r\nWielkosc czcionki=9\r\n"
        "Kolor usunietych=255\r\nWysokosc wierszy=18\r\n[Widok]\r\nWysokosc okna=500\r\n"
        "Szerokosc okna=800\r\n[Wyswietlanie]\r\nUsuniete=1\r\nWszystkie=0\r\nDo "
        "weryfikacji=1\r\n"));
    EXPECT_TRUE(station.StartUp());
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP5ABC");
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.fileNamePanel, dir.File("sp5abc.txt"));
    EXPECT_EQ(station.View().texts.searchPrompt, "Wprowadź prefiks szukanego podmiotu");
    EXPECT_EQ(station.appearance.columnWidths[3], 200);
    EXPECT_EQ(station.appearance.fontName, "Courier New");
    EXPECT_EQ(station.appearance.fontSize, 9);
    EXPECT_FALSE(station.appearance.fontBold);
    EXPECT_EQ(station.appearance.deletedColour, 255);
    EXPECT_EQ(station.appearance.rowHeight, 18);
    EXPECT_EQ(station.appearance.windowHeight, 500);
    EXPECT_EQ(station.appearance.windowWidth, 800);
    EXPECT_TRUE(station.View().hideDeleted);
    EXPECT_EQ(station.View().viewMode, ViewMode::ToVerify);
    EXPECT_EQ(station.View().grid.DataRowCount(),
              1);  // DL1ABC: confirmed, not verified, not deleted
}

TEST_F(Startup, ViewKeysFollowTheRadioGroup) {
    WriteSettings("[Wyswietlanie]\r\nWszystkie=0\r\n");
    station.StartUp();
    EXPECT_EQ(station.View().viewMode, ViewMode::Unconfirmed);

    Station second(prompter, clock, dir.Path());
    WriteSettings("[Wyswietlanie]\r\nWszystkie=1\r\nZweryfikowane=1\r\n");
    second.StartUp();
    EXPECT_EQ(second.View().viewMode, ViewMode::Verified);
}

TEST_F(Startup, LastFileGoneIsReportedAndItsNameWrittenBackAtClose) {
    WriteSettings(SettingsFor("gone.txt"));
    prompter.ExpectError("Plik danych \n" + dir.File("gone.txt") + "\nnie został znaleziony!");
    EXPECT_TRUE(station.StartUp());
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP5ABC");
    EXPECT_TRUE(station.MayClose(666, 416));
    EXPECT_EQ(ReadSettingsFile(dir.File("zorva_rade.ini")).settings.file, dir.File("gone.txt"));
}

TEST_F(Startup, OneEntityLoadsButLeavesTheFileCommandsOff) {
    WriteReference({SmallReference()[0], SmallReference()[1]});
    WriteStation("one.txt", "SP5ABC", {SmallStation()[0]});
    WriteSettings(SettingsFor("one.txt"));
    prompter.ExpectBox(
        Mismatch("W pliku wzorcowym występuje Podmiot,\nktórego nie ma w pliku danych:\n\n" +
                 SmallReference()[1] + "\n\nCzy zaktualizować dane?"),
        Answer::No);
    station.StartUp();
    EXPECT_EQ(station.Document().Table().Count(), 1);
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.View().texts.searchPrompt, "");

    Station second(prompter, clock, dir.Path());
    WriteStation("two.txt", "SP5ABC", {SmallStation()[0], SmallStation()[1]});
    WriteSettings(SettingsFor("two.txt"));
    second.StartUp();
    EXPECT_TRUE(second.View().texts.fileCommandsEnabled);
}

TEST_F(Startup, SettingsWithJunkGiveDefaultsAndNoMessage) {
    WriteSettings(
        std::string("[Tabela]\r\nSzerokosc ADIF=szeroka\r\nSzerokosc ADIF=50\r\n\x01\x02\xff\r\n"
                    "Grubosc czcionki=tak\r\n[Konfiguracja\r\nZnak"));
    EXPECT_TRUE(station.StartUp());
    EXPECT_EQ(station.appearance.columnWidths[0], 35);
    EXPECT_FALSE(station.appearance.fontBold);
    EXPECT_EQ(station.Document().Call(), "");
}

TEST_F(Startup, UnreadableSettingsAreReportedAndDefaultsApply) {
    WriteSettings("[Konfiguracja]\r\nZnak=SP5ABC\r\n");
    fault_injection::FailNth(FileOp::Open, 1);
    prompter.ExpectError("Nie można otworzyć pliku " + dir.File("zorva_rade.ini") +
                         ":\nInput/output error");
    EXPECT_TRUE(station.StartUp());
    fault_injection::Disarm();
    EXPECT_EQ(station.Document().Call(), "");
}

class Closing : public Startup {
  protected:
    void StartWithModifiedStation() {
        WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
        WriteSettings(SettingsFor("sp5abc.txt"));
        station.StartUp();
        RowsOf(station.Document())->Row(3).call = "SP9X";
        station.MarkEdited();
    }
    const MessageBox kQuestion =
        Warning("Dane nie zostały zapisane!\nZapisać?", Buttons::YesNoCancel);
};

TEST_F(Closing, WritesEverySettingAndAsksNothingWhenUnmodified) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    WriteSettings(SettingsFor("sp5abc.txt"));
    station.StartUp();
    station.appearance.columnWidths[1] = 20;
    station.View().hideDeleted = true;
    station.View().viewMode = ViewMode::Confirmed;
    EXPECT_TRUE(station.MayClose(700, 450));
    Settings saved = ReadSettingsFile(dir.File("zorva_rade.ini")).settings;
    Settings expected;
    expected.call = "SP5ABC";
    expected.file = dir.File("sp5abc.txt");
    expected.windowWidth = 700;
    expected.windowHeight = 450;
    expected.columnWidths[1] = 20;
    expected.hideDeleted = true;
    expected.viewAll = false;
    expected.viewConfirmed = true;
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(dir.Read("zorva_rade.ini").substr(0, 29), "[Konfiguracja]\r\nZnak=SP5ABC\r\n");
}

TEST_F(Closing, NextStartRestoresWhatTheLastCloseWrote) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    WriteSettings(SettingsFor("sp5abc.txt"));
    station.StartUp();
    station.appearance.confirmedColour = 123;
    station.appearance.fontBold = true;
    station.View().viewMode = ViewMode::Verified;
    station.MayClose(640, 480);

    Station next(prompter, clock, dir.Path());
    next.StartUp();
    EXPECT_EQ(next.Document().FileName(), dir.File("sp5abc.txt"));
    EXPECT_EQ(next.appearance.confirmedColour, 123);
    EXPECT_TRUE(next.appearance.fontBold);
    EXPECT_EQ(next.appearance.windowWidth, 640);
    EXPECT_EQ(next.View().viewMode, ViewMode::Verified);
}

TEST_F(Closing, CancelKeepsTheProgramButTheSettingsAreWritten) {
    StartWithModifiedStation();
    prompter.ExpectBox(kQuestion, Answer::Cancel);
    EXPECT_FALSE(station.MayClose(666, 416));
    EXPECT_TRUE(dir.Exists("zorva_rade.ini"));
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Closing, YesSavesThenCloses) {
    StartWithModifiedStation();
    prompter.ExpectBox(kQuestion, Answer::Yes).ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.MayClose(666, 416));
    EXPECT_NE(dir.Read("sp5abc.txt").find("SP9X"), std::string::npos);
}

TEST_F(Closing, YesWithAFailedSaveKeepsTheProgramOpen) {
    StartWithModifiedStation();
    ASSERT_EQ(::chmod(dir.File("sp5abc.txt").c_str(), 0444), 0);
    prompter.ExpectBox(kQuestion, Answer::Yes)
        .ExpectBox({"Plik " + dir.File("sp5abc.txt") +
                        " przeznaczony jest \ntylko  do  odczytu  (Read Only)!\n\nCzy zapisać "
                        "pomimo tego?",
                    "Błąd",
                    Icon::Error,
                    Buttons::YesNoCancel,
                    {}},
                   Answer::Cancel);
    EXPECT_FALSE(station.MayClose(666, 416));
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Closing, NoClosesWithoutSaving) {
    StartWithModifiedStation();
    prompter.ExpectBox(kQuestion, Answer::No);
    EXPECT_TRUE(station.MayClose(666, 416));
    EXPECT_EQ(dir.Read("sp5abc.txt"), StationBytes("SP5ABC", SmallStation()));
}

TEST_F(Closing, SettingsWriteErrorIsReportedAndClosingGoesOn) {
    fault_injection::FailNth(FileOp::Rename, 1);
    prompter.ExpectError("Nie można zapisać pliku " + dir.File("zorva_rade.ini") +
                         ":\nInput/output error");
    EXPECT_TRUE(station.MayClose(666, 416));
    fault_injection::Disarm();
    EXPECT_FALSE(dir.Exists("zorva_rade.ini"));
}

}  // namespace
}  // namespace zorva::station_files_test
