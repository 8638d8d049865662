// An import series with a failure at each file operation: the error file of the
// series and the extract are each either their old or their whole new version,
// and every failure is shown with its reason.
#include <gtest/gtest.h>

#include "document_rows.h"
#include "fault_sweep.h"
#include "import_fixture.h"

namespace zorva::testing {
namespace {

struct Outcome {
    FileSet before, after;
    RecordingPrompter prompter;
    bool opened = false;
    RunEnd end = RunEnd::Refused;
    std::vector<EntityRow> rows;
    bool modified = false;
    OpCounts counts{};
    std::string errorsMessage;
};

const std::vector<EntityRow> kStation = {Entity("  1", "VE"), Entity("230", "DL"),
                                         Confirmed(Entity("291", "K"), "W1AW", "QSL")};

// A log with a QSL for DL, a LoTW for K and a record of an unknown entity.
const std::string kLog = kHeader + Qso("DL1ABC", "230", "Y", "N") + Qso("W1X", "291", "N", "Y") +
                         Qso("ZZ9Z", "999", "Y", "Y");

// The series writes bledy_dxcc.txt beside the program and log_qsl.adi beside the log; both
// hold what an earlier series left.
Outcome RunSeries(const FaultPoint& fault) {
    TempDir dir;
    dir.Write("log.adi", kLog);
    dir.Write(kImportErrorFileName, "earlier errors\r\n");
    dir.Write("log_qsl.adi", "earlier extract\r\n");
    Outcome out;
    out.errorsMessage = ImportDoneWithErrorsMessage(dir.Path());
    out.prompter.questions = Answer::No;  // no further file
    FixedClock clock;
    Station station(out.prompter, clock, dir.Path());
    for (const auto& row : kStation) RowsOf(station.Document())->Append(row);
    SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    AdifImport import(station);
    out.before = FilesIn(dir.Path());
    out.counts = RunWithFault(fault, [&] {
        out.opened = import.BeginSeries();
        if (!out.opened) return;
        import.controls.fileName = dir.File("log.adi");
        import.SetExtractQsl(true);
        out.end = import.Import();
    });
    out.after = FilesIn(dir.Path());
    out.rows = station.Document().Table().Rows();
    out.modified = station.Document().IsModified();
    return out;
}

// A series starts its error file afresh with the title alone, a whole version of its own.
const FileSet kSeriesStarted = {
    {kImportErrorFileName, *EncodeCp1250(kImportErrorFileTitle) + "\r\n"}};

TEST(ImportFaults, ErrorFileAndExtractAreOldOrNewAndFailuresAreShown) {
    const Outcome clean = RunSeries({});
    ASSERT_EQ(clean.end, RunEnd::Finished);
    ASSERT_TRUE(clean.prompter.Errors().empty());
    ASSERT_NE(FileOf(clean.after, kImportErrorFileName),
              FileOf(clean.before, kImportErrorFileName));
    ASSERT_NE(FileOf(clean.after, "log_qsl.adi"), FileOf(clean.before, "log_qsl.adi"));
    const auto points = FaultPointsOf(clean.counts);
    ASSERT_GE(points.size(), 12u);  // three files, each opened, written, flushed and renamed
    for (const FaultPoint& point : points) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunSeries(point);
        EXPECT_TRUE(OldOrNew(faulty.before, clean.after, faulty.after, kSeriesStarted));
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(IoReason()));
        EXPECT_FALSE(faulty.prompter.Showed(kImportDone));
        EXPECT_FALSE(faulty.prompter.Showed(faulty.errorsMessage));
        EXPECT_NE(faulty.end, RunEnd::Finished);
        if (!faulty.opened) {
            EXPECT_EQ(faulty.rows, kStation);
        }
        // Rows filled before a failure stay filled, and so marked for saving.
        EXPECT_EQ(faulty.modified, faulty.rows != kStation);
    }
}

}  // namespace
}  // namespace zorva::testing
