// Loading a station file of every entity and reconciling it with the entity
// list, as start-up and "Otwórz" do.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "files/reference_file.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "ports/clock.h"
#include "ports/prompter.h"
#include "station/station.h"

namespace {

using namespace zorva;

// Any question would mean the files differ; the benchmark counts them.
class CountingPrompter : public Prompter {
  public:
    int boxes = 0;
    Answer Show(const MessageBox&) override {
        ++boxes;
        return Answer::No;
    }
    std::optional<std::string> Input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const FileChoice&) override { return std::nullopt; }
};

// The shipped entity list lies beside the executables.
std::string ExecutableDir() {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./";
    return DirectoryOf(std::string(path, static_cast<size_t>(n)));
}

// A program folder with the entity list and a station that has confirmed a third of it.
struct ProgramFolder {
    std::string dir;
    std::string stationFile;

    ProgramFolder() {
        char pattern[] = "/tmp/zorva_load_bench.XXXXXX";
        dir = ::mkdtemp(pattern);
        const std::string reference = JoinPath(ExecutableDir(), kReferenceFileName);
        CopyFile(reference, JoinPath(dir, kReferenceFileName));
        std::vector<std::string> lines = StationHeaderLines("SP5ABC", "08.12.2026");
        int i = 0;
        for (const auto& line : ReadReferenceList(reference).lines) {
            EntityRow row = ParseReferenceLine(line);
            if (++i % 3 == 0) {
                row.call = "DL" + std::to_string(i) + "ABC";
                row.qsoDate = "2020-01-15";
                row.confirmation = i % 2 ? "QSL" : "LoTW";
                if (i % 4 == 0) row.verifiedDate = "2024-03-01";
            }
            lines.push_back(FormatStationLine(row));
        }
        stationFile = JoinPath(dir, "sp5abc.txt");
        WriteTextLines(stationFile, lines);
    }
    ~ProgramFolder() {
        RemoveFile(stationFile);
        RemoveFile(JoinPath(dir, kReferenceFileName));
        ::rmdir(dir.c_str());
    }
};

void BM_LoadAndReconcileAllEntities(benchmark::State& state) {
    ProgramFolder folder;
    CountingPrompter prompter;
    SystemClock clock;
    for (auto _ : state) {
        Station station(prompter, clock, folder.dir);
        station.SetCurrentFileName(folder.stationFile);
        station.LoadStationFile();
        benchmark::DoNotOptimize(station.Document().Table().Count());
        if (station.Document().Table().Count() != 402 || prompter.boxes != 0) {
            state.SkipWithError("the station did not load cleanly");
            break;
        }
    }
}
BENCHMARK(BM_LoadAndReconcileAllEntities)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
