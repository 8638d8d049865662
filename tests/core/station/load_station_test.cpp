#include <cstdint>
#include <cstring>

#include "document_rows.h"
#include "io/fault_injection.h"
#include "io/file_system.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

using Loading = StationFiles;

TEST_F(Loading, ReadsRowsCallAndCountersThenShowsTheView) {
    WriteStation("sp5abc.txt", "SP5ABC", SmallStation());
    station.View().texts.caption = "Zestawienie Podmiotów DXCC dla stacji SP5ABC";
    Load("sp5abc.txt");
    EXPECT_EQ(station.Document().Call(), "SP5ABC");
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_EQ(station.View().texts.counterPanels,
              (std::array<std::string, 4>{"Razem:       2/3", "Zweryfikowane:   1/2",
                                          "Do weryfikacji:  1/1", "QSL/LoTW:  2/1"}));
    EXPECT_EQ(station.View().grid.DataRowCount(), 4);
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP5ABC");
}

TEST_F(Loading, MissingFileKeepsItsNameAndTheTable) {
    RowsOf(station.Document())->Append(Row("  1", "", "VE", "Canada"));
    station.SetCurrentFileName(dir.File("gone.txt"));
    prompter.ExpectError("Plik danych \n" + dir.File("gone.txt") + "\nnie został znaleziony!");
    station.LoadStationFile();
    EXPECT_EQ(station.Document().FileName(), dir.File("gone.txt"));
    EXPECT_EQ(station.View().texts.fileNamePanel, "");
    EXPECT_EQ(station.Document().Table().Count(), 1);
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC");
}

TEST_F(Loading, NoFileNameShowsNothing) {
    station.LoadStationFile();
    EXPECT_EQ(station.Document().Table().HighestIndex(), -1);
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC");
}

TEST_F(Loading, BadLineKeepsEarlierRowsAndForgetsTheFileName) {
    auto rows = SmallStation();
    std::vector<std::string> lines = StationHeaderLines("SP5ABC", "1.1.2026");
    lines.push_back(FormatStationLine(rows[0]));
    lines.push_back("230| |DL   |Germany");
    lines.push_back(FormatStationLine(rows[2]));
    dir.Write("bad.txt", Encoded(lines));
    station.View().texts.counterPanels = {"a", "b", "c", "d"};
    station.MarkModified();
    prompter.ExpectError(
        "Błąd w pliku " + dir.File("bad.txt") +
        "\nw linii:\n\n230| |DL   |Germany\n\nPopraw tą linię w pliku i spróbuj ponownie.");
    Load("bad.txt");
    EXPECT_EQ(TableAdifs(), std::vector<std::string>{" 24"});
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "");
    EXPECT_EQ(station.Document().Call(), "");
    // A later "Zapisz" must ask for a name instead of writing the partial table over the file.
    EXPECT_EQ(station.Document().FileName(), "");
    EXPECT_EQ(station.View().texts.fileNamePanel, "");
    EXPECT_EQ(station.View().texts.counterPanels, (std::array<std::string, 4>{"a", "b", "c", "d"}));
}

std::string PreviousVersionLine() {
    std::string old(80, ' ');
    for (size_t column : {2u, 8u, 33u, 49u, 60u, 71u}) old[column - 1] = '|';
    return old;
}

std::string ConversionQuestion(const std::string& path) {
    return "Plik " + path +
           "\npochodzi z poprzedniej wersji programu.\nCzy przekonwertować plik do nowej wersji?";
}

TEST_F(Loading, PreviousVersionAnsweredNoNamesTheConversionProgram) {
    dir.Write("old.txt", Encoded({";", ";", ";", ";", ";", ";", ";", PreviousVersionLine()}));
    prompter.ExpectBox(Warning(ConversionQuestion(dir.File("old.txt")), Buttons::YesNo), Answer::No)
        .ExpectError(
            "Przekonwertuj ten plik używając programu Konwersja_ZORVA_Rade.exe.\n"
            "Dopiero po konwersji wczytaj plik.");
    Load("old.txt");
    EXPECT_EQ(station.Document().FileName(), "");
    EXPECT_EQ(dir.Read("old.txt"),
              Encoded({";", ";", ";", ";", ";", ";", ";", PreviousVersionLine()}));
}

TEST_F(Loading, PreviousVersionConvertedIsReadAgain) {
    dir.Write("old.txt", Encoded({";", ";", ";", ";", ";", ";", ";", PreviousVersionLine()}));
    int conversions = 0;
    station.convertOldFile = [&](Station& s) {
        ++conversions;
        WriteStation("old.txt", "SP5ABC", SmallStation());
        EXPECT_EQ(s.Document().FileName(), dir.File("old.txt"));
    };
    station.conversionFailed = true;
    prompter.ExpectBox(Warning(ConversionQuestion(dir.File("old.txt")), Buttons::YesNo),
                       Answer::Yes);
    Load("old.txt");
    EXPECT_EQ(conversions, 1);
    EXPECT_FALSE(station.conversionFailed);
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
    EXPECT_EQ(station.Document().FileName(), dir.File("old.txt"));
}

TEST_F(Loading, FailedOrUnavailableConversionReloadsNothing) {
    dir.Write("old.txt", Encoded({";", ";", ";", ";", ";", ";", ";", PreviousVersionLine()}));
    prompter.ExpectBox(Warning(ConversionQuestion(dir.File("old.txt")), Buttons::YesNo),
                       Answer::Yes);
    Load("old.txt");
    EXPECT_TRUE(station.conversionFailed);
    EXPECT_EQ(station.Document().FileName(), "");

    station.convertOldFile = [](Station& s) { s.conversionFailed = true; };
    prompter.ExpectBox(Warning(ConversionQuestion(dir.File("old.txt")), Buttons::YesNo),
                       Answer::Yes);
    Load("old.txt");
    EXPECT_EQ(station.Document().Table().Count(), 0);
    EXPECT_EQ(station.Document().FileName(), "");
}

TEST_F(Loading, ConversionThatLeavesTheOldLayoutIsNotOfferedTwice) {
    dir.Write("old.txt", Encoded({";", ";", ";", ";", ";", ";", ";", PreviousVersionLine()}));
    station.convertOldFile = [](Station&) {};
    prompter
        .ExpectBox(Warning(ConversionQuestion(dir.File("old.txt")), Buttons::YesNo), Answer::Yes)
        .ExpectError("Błąd w pliku " + dir.File("old.txt") + "\nw linii:\n\n" +
                     PreviousVersionLine() + "\n\nPopraw tą linię w pliku i spróbuj ponownie.");
    Load("old.txt");
}

TEST_F(Loading, MissingCallIsAskedForWithMoreThanTwoRows) {
    WriteStation("nocall.txt", "", SmallStation());
    prompter.ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", "sp5żab");
    Load("nocall.txt");
    EXPECT_EQ(station.Document().Call(), "SP5ŻAB");
    EXPECT_EQ(station.View().texts.caption, "Zestawienie Podmiotów DXCC dla stacji SP5ŻAB");
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "Modyfikacja");
}

TEST_F(Loading, CallThatCannotBeWrittenIsRefusedAndAskedAgain) {
    WriteStation("nocall.txt", "", SmallStation());
    prompter.ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", "SP5☃")
        .ExpectError(
            "Symbolu \"☃\" nie można zapisać w pliku stacji (kodowanie Windows-1250).\n"
            "Podaj znak stacji bez tego symbolu.")
        .ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", "sp5€");
    Load("nocall.txt");
    EXPECT_EQ(station.Document().Call(), "SP5€");
}

TEST_F(Loading, NoCallAndFewRowsAsksNothing) {
    auto rows = SmallStation();
    rows.resize(2);
    WriteStation("two.txt", "", rows);
    WriteReference({SmallReference()[0], SmallReference()[1]});
    Load("two.txt");
    EXPECT_EQ(station.Document().Call(), "");
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(Loading, MissingReferenceStopsBeforeTheViewAndTheCallPrompt) {
    WriteStation("nocall.txt", "", SmallStation());
    RemoveFile(dir.File("dxcc_adif.kvt"));
    station.View().texts.viewTitle = "unchanged";
    prompter.ExpectError("Plik wzorcowy \"" + dir.File("dxcc_adif.kvt") +
                         "\" nie został znaleziony!\nMusi on znajdować się w tym samym katalogu, "
                         "co i ZORVA_RADE.EXE.");
    Load("nocall.txt");
    EXPECT_EQ(station.Document().Table().Count(), 4);
    EXPECT_EQ(station.View().texts.counterPanels[0], "Razem:       2/3");
    EXPECT_EQ(station.View().texts.viewTitle, "unchanged");
    EXPECT_EQ(station.View().grid.DataRowCount(), 4);
}

TEST_F(Loading, LfEndsMissingFinalEndAndBlankLinesLoadAlike) {
    std::string crlf = StationBytes("SP5ABC", SmallStation());
    std::string lf;
    for (char c : crlf)
        if (c != '\r') lf += c;
    lf.insert(lf.find("230|"), "   \n\n");
    dir.Write("lf.txt", lf.substr(0, lf.size() - 1));
    Load("lf.txt");
    EXPECT_EQ(station.Document().Table().Rows(), SmallStation());
}

TEST_F(Loading, FiftyMegabytesOfJunkGiveOneShortMessageAndStayUntouched) {
    std::string junk(50u << 20, '\0');
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (size_t i = 0; i + 8 <= junk.size(); i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(&junk[i], &state, 8);
    }
    dir.Write("junk.txt", junk);
    struct Counting : Prompter {
        int boxes = 0;
        size_t longest = 0;
        Answer Show(const MessageBox& box) override {
            ++boxes;
            longest = std::max(longest, box.text.size());
            return Answer::Ok;
        }
        std::optional<std::string> Input(const std::string&, const std::string&,
                                         const std::string&) override {
            return std::nullopt;
        }
        std::optional<std::string> ChooseOpenFile(const FileChoice&) override {
            return std::nullopt;
        }
        std::optional<std::string> ChooseSaveFile(const FileChoice&) override {
            return std::nullopt;
        }
    } counting;
    Station junkStation(counting, clock, dir.Path());
    junkStation.SetCurrentFileName(dir.File("junk.txt"));
    junkStation.LoadStationFile();
    EXPECT_EQ(counting.boxes, 1);
    EXPECT_LT(counting.longest, 2000u);
    EXPECT_EQ(junkStation.Document().FileName(), "");
    EXPECT_EQ(ReadWholeFile(dir.File("junk.txt")).bytes, junk);
}

struct UnreadableFile {
    std::string label, bytes, message;  // the message follows the file's path
};

std::vector<UnreadableFile> UnreadableFiles() {
    const std::string station = StationBytes("SP5ABC", SmallStation());
    std::string crAlone = station;
    for (size_t at = crAlone.find('\n'); at != std::string::npos; at = crAlone.find('\n', at))
        crAlone.erase(at, 1);
    const auto refused = [](const std::string& reason) {
        return "\nnie może zostać wczytany jako plik danych stacji, ponieważ " + reason + ".";
    };
    const std::string twice = FormatStationLine(SmallStation()[1]);
    return {
        {"HeaderOnly", StationBytes("SP5ABC", {}), refused("nie zawiera żadnej linii podmiotu")},
        {"CrAlone", crAlone, refused("jego linie kończą się samym znakiem CR (bez LF)")},
        {"Nul", std::string(4096, '\0'),
         refused("zawiera bajty zerowe - nie jest plikiem tekstowym")},
        {"Utf8Mark", "\xEF\xBB\xBF" + station,
         refused("został zapisany w kodowaniu UTF-8 (zaczyna się znacznikiem BOM),\na plik danych "
                 "stacji musi być zapisany w kodowaniu Windows-1250")},
        {"TooLarge", station + std::string(kStationFileMaxBytes, ' '),
         refused("jest większy niż 1 MB, a plik danych stacji ma kilkadziesiąt kB")},
        {"Repeated", station + Encoded({twice}),
         "\nw linii:\n\n" + twice +
             "\n\nPodmiot o tym numerze ADIF występuje już we wcześniejszej linii pliku.\nPopraw "
             "tą linię w pliku i spróbuj ponownie."},
    };
}

class Unreadable : public StationFiles, public ::testing::WithParamInterface<UnreadableFile> {};

TEST_P(Unreadable, FileIsRefusedWithItsReasonAndNeverWritten) {
    dir.Write("x.txt", GetParam().bytes);
    const bool repeated = GetParam().label == "Repeated";
    prompter.ExpectError((repeated ? "Błąd w pliku " : "Plik ") + dir.File("x.txt") +
                         GetParam().message);
    Load("x.txt");
    EXPECT_EQ(station.CurrentSettings(1, 1).file, "");
    EXPECT_FALSE(station.SaveFromGrid());
    EXPECT_EQ(dir.Read("x.txt"), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, Unreadable, ::testing::ValuesIn(UnreadableFiles()),
                         [](const auto& info) { return info.param.label; });

TEST_F(Loading, SavingAfterAMissingStartUpFileWritesNothing) {
    prompter.ExpectError("Plik danych \n" + dir.File("gone.txt") + "\nnie został znaleziony!");
    Load("gone.txt");
    EXPECT_FALSE(station.SaveFromGrid());
    EXPECT_FALSE(dir.Exists("gone.txt"));
}

TEST_F(Loading, UnreadableFileIsReportedWithTheSystemReason) {
    WriteStation("s.txt", "SP5ABC", SmallStation());
    fault_injection::FailNth(FileOp::Open, 1);
    prompter.ExpectError("Nie można otworzyć pliku " + dir.File("s.txt") + ":\nInput/output error");
    Load("s.txt");
    fault_injection::Disarm();
    EXPECT_EQ(station.Document().FileName(), "");
    EXPECT_EQ(station.Document().Table().Count(), 0);
}

}  // namespace
}  // namespace zorva::station_files_test
