// A program killed at any moment of a save leaves the station file whole: the
// old version or the new one, never a mix or a part.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "document_rows.h"
#include "load_fixture.h"
#include "text/columns.h"

namespace zorva::station_files_test {
namespace {

// About 400 kB a version, so a kill often lands inside the writing.
std::vector<EntityRow> LargeTable(const std::string& call) {
    std::vector<EntityRow> rows;
    for (int i = 0; i < 5000; ++i)
        rows.push_back(Row(PadLeft(std::to_string(i % 1000), 3), "", "P" + std::to_string(i % 97),
                           "Podmiot numer " + std::to_string(i), call, "2024-01-05", "QSL", ""));
    return rows;
}

// The child saves the two versions in turn until it is killed, telling each finished save.
[[noreturn]] void SaveForever(const std::string& programDir, const std::string& path,
                              const std::vector<EntityRow>& first,
                              const std::vector<EntityRow>& second, int savedPipe) {
    testing::FixedClock clock;
    ScriptedPrompter prompter;
    Station station(prompter, clock, programDir);
    for (bool useFirst = true;; useFirst = !useFirst) {
        {
            EditedRows rows(station.Document());
            rows->ResetToPlaceholder();
            for (const auto& row : useFirst ? first : second) rows->Append(row);
        }
        if (!station.WriteStationFile(path, false)) _exit(2);
        if (write(savedPipe, "s", 1) != 1) _exit(3);
    }
}

// Saves the child reported before it died; each report follows a save that is on the disk.
int ReportedSaves(int savedPipe) {
    char buffer[64];
    int count = 0;
    for (ssize_t n; (n = read(savedPipe, buffer, sizeof buffer)) > 0;) count += static_cast<int>(n);
    return count;
}

// Whatever the timing, the file is the last reported version or the one being saved after it.
TEST(CrashDuringSave, KilledSaveLeavesTheOldOrTheNewFile) {
    TempDir dir;
    const auto first = LargeTable("SP5ABC");
    const auto second = LargeTable("DL1XYZ");
    const std::string initial = StationBytes("SP5ABC", {SmallStation()[0]});
    const std::string firstBytes = StationBytes("", first);
    const std::string secondBytes = StationBytes("", second);
    const auto version = [&](int saves) {
        return saves == 0 ? initial : saves % 2 ? firstBytes : secondBytes;
    };

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMicros(0, 40000);
    for (int kill = 0; kill < 15; ++kill) {
        dir.Write("s.txt", initial);
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(saved[0]);
            SaveForever(dir.Path(), dir.File("s.txt"), first, second, saved[1]);
        }
        close(saved[1]);
        // Some kills wait for one or two finished saves first, so they land in a later one.
        char done;
        for (int wait = 0; wait < kill % 3; ++wait) ASSERT_EQ(read(saved[0], &done, 1), 1);
        usleep(static_cast<useconds_t>(delayMicros(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const int saves = kill % 3 + ReportedSaves(saved[0]);
        close(saved[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";

        const std::string bytes = dir.Read("s.txt");
        ASSERT_TRUE(bytes == version(saves) || bytes == version(saves + 1))
            << "after kill " << kill << " and " << saves << " saves the file holds " << bytes.size()
            << " bytes";
        if (bytes != initial) {
            EXPECT_FALSE(ParseStationFile(bytes).badLine);
        }
    }
}

}  // namespace
}  // namespace zorva::station_files_test
