#include "adif/adif_reader.h"
#include "document_rows.h"
#include "import_fixture.h"
#include "io/fault_injection.h"

namespace zorva::testing {
namespace {

using ImportSeries = ImportTest;

const std::string kExtractHead =
    "ADIF file created by ZORVA-Rade\r\nAutor: zespol programu ZORVA-Rade\r\n<EOH>\r\n";

TEST_F(ImportSeries, BeginCreatesErrorFileAnewWithItsTitle) {
    dir.Write("bledy_dxcc.txt", "old errors\r\n");
    BeginSeries();
    EXPECT_EQ(ErrorFile(), ErrorTitle());
}

TEST_F(ImportSeries, EmptyTableRunsNowyAndCancellingItKeepsTheWindowClosed) {
    RowsOf(station.Document())->Clear();
    prompter.ExpectInput("Identyfikacja stacji", "Podaj swój znak:", "", std::nullopt);
    EXPECT_FALSE(import.BeginSeries());
    EXPECT_FALSE(dir.Exists("bledy_dxcc.txt"));
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ImportSeries, RunRefusesEmptyNameAndMissingFile) {
    BeginSeries();
    prompter.ExpectError("Wybierz plik z danymi!");
    EXPECT_EQ(import.Import(), RunEnd::Refused);
    import.controls.fileName = dir.File("brak.adi");
    prompter.ExpectError("Plik \"" + dir.File("brak.adi") + "\" nie został znaleziony!");
    EXPECT_EQ(import.Import(), RunEnd::Refused);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ImportSeries, TwoFilesYesThenNo) {
    BeginSeries();
    import.SetExtractLotw(true);
    EXPECT_EQ(Run("a.adi", kHeader + Qso("VE1A", "1", "Y", "N") + Qso("K1A", "999", "Y", "N"),
                  Answer::Yes),
              RunEnd::NextFile);
    // Nothing of the series' end yet: no recount, no extract.
    EXPECT_EQ(station.Document().Counts().qslCount, 0);
    EXPECT_FALSE(dir.Exists("a_lotw.adi"));
    import.controls.source = ImportSource::Lotw;
    station.View().viewMode = ViewMode::Verified;
    EXPECT_EQ(Run("b.adi", kHeader + Record("<call:4>dl1a<QSL_RCVD:1>Y<DXCC:3>230"), Answer::No),
              RunEnd::Finished);
    EXPECT_EQ(Row(1).confirmation, "QSL");
    EXPECT_EQ(Row(3).confirmation, "LoTW");
    EXPECT_EQ(station.View().texts.counterPanels[3], "QSL/LoTW:  1/1");
    EXPECT_EQ(station.View().viewMode, ViewMode::AllEntities);
    EXPECT_EQ(station.View().grid.DataRowCount(), 6);
    // The error of the first file stays in the file, but only the last run chooses the message.
    EXPECT_EQ(ErrorFile(), ErrorTitle() +
                               "<call:3>k1a<qso_date:8>20240105<qsl_rcvd:1>y"
                               "<lotw_qsl_rcvd:1>n<dxcc:3>999<eor>\r\n");
    EXPECT_EQ(dir.Read("b_lotw.adi"),
              kExtractHead + "<call:4>dl1a<QSL_RCVD:1>Y<DXCC:3>230<EOR>\r\n");
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ImportSeries, FinalMessageNamesErrorsOfThisRun) {
    BeginSeries();
    EXPECT_EQ(Run("a.adi", Qso("K1A", "0", "Y", "N"), Answer::No, true), RunEnd::Finished);
}

TEST_F(ImportSeries, ExtractHoldsRecordsAsReadAndEmptyLinesForEarlierRows) {
    RowsOf(station.Document())->Row(1) = Confirmed(Row(1), "VE1OLD", "QSL");
    RowsOf(station.Document())->Row(4) = Confirmed(Row(4), "SP1OLD", "QSL");
    const std::string multiLine = "<Call:3>K1a\r\n<QSL_RCVD:1>Y\r\n<DXCC:3>291\r\n<eor>";
    for (bool includeDeleted : {false, true}) {
        SCOPED_TRACE(includeDeleted);
        RowsOf(station.Document())->Row(5) = Entity("291", "K");
        import.SetExtractQsl(true);
        import.controls.includeDeleted = includeDeleted;
        ImportOne(kHeader + multiLine + "\r\n");
        EXPECT_EQ(dir.Read("log_qsl.adi"),
                  kExtractHead + "\r\n" + (includeDeleted ? "\r\n" : "") + multiLine + "\r\n");
    }
}

// Every field of every record read back from the extract as from the source.
std::vector<std::vector<std::optional<std::string>>> FieldsOf(const std::string& bytes) {
    const std::vector<std::string> names = {"CALL", "NOTES", "QSL_RCVD", "DXCC", "QSO_DATE"};
    MemoryByteSource source(bytes);
    AdifReader reader(source, names);
    std::vector<std::vector<std::optional<std::string>>> records;
    while (reader.Next()) {
        records.emplace_back();
        for (size_t i = 0; i < names.size(); ++i) {
            const auto value = reader.Field(i);
            records.back().push_back(value ? std::optional<std::string>(*value) : std::nullopt);
        }
    }
    return records;
}

TEST_F(ImportSeries, ExtractReadsBackAsTheSourceRecordsWithMultiLineValues) {
    const std::string records =
        "<CALL:4>VE1A<NOTES:20>first line\r\nsecond\r\n<QSL_RCVD:1>Y<DXCC:1>1<EOR>\r\n"
        "<CALL:3>K1A\r\n<NOTES:9>a\nb<EOR>\nc<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291";
    import.SetExtractQsl(true);
    ImportOne(kHeader + records);
    EXPECT_EQ(FieldsOf(dir.Read("log_qsl.adi")), FieldsOf(records));
    EXPECT_EQ(FieldsOf(records).size(), 2u);
}

TEST_F(ImportSeries, ExtractIsNamedAfterInputWithoutItsExtension) {
    import.SetExtractQsl(true);
    BeginSeries();
    EXPECT_EQ(Run("log.adif", Qso("K1A", "291", "Y", "N")), RunEnd::Finished);
    EXPECT_TRUE(dir.Exists("log_qsl.adi"));
    EXPECT_FALSE(dir.Exists("log._qsl.adi"));
}

TEST_F(ImportSeries, ExtractCheckBoxesExcludeEachOther) {
    import.SetExtractQsl(true);
    import.SetExtractLotw(true);
    EXPECT_FALSE(import.controls.extractQsl);
    import.SetExtractQsl(true);
    EXPECT_FALSE(import.controls.extractLotw);
    import.SetExtractLotw(false);
    EXPECT_TRUE(import.controls.extractQsl);
}

TEST_F(ImportSeries, ChooseAndInfoUseTheirBoxes) {
    prompter.ExpectOpenFile({"Pliki ADIF |*.ADI|Wszystkie pliki|*.*", "", ""}, "/x/log.adi");
    import.ChooseFile();
    EXPECT_EQ(import.controls.fileName, "/x/log.adi");
    prompter.ExpectOpenFile({"Pliki ADIF |*.ADI|Wszystkie pliki|*.*", "", ""}, std::nullopt);
    import.ChooseFile();
    EXPECT_EQ(import.controls.fileName, "/x/log.adi");
    const std::string info = ImportInfoText();
    EXPECT_NE(info.find("z danego podmiotu.Nie będą to dane"), std::string::npos);
    EXPECT_NE(info.find("daty QSO.\nNatomiast"), std::string::npos);
    prompter.ExpectBox({info, "Informacja", Icon::Information, Buttons::Ok, {}});
    import.ShowInfo();
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ImportSeries, ProgressFollowsBytesReadToTheEnd) {
    BeginSeries();
    std::string log = kHeader;
    for (int i = 0; i < 2000; ++i) log += Qso("K1A", "291", "N", "N");
    std::vector<std::pair<uint64_t, uint64_t>> seen;
    dir.Write("log.adi", log);
    import.controls.fileName = dir.File("log.adi");
    prompter.ExpectBox({kImportContinueQuestion, "Kontynuacja importu", Icon::Question,
                        Buttons::YesNo, Answer::No},
                       Answer::Yes);
    import.Import([&](uint64_t read, uint64_t total) {
        EXPECT_TRUE(import.progressVisible);
    seen.emplace_back(read, total);
});
ASSERT_GE(seen.size(), 2u);
EXPECT_EQ(seen.front().first, 0u);
EXPECT_EQ(seen.back(), std::make_pair(uint64_t{log.size()}, uint64_t{log.size()}));
EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
EXPECT_FALSE(import.progressVisible);
}  // namespace

TEST_F(ImportSeries, FailedErrorFileWriteStopsRunAndKeepsFileWhole) {
    BeginSeries();
    dir.Write("log.adi", Qso("VE1A", "1", "Y", "N") + Qso("K1A", "0", "Y", "N"));
    import.controls.fileName = dir.File("log.adi");
    fault_injection::FailNth(FileOp::Flush, 1);
    prompter.ExpectBox(
        {"Błąd zapisu na dysk pliku " + dir.File("bledy_dxcc.txt") + ":\nInput/output error",
         "Błąd",
         Icon::Error,
         Buttons::Ok,
         {}});
    EXPECT_EQ(import.Import(), RunEnd::Failed);
    fault_injection::Disarm();
    EXPECT_EQ(Row(1).call, "VE1A");
    EXPECT_EQ(ErrorFile(), ErrorTitle());
    EXPECT_TRUE(prompter.Done());
}

}  // namespace zorva::testing
}  // namespace zorva::testing
