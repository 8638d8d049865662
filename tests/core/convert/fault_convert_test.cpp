// Converting an old station file with a failure at each file operation: the old
// file stays in place until its whole new version replaces it, the failure is
// shown with its reason and the load is not retried.
#include <gtest/gtest.h>

#include "convert/convert.h"
#include "convert/old_entity_lists.h"
#include "fault_sweep.h"
#include "old_file_fixture.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"

namespace zorva::testing {
namespace {

const std::string kTemplate =
    CrLf({"  4| |3B6  |Agalega & St. Brandon   |", "246| |1A0  |Military Order of Malta |",
          "  1| |VE   |Canada                  |"});

struct Outcome {
    FileSet before, after;
    RecordingPrompter prompter;
    bool failed = false;
    OpCounts counts{};
};

Outcome RunConversion(bool earlierBackup, const FaultPoint& fault) {
    TempDir dir;
    dir.Write("dxcc_adif_backup.kvt", kTemplate);
    std::string old;
    for (const auto& line : OldFileLines(rade1, k2001Line, {{0, {"DU1/SP9ABC", "", "2004-01-20"}}}))
        old += line + "\r\n";
    dir.Write("old.txt", old);
    if (earlierBackup) dir.Write("old.txt~", "earlier backup\r\n");
    Outcome out;
    FixedClock clock;
    Station station(out.prompter, clock, dir.Path());
    station.SetCurrentFileName(dir.File("old.txt"));
    out.before = FilesIn(dir.Path());
    out.counts = RunWithFault(fault, [&] { Station::ConversionHook(ConvertOldFile)(station); });
    out.failed = station.conversionFailed;
    out.after = FilesIn(dir.Path());
    return out;
}

void SweepConversion(bool earlierBackup) {
    SCOPED_TRACE(earlierBackup ? "with an earlier backup" : "without a backup");
    const Outcome clean = RunConversion(earlierBackup, {});
    ASSERT_FALSE(clean.failed);
    ASSERT_TRUE(clean.prompter.Errors().empty());
    ASSERT_EQ(FileOf(clean.after, "old.txt~"), FileOf(clean.before, "old.txt"));
    ASSERT_NE(FileOf(clean.after, "old.txt"), FileOf(clean.before, "old.txt"));
    for (const FaultPoint& point : FaultPointsOf(clean.counts)) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunConversion(earlierBackup, point);
        EXPECT_TRUE(OldOrNew(faulty.before, clean.after, faulty.after));
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(IoReason()));
        EXPECT_TRUE(faulty.failed);
        EXPECT_EQ(FileOf(faulty.after, "old.txt"), FileOf(faulty.before, "old.txt"));
    }
}

TEST(ConvertFaults, OldFileStaysUntilItsWholeNewVersionReplacesIt) {
    SweepConversion(false);
    SweepConversion(true);
}

}  // namespace
}  // namespace zorva::testing
