#include "document_rows.h"
#include "io/fault_injection.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

const FileChoice kOpenChoice{"Pliki tekstowe |*.TXT|Wszystkie pliki|*.*", "", ""};

class Opening : public StationFiles {
  protected:
    // An open, modified station of three entities.
    void OpenModifiedStation() {
        WriteStation("old.txt", "SP1OLD", SmallStation());
        Load("old.txt");
        RowsOf(station.Document())->Row(3).call = "SP9X";
        station.MarkEdited();
    }
};

TEST_F(Opening, LoadsTheChosenFileAndEnablesTheFileCommands) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    prompter.ExpectOpenFile(kOpenChoice, dir.File("sp5abc.txt"));
    station.Open();
    EXPECT_EQ(station.Document().FileName(), dir.File("sp5abc.txt"));
    EXPECT_EQ(station.View().texts.fileHint, dir.File("sp5abc.txt"));
    EXPECT_EQ(station.View().texts.fileNamePanel, dir.File("sp5abc.txt"));
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
}

TEST_F(Opening, CaptionNamesTheCallOfTheOpenedFile) {
    OpenModifiedStation();
    station.ClearModified();
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    prompter.ExpectOpenFile(kOpenChoice, dir.File("sp5abc.txt"));
    station.Open();
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP5ABC");
}

TEST_F(Opening, DismissedDialogStillEnablesTheFileCommands) {
    prompter.ExpectOpenFile(kOpenChoice, std::nullopt);
    station.Open();
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.Document().FileName(), "");
}

TEST_F(Opening, MissingChosenFileIsNamedAndNothingIsEnabled) {
    prompter.ExpectOpenFile(kOpenChoice, dir.File("nie ma.txt"))
        .ExpectError("Plik \"" + dir.File("nie ma.txt") + "\" nie został znaleziony!");
    station.Open();
    EXPECT_EQ(station.Document().FileName(), dir.File("nie ma.txt"));
    EXPECT_FALSE(station.View().texts.fileCommandsEnabled);
}

TEST_F(Opening, StopAtABadLineStillEnablesTheFileCommands) {
    dir.Write("bad.txt", Encoded({";", ";", ";", ";", ";", ";", ";", "zła linia"}));
    prompter.ExpectOpenFile(kOpenChoice, dir.File("bad.txt"))
        .ExpectError("Błąd w pliku " + dir.File("bad.txt") +
                     "\nw linii:\n\nzła linia\n\nPopraw tą linię w pliku i spróbuj ponownie.");
    station.Open();
    EXPECT_TRUE(station.View().texts.fileCommandsEnabled);
    EXPECT_EQ(station.Document().FileName(), "");
}

TEST_F(Opening, UnsavedDataAnsweredCancelStopsTheCommand) {
    OpenModifiedStation();
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Cancel);
    station.Open();
    EXPECT_EQ(station.Document().FileName(), dir.File("old.txt"));
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(Opening, UnsavedDataAnsweredYesSavesThenOpens) {
    OpenModifiedStation();
    WriteStation("new.txt", "SP2NEW", SmallStation());
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Yes)
        .ExpectBox(Info(kSaved))
        .ExpectOpenFile(kOpenChoice, dir.File("new.txt"));
    station.Open();
    EXPECT_NE(dir.Read("old.txt").find("SP9X"), std::string::npos);
    EXPECT_EQ(station.Document().Call(), "SP2NEW");
}

TEST_F(Opening, FailedSaveAfterYesKeepsTheUnsavedDataOpen) {
    OpenModifiedStation();
    // The first rename puts the version in place.
    fault_injection::FailNth(FileOp::Rename, 2);
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::Yes)
        .ExpectError("Nie można zapisać pliku " + dir.File("old.txt") + ":\nInput/output error");
    station.Open();
    fault_injection::Disarm();
    EXPECT_EQ(station.Document().Table().Row(3).call, "SP9X");
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.Document().FileName(), dir.File("old.txt"));
}

TEST_F(Opening, UnsavedDataAnsweredNoGoesOnWithoutSaving) {
    OpenModifiedStation();
    prompter.ExpectBox(Warning(kUnsavedBeforeLeaving, Buttons::YesNoCancel), Answer::No)
        .ExpectOpenFile(kOpenChoice, std::nullopt);
    station.Open();
    EXPECT_EQ(dir.Read("old.txt").find("SP9X"), std::string::npos);
}

TEST_F(Opening, SmallModifiedTablesAreNotAskedAbout) {
    RowsOf(station.Document())->Append(Row("  1", "", "VE", "Canada"));
    station.MarkModified();
    prompter.ExpectOpenFile(kOpenChoice, std::nullopt);
    station.Open();
}

TEST(ShortenPath, MiddleFoldersGiveWayRoundByRound) {
    EXPECT_EQ(ShortenPath("C:/aa/bb/cc/dd/ee/f.txt", 22), "C:/aa/bb/.../ee/f.txt");
    EXPECT_EQ(ShortenPath("C:/aa/bb/cc/dd/ee/f.txt", 20), "C:/aa/.../ee/f.txt");
    EXPECT_EQ(ShortenPath("C:/a/b/c/d/e/f.txt", 17), "C:/a/.../e/f.txt");
    EXPECT_EQ(ShortenPath(R"(C:\aa\bb\cc\dd\ee\f.txt)", 20), R"(C:\aa\...\ee\f.txt)");
    EXPECT_EQ(ShortenPath("/home/operator/radio/logi/2026/dxcc/stacje/sp5abc.txt", 40),
              "/home/operator/.../stacje/sp5abc.txt");
}

TEST(ShortenPath, ShortPathsAndPathsWithFewFoldersStay) {
    const std::string fits = "/aa/" + std::string(65, 'x') + "/b.txt";
    ASSERT_EQ(fits.size(), 75u);
    EXPECT_EQ(ShortenPath(fits, 75), fits);
    EXPECT_EQ(ShortenPath(fits, 74), "/.../b.txt");
    EXPECT_EQ(ShortenPath("/" + std::string(200, 'x') + "/y.txt", 75),
              "/" + std::string(200, 'x') + "/y.txt");
    EXPECT_EQ(ShortenPath("", 75), "");
}

TEST(ShortenPath, CountsCharactersNotBytes) {
    const std::string path =
        "/dom/" + std::string(30, 'a') + "/łódź/żółć/" + std::string(30, 'b') + ".txt";
    EXPECT_EQ(ShortenPath(path, 80), path);
}

}  // namespace
}  // namespace zorva::station_files_test
