// Saving a change of the entity database with a failure at each file operation:
// the reference file and its one backup are each old or new, the open station is
// changed only with the file, and every failure is shown with its reason.
#include <gtest/gtest.h>

#include "document_rows.h"
#include "editor/entity_editor.h"
#include "fault_sweep.h"
#include "io/text_file.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva::testing {
namespace {

const std::vector<std::string> kReference = {"246| |1A0  |Military Order of Malta |",
                                             "230| |DL   |Germany                 |",
                                             "  1| |VE   |Canada                  |"};

struct Outcome {
    FileSet before, after;
    RecordingPrompter prompter;
    bool saved = false;
    std::vector<EntityRow> rows;
    bool modified = false;
    OpCounts counts{};
};

std::vector<EntityRow> StationRows() {
    return {testing::Row("246", "", "1A0", "Military Order of Malta"),
            testing::Row("230", "", "DL", "Germany", "DL1ABC", "2021-03-04", "LoTW"),
            testing::Row("  1", "", "VE", "Canada")};
}

// Renames Germany; with `earlierBackup` a backup of an earlier change is beside the file.
Outcome RunRename(bool earlierBackup, const FaultPoint& fault) {
    TempDir dir;
    dir.Write("dxcc_adif.kvt", EncodeLines(kReference).bytes);
    if (earlierBackup) dir.Write("dxcc_adif.kvt~", "earlier backup\r\n");
    Outcome out;
    FixedClock clock;
    Station station(out.prompter, clock, dir.Path());
    for (const auto& row : StationRows()) RowsOf(station.Document())->Append(row);
    EntityEditor editor(station);
    out.before = FilesIn(dir.Path());
    out.counts = RunWithFault(fault, [&] {
        if (!editor.Open()) return;
        editor.SelectLine(1);
        editor.TypeName("Niemcy");
        out.saved = editor.Save();
    });
    out.after = FilesIn(dir.Path());
    out.rows = station.Document().Table().Rows();
    out.modified = station.Document().IsModified();
    return out;
}

void SweepRename(bool earlierBackup) {
    SCOPED_TRACE(earlierBackup ? "with an earlier backup" : "without a backup");
    const Outcome clean = RunRename(earlierBackup, {});
    ASSERT_TRUE(clean.saved);
    ASSERT_TRUE(clean.prompter.Errors().empty());
    ASSERT_EQ(clean.rows[1].name, "Niemcy");
    ASSERT_EQ(FileOf(clean.after, "dxcc_adif.kvt~"), FileOf(clean.before, "dxcc_adif.kvt"));
    for (const FaultPoint& point : FaultPointsOf(clean.counts)) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunRename(earlierBackup, point);
        if (faulty.prompter.Errors().empty()) {
            EXPECT_EQ(faulty.after, clean.after);
            EXPECT_TRUE(faulty.saved);
            continue;
        }
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(IoReason()));
        EXPECT_FALSE(faulty.saved);
        // Neither the reference file nor the earlier backup may change without the other.
        EXPECT_EQ(faulty.after, faulty.before);
        EXPECT_EQ(faulty.rows, StationRows());
        EXPECT_FALSE(faulty.modified);
    }
}

TEST(EditorFaults, FailedRewriteLeavesFileBackupAndStationAsTheyWere) {
    SweepRename(true);
    SweepRename(false);
}

}  // namespace
}  // namespace zorva::testing
