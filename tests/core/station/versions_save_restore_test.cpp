// Saves keep the file they replace as a version; "Przywróć poprzednią wersję..."
// puts one back and loads it.
#include "document_rows.h"
#include "io/fault_injection.h"
#include "load_fixture.h"
#include "station/restore_command.h"
#include "versions/version_list.h"
#include "versions/version_store.h"

namespace zorva::station_files_test {
namespace {

const std::string kNoon = "2026-12-08_120000.txt";
const std::string kOne = "2026-12-08_130000.txt";

class StationVersions : public StationFiles {
  protected:
    StationVersions() {
        WriteStation("s.txt", "SP5ABC", SmallStation());
        Load("s.txt");
    }
    size_t VersionCount() { return ListVersions(dir.File("s.txt")).newestFirst.size(); }
    void ChangeCall(const std::string& call) {
        RowsOf(station.Document())->Row(4).call = call;
        station.MarkModified();
    }
    std::string Saved() {
        prompter.ExpectBox(Info(kSaved));
        station.Save();
        return dir.Read("s.txt");
    }
    static ChooseVersion Choose(std::optional<std::string> answer) {
        return [answer](const std::vector<VersionEntry>&) { return answer; };
    }
};

TEST_F(StationVersions, ASaveKeepsTheReplacedFileOnlyWhenItsBytesChange) {
    const std::string original = dir.Read("s.txt");
    ChangeCall("VE3AA");
    const std::string first = Saved();
    EXPECT_EQ(dir.Read("kopie/s.txt/" + kNoon), original);
    station.MarkModified();
    clock.SetTime(12, 30);
    Saved();
    EXPECT_EQ(VersionCount(), 1u);
    ChangeCall("VE3BB");
    clock.SetTime(13, 0);
    Saved();
    EXPECT_EQ(dir.Read("kopie/s.txt/" + kOne), first);
}

// A version that cannot be written stops the save before the file is touched.
TEST_F(StationVersions, AFailedVersionOrWriteLeavesTheFileAndModified) {
    const std::string path = dir.File("s.txt"), original = dir.Read("s.txt");
    const std::string ioError = ":\nInput/output error";
    const std::string messages[] = {
        VersionNotKeptMessage(
            path, "Błąd zapisu na dysk pliku " + dir.File("kopie/s.txt/") + kNoon + ioError),
        "Błąd zapisu na dysk pliku " + path + ioError};
    for (int flush : {1, 2}) {
        ChangeCall("VE3AA");
        fault_injection::FailNth(FileOp::Flush, flush);
        prompter.ExpectError(messages[flush - 1]);
        EXPECT_FALSE(station.Save());
        fault_injection::Disarm();
        EXPECT_EQ(dir.Read("s.txt"), original);
        EXPECT_TRUE(station.Document().IsModified());
        EXPECT_EQ(VersionCount(), size_t(flush - 1));
    }
}

TEST_F(StationVersions, RestoreAsksBeforeDroppingChangesAndIsUndoneByTheVersionItKept) {
    prompter.ExpectBox(Info("Nie ma zapisanych wersji pliku " + dir.File("s.txt") +
                            ".\nWersja powstaje przy każdym zapisie, który zmienia plik."));
    EXPECT_FALSE(RestorePreviousVersion(station, Choose(kNoon)));
    const std::string original = dir.Read("s.txt");
    ChangeCall("VE3AA");
    const std::string saved = Saved();
    ChangeCall("VE3BB");
    const MessageBox dropChanges = {
        "Zmiany wprowadzone w oknie nie zostały zapisane i zostaną utracone.\n"
        "Czy przywrócić wybraną wersję?",
        "Ostrzeżenie", Icon::Warning, Buttons::YesNo, Answer::No};
    prompter.ExpectBox(dropChanges, Answer::No);
    EXPECT_FALSE(RestorePreviousVersion(station, Choose(kNoon)));
    EXPECT_EQ(station.Document().Table().Row(4).call, "VE3BB");
    clock.SetTime(13, 0);
    prompter.ExpectBox(dropChanges, Answer::Yes)
        .ExpectBox(Info("Przywrócono wersję " + kNoon +
                        ".\nDotychczasowa zawartość pliku została zachowana jako wersja " + kOne +
                        "."));
    EXPECT_TRUE(RestorePreviousVersion(station, Choose(kNoon)));
    EXPECT_EQ(dir.Read("s.txt"), original);
    EXPECT_EQ(station.Document().Table().Row(4).call, "VE3XX");
    EXPECT_FALSE(station.Document().IsModified());
    clock.SetTime(14, 0);
    prompter.ExpectBox(Info("Przywrócono wersję " + kOne +
                            ".\nDotychczasowa zawartość pliku została zachowana jako wersja " +
                            "2026-12-08_140000.txt."));
    EXPECT_TRUE(RestorePreviousVersion(station, Choose(kOne)));
    EXPECT_EQ(dir.Read("s.txt"), saved);
}

}  // namespace
}  // namespace zorva::station_files_test
