// The four text lists with a failure at each file operation: the reason is
// shown, no "saved" message, the open station stays as it was and the list file
// is either its old or its whole new version.
#include <gtest/gtest.h>

#include "document_rows.h"
#include "fault_sweep.h"
#include "lists/list_commands.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using testing::FaultPoint;
using testing::FileOf;
using testing::FileSet;
using testing::FilesIn;
using testing::RecordingPrompter;
using testing::RunWithFault;

enum class List { Verified, ForVerification, Qsl, Lotw };

struct Outcome {
    FileSet before, after;
    RecordingPrompter prompter;
    bool modified = false;
    testing::OpCounts counts{};
};

// The list goes to lista.txt, which holds an earlier list when `replacing`.
Outcome RunList(List list, bool replacing, const FaultPoint& fault) {
    testing::TempDir dir;
    if (replacing) dir.Write("lista.txt", "earlier list\r\n");
    Outcome out;
    testing::FixedClock clock;
    Station station(out.prompter, clock, dir.Path());
    RowsOf(station.Document())
        ->Append({"  1", "", "VE", "Canada", "VE3ABC", "2019-05-06", "QSL", "2020-01-01"});
    RowsOf(station.Document())
        ->Append({"230", "", "SP", "Polska Łódź", "SP9ABC", "2021-02-03", "LoTW", ""});
    RowsOf(station.Document())
        ->Append({" 12", "D", "T5", "Somalia", "T5X", "2020-01-02", "QSL", ""});
    SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    station.Document().SetCall("SP5ABC");
    station.SetCurrentFileName(dir.File("sp5abc.txt"));
    station.MarkModified();
    out.prompter.savePaths.push_back(dir.File("lista.txt"));
    out.prompter.inputs.push_back("SP5ABC");
    out.before = FilesIn(dir.Path());
    out.counts = RunWithFault(fault, [&] {
        switch (list) {
            case List::Verified:
                SaveVerifiedList(station.Document(), station.prompter, station.clock);
                break;
            case List::ForVerification:
                SaveVerificationList(station.Document(), station.prompter, station.clock);
                break;
            case List::Qsl:
                SaveConfirmationList(station.Document(), station.prompter, Confirmation::Qsl);
                break;
            case List::Lotw:
                SaveConfirmationList(station.Document(), station.prompter, Confirmation::Lotw);
                break;
        }
    });
    out.after = FilesIn(dir.Path());
    out.modified = station.Document().IsModified();
    return out;
}

void SweepList(List list, bool replacing) {
    SCOPED_TRACE(replacing ? "over an earlier list" : "as a new file");
    const Outcome clean = RunList(list, replacing, {});
    ASSERT_TRUE(clean.prompter.Errors().empty());
    ASSERT_TRUE(FileOf(clean.after, "lista.txt"));
    ASSERT_NE(FileOf(clean.after, "lista.txt"), FileOf(clean.before, "lista.txt"));
    const auto points = testing::FaultPointsOf(clean.counts);
    ASSERT_EQ(points.size(), 4u);
    for (const FaultPoint& point : points) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunList(list, replacing, point);
        EXPECT_EQ(faulty.after, faulty.before);
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(testing::IoReason()));
        EXPECT_FALSE(faulty.prompter.Showed("Dane zostały zapisane."));
        EXPECT_FALSE(faulty.prompter.Showed("Dane zostały zapisane!"));
        EXPECT_TRUE(faulty.modified);
    }
}

TEST(ListFaults, VerifiedList) {
    SweepList(List::Verified, false);
    SweepList(List::Verified, true);
}

TEST(ListFaults, ListForVerification) {
    SweepList(List::ForVerification, false);
    SweepList(List::ForVerification, true);
}

TEST(ListFaults, QslAndLotwLists) {
    for (List list : {List::Qsl, List::Lotw}) {
        SweepList(list, false);
        SweepList(list, true);
    }
}

}  // namespace
}  // namespace zorva
