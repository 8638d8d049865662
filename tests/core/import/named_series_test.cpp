#include "import/import_series.h"
#include "import_fixture.h"
#include "station/history_commands.h"

namespace zorva::testing {
namespace {

using NamedSeries = ImportTest;

const std::string kLotwHeader =
    "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<eoh>\r\n";

TEST_F(NamedSeries, EachFileIsReadAsItsHeaderSaysAndTheSeriesIsOneStep) {
    dir.Write("log.adi", kHeader + Qso("DL1A", "230", "Y", "N"));
    dir.Write("lotw.adi", kLotwHeader + Qso("K1A", "291", "Y", "N"));
    prompter.ExpectBox({kImportDone, "Komunikat", Icon::Information, Buttons::Ok, {}});
    ImportSeriesRequest request;
    request.files = {dir.File("log.adi"), dir.File("lotw.adi")};
    ASSERT_TRUE(RunImportSeries(station, request));
    EXPECT_EQ(Row(3).confirmation, "QSL");
    EXPECT_EQ(Row(5).confirmation, "LoTW");
    EXPECT_EQ(UndoItemText(station), "Cofnij: import danych");
    ASSERT_TRUE(UndoStepBack(station));
    EXPECT_EQ(Row(3).call, "");
    EXPECT_TRUE(prompter.Done());
}

TEST_F(NamedSeries, AMissingFileStopsTheSeriesBeforeTheFilesAfterIt) {
    dir.Write("log.adi", kHeader + Qso("DL1A", "230", "Y", "N"));
    prompter.ExpectError("Plik \"" + dir.File("brak.adi") + "\" nie został znaleziony!");
    ImportSeriesRequest request;
    request.files = {dir.File("brak.adi"), dir.File("log.adi")};
    EXPECT_FALSE(RunImportSeries(station, request));
    EXPECT_EQ(Row(3).call, "");
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva::testing
