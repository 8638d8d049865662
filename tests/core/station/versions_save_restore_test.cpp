// Saves keep the file they replace as a version; "Przywróć poprzednią wersję..."
// puts one back and loads it.
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
    std::string Version(const std::string& name) { return dir.Read("kopie/s.txt/" + name); }
    size_t VersionCount() { return ListVersions(dir.File("s.txt")).newestFirst.size(); }
    void ChangeCall(const std::string& call) {
        station.table.Row(4).call = call;
        station.MarkModified();
    }
    // The chooser answers `answer` and remembers the list it was shown.
    ChooseVersion Chooser(std::optional<std::string> answer) {
        return [this, answer](const std::vector<VersionEntry>& versions) {
            shown = versions;
            return answer;
        };
    }
    std::vector<VersionEntry> shown;
};

TEST_F(StationVersions, ASaveKeepsTheReplacedFileOnlyWhenItsBytesChange) {
    const std::string original = dir.Read("s.txt");
    ChangeCall("VE3AA");
    prompter.ExpectBox(Info(kSaved));
    ASSERT_TRUE(station.Save());
    EXPECT_EQ(Version(kNoon), original);
    const std::string first = dir.Read("s.txt");
    station.MarkModified();
    prompter.ExpectBox(Info(kSaved));
    clock.SetTime(12, 30);
    ASSERT_TRUE(station.Save());
    EXPECT_EQ(VersionCount(), 1u);
    ChangeCall("VE3BB");
    clock.SetTime(13, 0);
    EXPECT_TRUE(station.SaveFromGrid());
    EXPECT_EQ(Version(kOne), first);
}

// A version that cannot be written stops the save before the file is touched;
// a failed write of the file itself leaves the version, which holds the same bytes.
TEST_F(StationVersions, AFailedVersionOrWriteLeavesTheFileAndModified) {
    const std::string path = dir.File("s.txt");
    const std::string original = dir.Read("s.txt");
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
        EXPECT_TRUE(station.modified);
        EXPECT_EQ(VersionCount(), size_t(flush - 1));
    }
}

TEST_F(StationVersions, RestoreAsksBeforeDroppingChangesAndIsUndoneByTheVersionItKept) {
    prompter.ExpectBox(Info("Nie ma zapisanych wersji pliku " + dir.File("s.txt") +
                            ".\nWersja powstaje przy każdym zapisie, który zmienia plik."));
    EXPECT_FALSE(RestorePreviousVersion(station, Chooser(kNoon)));
    const std::string original = dir.Read("s.txt");
    ChangeCall("VE3AA");
    prompter.ExpectBox(Info(kSaved));
    station.Save();
    const std::string saved = dir.Read("s.txt");
    ChangeCall("VE3BB");
    EXPECT_FALSE(RestorePreviousVersion(station, Chooser(std::nullopt)));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].counterTexts[0], station.texts.counterPanels[0]);
    const MessageBox dropChanges = {
        "Zmiany wprowadzone w oknie nie zostały zapisane i zostaną utracone.\n"
        "Czy przywrócić wybraną wersję?",
        "Ostrzeżenie", Icon::Warning, Buttons::YesNo, Answer::No};
    prompter.ExpectBox(dropChanges, Answer::No);
    EXPECT_FALSE(RestorePreviousVersion(station, Chooser(kNoon)));
    EXPECT_EQ(station.table.Row(4).call, "VE3BB");
    clock.SetTime(13, 0);
    prompter.ExpectBox(dropChanges, Answer::Yes)
        .ExpectBox(Info("Przywrócono wersję " + kNoon +
                        ".\nDotychczasowa zawartość pliku została zachowana jako wersja " + kOne +
                        "."));
    EXPECT_TRUE(RestorePreviousVersion(station, Chooser(kNoon)));
    EXPECT_EQ(dir.Read("s.txt"), original);
    EXPECT_EQ(station.table.Row(4).call, "VE3XX");
    EXPECT_FALSE(station.modified);
    EXPECT_EQ(shown[0].name, kNoon);
    clock.SetTime(14, 0);
    prompter.ExpectBox(Info("Przywrócono wersję " + kOne +
                            ".\nDotychczasowa zawartość pliku została zachowana jako wersja " +
                            "2026-12-08_140000.txt."));
    EXPECT_TRUE(RestorePreviousVersion(station, Chooser(kOne)));
    EXPECT_EQ(dir.Read("s.txt"), saved);
    EXPECT_EQ(station.table.Row(4).call, "VE3AA");
}

}  // namespace
}  // namespace zorva::station_files_test
