#include "convert/convert.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "convert/old_dates.h"
#include "io/fault_injection.h"
#include "io/text_file.h"
#include "old_file_fixture.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using testing::CrLf;
using testing::FixedClock;
using testing::k2001Line;
using testing::k2006Line;
using testing::OldConfirmation;
using testing::OldFileLines;
using testing::ScriptedPrompter;
using testing::TempDir;

// Template rows: Agalega, Spratly, Malta twice (the second deleted), Canada.
const std::string kTemplate = CrLf({
    "  4| |3B6  |Agalega & St. Brandon   |",
    "",
    "247| |1S   |Spratly Is.             |",
    "246| |1A0  |Military Order of Malta |",
    "246|D|1A0  |Malta (old)             |",
    "  1| |VE   |Canada                  |",
});

const std::string kHeaderLine1 = "; SP9ABC  08.12.2026";
const std::string kHyphens(81, '-');

class ConvertTest : public ::testing::Test {
  protected:
    void SetUp() override { dir.Write("dxcc_adif_backup.kvt", kTemplate); }
    void TearDown() override { fault_injection::Disarm(); }

    std::string OldPath() const { return dir.File("old.txt"); }
    void WriteOld(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& l : lines) bytes += l + "\r\n";
        dir.Write("old.txt", bytes);
    }
    ConversionTemplate Template() { return LoadConversionTemplate(dir.Path(), prompter); }
    bool Convert() { return ConvertOldStationFile(OldPath(), Template(), prompter, clock); }
    std::vector<std::string> NewLines() const { return ReadTextLines(OldPath()).lines; }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
};

const std::string kBlankConfirmation =
    "               |          |    |          |";  // call, QSO date, confirmation, verification

TEST_F(ConvertTest, UnconfirmedFileGivesTheTemplateWithBlankConfirmations) {
    WriteOld(OldFileLines(rade1, k2001Line));
    ASSERT_TRUE(Convert());
    std::vector<std::string> expected = {
        kHeaderLine1,
        ";Zestawienie służące do wyryfikacji osiągnięć w ZORVA.",
        ";",
        ";Nie nalezy bezposrednio dokonywac w nim zmian,",
        ";a jedynie za pomocą programu ZORVA_RADE.EXE.",
    };
    std::vector<std::string> lines = NewLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), expected);
    EXPECT_EQ(lines[5].substr(0, 1), ";");
    EXPECT_EQ(lines[6], kHyphens);
    EXPECT_EQ(lines[7], "  4| |3B6  |Agalega & St. Brandon   |" + kBlankConfirmation);
    EXPECT_EQ(lines[10], "246|D|1A0  |Malta (old)             |" + kBlankConfirmation);
    for (size_t i = 7; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 80u) << lines[i];
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ConvertTest, ConfirmedLineFillsEveryRowOfItsEntity) {
    WriteOld(OldFileLines(rade1, k2001Line,
                          {{3, {"SP9XYZ", "17.05.2003", "20.01.2004"}},
                           {1, {"9H1/SMO", "02.03.98", ""}},
                           {2, {"3A2AB", "01.01.2001", ""}}}));  // Monaco: not in the template
    ASSERT_TRUE(Convert());
    std::vector<std::string> lines = NewLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[7],
              "  4| |3B6  |Agalega & St. Brandon   |SP9XYZ         |2003-05-17|QSL |2004-01-20|");
    EXPECT_EQ(lines[8], "247| |1S   |Spratly Is.             |" + kBlankConfirmation);
    EXPECT_EQ(lines[9],
              "246| |1A0  |Military Order of Malta |9H1/SMO        |1998-03-02|QSL |          |");
    EXPECT_EQ(lines[10],
              "246|D|1A0  |Malta (old)             |9H1/SMO        |1998-03-02|QSL |          |");
    EXPECT_EQ(lines[11], "  1| |VE   |Canada                  |" + kBlankConfirmation);
}

TEST_F(ConvertTest, ConfirmedLineWithoutQsoDateGetsTheUnknownDate) {
    WriteOld(OldFileLines(rade1, k2001Line, {{0, {"DU1/SP9ABC", "", "2004-01-20"}}}));
    ASSERT_TRUE(Convert());
    EXPECT_EQ(NewLines()[8], "247| |1S   |Spratly Is.             |DU1/SP9ABC     |" +
                                 std::string(kUnknownDate) + "|QSL |2004-01-20|");
}

TEST_F(ConvertTest, ReadsA2006FileByItsOwnList) {
    WriteOld(OldFileLines(rade2, k2006Line, {{0, {"9H1SMO", "05.06.2007", ""}}}));
    ASSERT_TRUE(Convert());
    EXPECT_EQ(NewLines()[9],
              "246| |1A0  |Military Order of Malta |9H1SMO         |2007-06-05|QSL |          |");
}

TEST_F(ConvertTest, EmptyLinesBetweenDataLinesAreSkipped) {
    std::vector<std::string> lines = OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.03"}}});
    lines.insert(lines.begin() + 9, "");
    lines.insert(lines.begin() + 7, "   ");
    lines.push_back("");
    WriteOld(lines);
    ASSERT_TRUE(Convert());
    EXPECT_EQ(NewLines()[7].substr(37, 26), "SP9XYZ         |2003-05-17");
}

TEST_F(ConvertTest, KeepsTheOldFileByteForByteAsBackup) {
    WriteOld(OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.2003"}}}));
    std::string old = dir.Read("old.txt");
    dir.Write("old.txt~", "an earlier backup");
    ASSERT_TRUE(Convert());
    EXPECT_EQ(dir.Read("old.txt~"), old);
}

// --- refusals: the old file stays, no backup ---

class RefusedConversion : public ConvertTest {
  protected:
    void ExpectUntouched(const std::string& old) {
        EXPECT_EQ(dir.Read("old.txt"), old);
        EXPECT_FALSE(dir.Exists("old.txt~"));
        EXPECT_TRUE(prompter.Done());
    }
};

const std::string kNotOriginal =
    "Plik nie jest oryginalnym plikiem z poprzedniej wersji programu.\n"
    "Nie da się go automatycznie przekonwertować do nowej wersji.";

TEST_F(RefusedConversion, ConfirmedLineNamingAnotherEntityNamesItsPosition) {
    std::string changed = "|3B6,7|Monaco                  |";
    WriteOld(OldFileLines(rade1, k2001Line,
                          {{1, {"9H1/SMO", "02.03.98", "", "|1A0  |S.M.O. Malta            |"}},
                           {3, {"SP9XYZ", "17.05.2003", "", changed}}}));
    std::string old = dir.Read("old.txt");
    prompter.ExpectError(kNotOriginal +
                         "\nOryginalna linia danych nr [3] zawiera zapis:\n\n"
                         "|3B6,7|Agalega & St Brandon    |\n\n"
                         "natomiast linia w pliku zawiera zapis:\n\n"
                         "|3B6,7|Monaco                  |\n\n"
                         "Proszę poprawić różnicę i spróbować ponownie.");
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
}

TEST_F(RefusedConversion, SpellingDifferencesAreShownAndOnlyYesConvertsByPosition) {
    WriteOld(OldFileLines(rade1, k2001Line,
                          {{1, {"9H1/SMO", "02.03.98", "", "|1A0  |S.M.O. Malta            |"}},
                           {3, {"SP9XYZ", "17.05.2003", "", "|3B6  |Agalega & St Brandon    |"}}}));
    std::string old = dir.Read("old.txt");
    MessageBox question{"Plik " + OldPath() +
                            "\nzapisano według listy podmiotów z dnia 10.11.2001.\n"
                            "Nazwy lub prefiksy niektórych podmiotów różnią się\n"
                            "od listy programu (w pliku | na liście):\n\n"
                            "[1]  1A0 S.M.O. Malta  |  1A0 SMO Malta\n"
                            "[3]  3B6 Agalega & St Brandon  |  3B6,7 Agalega & St Brandon\n\n"
                            "Podmiot każdej z tych linii wynika z jej pozycji w pliku.\n"
                            "Czy przekonwertować plik według pozycji linii?",
                        "Ostrzeżenie", Icon::Warning, Buttons::YesNo, Answer::No};
    prompter.ExpectBox(question, Answer::No);
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
    prompter.ExpectBox(question, Answer::Yes);
    ASSERT_TRUE(Convert());
    EXPECT_EQ(NewLines()[7].substr(37, 26), "SP9XYZ         |2003-05-17");
}

TEST_F(ConvertTest, UnconfirmedLineWithADifferentNameIsAccepted) {
    WriteOld(
        OldFileLines(rade1, k2001Line, {{3, {"", "", "", "|3B6,7|Agalega & St Brandom    |"}}}));
    EXPECT_TRUE(Convert());
}

TEST_F(RefusedConversion, WrongNumberOfDataLines) {
    WriteOld(OldFileLines(rade2, k2006Line, {}, 394));
    std::string old = dir.Read("old.txt");
    prompter.ExpectError(kNotOriginal +
                         "\n\nProszę o kontakt z autorem programu w celu konwersji pliku.");
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
}

TEST_F(RefusedConversion, ThirdLineWithATrailingBlankIsNotRecognised) {
    WriteOld(OldFileLines(rade1, k2001Line + " "));
    std::string old = dir.Read("old.txt");
    prompter.ExpectError(
        "Plik nie został rozpoznany jako plik zawierający dane ZORVA_Rade.\n"
        "Nie udało się go automatycznie przekonwertować do nowej wersji.\n\n"
        "Proszę o kontakt z autorem programu w celu konwersji pliku.");
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
}

TEST_F(RefusedConversion, EmptyPathAndMissingFile) {
    prompter.ExpectError("Brak pliku do konwersji!");
    EXPECT_FALSE(ConvertOldStationFile("", Template(), prompter, clock));
    prompter.ExpectError("Plik \"" + OldPath() + "\" nie został znaleziony lub jest otwarty!");
    EXPECT_FALSE(Convert());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(RefusedConversion, EmptyTemplateWouldLeaveOnlyTheHeader) {
    WriteOld(OldFileLines(rade1, k2001Line));
    std::string old = dir.Read("old.txt");
    dir.Write("dxcc_adif_backup.kvt", CrLf({"  4| |3B6  |Agalega"}));
    std::string templatePath = dir.File("dxcc_adif_backup.kvt");
    prompter
        .ExpectError(
            "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n  4| |3B6  |Agalega\n\n"
            "Popraw tą linię w pliku i spróbuj ponownie.")
        .ExpectError("Plik wzorcowy \"" + templatePath + "\" nie zawiera żadnego podmiotu.\nPlik " +
                     OldPath() + " nie został przekonwertowany.");
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
}

TEST_F(RefusedConversion, TemplateReadOnlyInPartWouldLoseTheEntitiesAfterItsFaultyLine) {
    WriteOld(OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.2003"}}}));
    std::string old = dir.Read("old.txt");
    dir.Write("dxcc_adif_backup.kvt", CrLf({"  4| |3B6  |Agalega & St. Brandon   |", "12"}));
    prompter
        .ExpectError(
            "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n12\n\nPopraw tą linię w pliku i spróbuj "
            "ponownie.")
        .ExpectError("Plik wzorcowy \"" + dir.File("dxcc_adif_backup.kvt") +
                     "\" nie został wczytany w całości.\nPlik " + OldPath() +
                     " nie został przekonwertowany.");
    EXPECT_FALSE(Convert());
    ExpectUntouched(old);
}

TEST_F(RefusedConversion, BackupThatCannotBeMadeStopsBeforeWriting) {
    WriteOld(OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.2003"}}}));
    std::string old = dir.Read("old.txt");
    ConversionTemplate entities = Template();
    fault_injection::FailNth(FileOp::Rename, 1);  // the backup's own rename into place
    prompter.ExpectError("Nie można zapisać pliku " + OldPath() + "~:\n" + std::strerror(EIO) +
                         "\n\nNie udało się zachować kopii pliku pod nazwą " + OldPath() +
                         "~.\nPlik nie został przekonwertowany.");
    EXPECT_FALSE(ConvertOldStationFile(OldPath(), entities, prompter, clock));
    ExpectUntouched(old);
}

TEST_F(ConvertTest, FailedWriteKeepsTheOldContent) {
    WriteOld(OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.2003"}}}));
    std::string old = dir.Read("old.txt");
    ConversionTemplate entities = Template();
    fault_injection::FailNth(FileOp::Write, 2);  // the first write is the backup's
    prompter.ExpectError("Błąd zapisu pliku " + OldPath() + ":\n" + std::strerror(EIO) +
                         "\n\nPlik nie został przekonwertowany; "
                         "jego dotychczasowa zawartość pozostała bez zmian.");
    EXPECT_FALSE(ConvertOldStationFile(OldPath(), entities, prompter, clock));
    EXPECT_EQ(dir.Read("old.txt"), old);
    EXPECT_EQ(dir.Read("old.txt~"), old);
    EXPECT_TRUE(prompter.Done());
}

// --- the station's hook ---

TEST_F(ConvertTest, StationHookClearsOrSetsConversionFailed) {
    Station station(prompter, clock, dir.Path());
    station.Document().SetFileName(OldPath());
    WriteOld(OldFileLines(rade1, k2001Line));
    station.conversionFailed = true;
    ConvertOldFile(station);
    EXPECT_FALSE(station.conversionFailed);
    EXPECT_EQ(NewLines()[0], kHeaderLine1);

    std::remove(dir.File("dxcc_adif_backup.kvt").c_str());
    std::string templatePath = dir.File("dxcc_adif_backup.kvt");
    prompter.ExpectError("Plik wzorcowy \"" + templatePath + "\" nie został znaleziony!\n" +
                         "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.");
    prompter.ExpectError("Plik wzorcowy \"" + templatePath +
                         "\" nie zawiera żadnego podmiotu.\nPlik " + OldPath() +
                         " nie został przekonwertowany.");
    ConvertOldFile(station);
    EXPECT_TRUE(station.conversionFailed);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ConvertTest, StationLoadsTheConvertedFileAfterYes) {
    const std::string reference = CrLf({
        "246| |1A0  |Military Order of Malta |",
        "247| |1S   |Spratly Is.             |",
        "  4| |3B6  |Agalega & St. Brandon   |",
        "  1| |VE   |Canada                  |",
    });
    dir.Write("dxcc_adif.kvt", reference);
    dir.Write("dxcc_adif_backup.kvt", reference);
    WriteOld(OldFileLines(rade1, k2001Line, {{3, {"SP9XYZ", "17.05.2003", "20.01.2004"}}}));
    Station station(prompter, clock, dir.Path());
    station.convertOldFile = ConvertOldFile;
    station.SetCurrentFileName(OldPath());
    prompter.ExpectBox({"Plik " + OldPath() + "\npochodzi z poprzedniej wersji programu.\n" +
                            "Czy przekonwertować plik do nowej wersji?",
                        "Ostrzeżenie",
                        Icon::Warning,
                        Buttons::YesNo,
                        {}},
                       Answer::Yes);
    station.LoadStationFile();
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(station.conversionFailed);
    EXPECT_EQ(station.Document().Call(), "SP9ABC");
    ASSERT_EQ(station.Document().Table().Count(), 4);
    const EntityRow& agalega =
        station.Document().Table().Row(station.Document().Table().FindAdif("  4"));
    EXPECT_EQ(agalega.call, "SP9XYZ");
    EXPECT_EQ(agalega.qsoDate, "2003-05-17");
    EXPECT_EQ(agalega.confirmation, "QSL");
    EXPECT_EQ(agalega.verifiedDate, "2004-01-20");
}

// --- the template ---

TEST_F(ConvertTest, TemplateRowsKeepTheAdifAsWrittenAndTrimTheRest) {
    ConversionTemplate entities = Template();
    EXPECT_EQ(entities.path, dir.File("dxcc_adif_backup.kvt"));
    EXPECT_TRUE(entities.readWhole);
    ASSERT_EQ(entities.rows.size(), 5u);
    EntityRow malta = entities.rows[3];
    EXPECT_EQ(malta.adif, "246");
    EXPECT_EQ(malta.deleted, "D");
    EXPECT_EQ(malta.prefix, "1A0");
    EXPECT_EQ(malta.name, "Malta (old)");
    EXPECT_EQ(entities.rows[0].adif, "  4");
    EXPECT_EQ(entities.rows[0].deleted, "");
    EXPECT_TRUE(entities.rows[0].call.empty());
}

TEST_F(ConvertTest, FaultyTemplateLineKeepsTheRowsBeforeIt) {
    dir.Write("dxcc_adif_backup.kvt",
              CrLf({"  4| |3B6  |Agalega & St. Brandon   |", "247| |1S   |Spratly Is.",
                    "  1| |VE   |Canada                  |"}));
    prompter.ExpectError(
        "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n247| |1S   |Spratly Is.\n\n"
        "Popraw tą linię w pliku i spróbuj ponownie.");
    ConversionTemplate entities = Template();
    ASSERT_EQ(entities.rows.size(), 1u);
    EXPECT_EQ(entities.rows[0].adif, "  4");
    EXPECT_FALSE(entities.readWhole);
}

}  // namespace
}  // namespace zorva
