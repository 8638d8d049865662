// "Zapisz", "Zapisz jako.." and closing with a failure at each file operation:
// the reason is shown, the data stay marked modified and every file on disk is
// either its old or its whole new version.
#include "document_rows.h"
#include "fault_sweep.h"
#include "load_fixture.h"

namespace zorva::station_files_test {
namespace {

using testing::FaultPoint;
using testing::FileOf;
using testing::FileSet;
using testing::FilesIn;
using testing::IoReason;
using testing::OldOrNew;
using testing::RecordingPrompter;
using testing::RunWithFault;

struct Outcome {
    FileSet before, after;
    RecordingPrompter prompter;
    bool result = false;
    bool modified = false;
    std::string currentFileName;
    testing::OpCounts counts{};
};

enum class Command { Save, SaveAsNewName, SaveAsReplacing, CloseAndSave, CloseUnmodified };

// A station opened from sp5abc.txt, changed since; another station file beside it.
Outcome RunCommand(Command command, const FaultPoint& fault) {
    TempDir dir;
    dir.Write("dxcc_adif.kvt", Encoded(SmallReference()));
    dir.Write("sp5abc.txt", StationBytes("SP5ABC", {SmallStation()[2]}));
    dir.Write("inny.txt", StationBytes("SP9XYZ", SmallStation()));
    dir.Write("zorva_rade.ini", "[Konfiguracja]\r\nZnak=SP9XYZ\r\n");
    Outcome out;
    FixedClock clock;
    Station station(out.prompter, clock, dir.Path());
    for (const auto& row : SmallStation()) RowsOf(station.Document())->Append(row);
    station.Document().SetCall("SP5ABC");
    station.SetCurrentFileName(dir.File("sp5abc.txt"));
    station.MarkModified();
    out.before = FilesIn(dir.Path());
    out.counts = RunWithFault(fault, [&] {
        switch (command) {
            case Command::Save:
                out.result = station.Save();
                break;
            case Command::SaveAsNewName:
                out.prompter.savePaths.push_back(dir.File("nowy"));
                out.result = station.SaveAs();
                break;
            case Command::SaveAsReplacing:
                out.prompter.savePaths.push_back(dir.File("inny.txt"));
                out.result = station.SaveAs();
                break;
            case Command::CloseAndSave:
                out.result = station.MayClose(700, 500);
                break;
            case Command::CloseUnmodified:
                station.ClearModified();
                out.result = station.MayClose(700, 500);
                break;
        }
    });
    out.after = FilesIn(dir.Path());
    out.modified = station.Document().IsModified();
    out.currentFileName = FileNameOf(station.Document().FileName());
    return out;
}

void SweepCommand(Command command, const std::string& savedName) {
    const Outcome clean = RunCommand(command, {});
    ASSERT_TRUE(clean.result);
    ASSERT_TRUE(clean.prompter.Errors().empty());
    ASSERT_EQ(clean.currentFileName, savedName);
    ASSERT_NE(FileOf(clean.after, savedName), FileOf(clean.before, savedName));
    const auto points = testing::FaultPointsOf(clean.counts);
    ASSERT_GE(points.size(), 4u);
    for (const FaultPoint& point : points) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunCommand(command, point);
        EXPECT_TRUE(OldOrNew(faulty.before, clean.after, faulty.after));
        if (faulty.prompter.Errors().empty()) {
            // A failure the command could do without must not change what it did.
            EXPECT_EQ(faulty.after, clean.after);
            EXPECT_EQ(faulty.result, clean.result);
            continue;
        }
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(IoReason()));
        // A failure after the station file was written (the settings at closing) leaves it saved.
        if (FileOf(faulty.after, savedName) == FileOf(clean.after, savedName)) continue;
        EXPECT_FALSE(faulty.result);
        EXPECT_TRUE(faulty.modified);
        EXPECT_FALSE(faulty.prompter.Showed(kSaved));
        EXPECT_EQ(faulty.currentFileName, "sp5abc.txt");
    }
}

TEST(SaveFaults, SaveLeavesTheOldFileAndTheModifiedMark) {
    SweepCommand(Command::Save, "sp5abc.txt");
}

TEST(SaveFaults, SaveAsToANewNameKeepsThePreviousFileName) {
    SweepCommand(Command::SaveAsNewName, "nowy.txt");
}

TEST(SaveFaults, SaveAsOverAnotherFileLeavesThatFileWhole) {
    SweepCommand(Command::SaveAsReplacing, "inny.txt");
}

// Closing writes the settings, then saves the station on Yes; a failed save keeps the window open.
TEST(SaveFaults, CloseWithAFailedSaveStaysOpen) {
    SweepCommand(Command::CloseAndSave, "sp5abc.txt");
}

// The settings are written at every close; a failure is shown and the window still closes.
TEST(SaveFaults, SettingsAtCloseAreOldOrNewAndTheWindowCloses) {
    const Outcome clean = RunCommand(Command::CloseUnmodified, {});
    ASSERT_TRUE(clean.result);
    ASSERT_NE(FileOf(clean.after, "zorva_rade.ini"), FileOf(clean.before, "zorva_rade.ini"));
    const auto points = testing::FaultPointsOf(clean.counts);
    // The settings file only: read (for the sections it keeps), open, write, flush, rename.
    ASSERT_EQ(points.size(), 5u);
    for (const FaultPoint& point : points) {
        SCOPED_TRACE(point.Describe());
        const Outcome faulty = RunCommand(Command::CloseUnmodified, point);
        EXPECT_EQ(faulty.after, faulty.before);
        EXPECT_TRUE(faulty.prompter.ShowedErrorWithReason(IoReason()));
        EXPECT_TRUE(faulty.result);
    }
}

}  // namespace
}  // namespace zorva::station_files_test
