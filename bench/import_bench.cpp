// Importing a 1,000,000-record log into a station of all entities, against `wc -l` on the
// same file. The log is ZORVA_BENCH_ADIF (default /tmp/zorva_bench_1m.adi), made when missing.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "adif_log_generator.h"
#include "import/adif_import.h"
#include "io/file_system.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva {
namespace {

class AnswerNo : public Prompter {
  public:
    Answer Show(const MessageBox& box) override {
        return box.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<std::string> Input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const FileChoice&) override { return std::nullopt; }
};

class NoClock : public Clock {
  public:
    CivilDate Today() const override { return {2026, 1, 1}; }
    std::string TodayShort() const override { return "01.01.2026"; }
    LocalDateTime Now() const override { return {Today(), 12, 0, 0}; }
};

std::string LogPath() {
    const char* named = std::getenv("ZORVA_BENCH_ADIF");
    std::string path = named != nullptr ? named : "/tmp/zorva_bench_1m.adi";
    if (!FileExists(path)) bench::WriteRealisticLog(path, 1000000);
    return path;
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of a few runs of `wc -l`, from the same warm page cache.
double WcSeconds(const std::string& path) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i)
        best = std::min(best, Seconds([&] {
                            [[maybe_unused]] int rc =
                                std::system(("wc -l '" + path + "' > /dev/null").c_str());
                        }));
    return best;
}

void BM_ImportMillionRecords(benchmark::State& state) {
    const std::string path = LogPath();
    const uint64_t size = std::filesystem::file_size(path);
    const double wc = WcSeconds(path);
    const std::string home = "/tmp/zorva_bench_home";
    std::filesystem::create_directories(home);
    AnswerNo prompter;
    NoClock clock;
    double best = 1e9;
    for (auto _ : state) {
        state.PauseTiming();
        Station station(prompter, clock, home);
        EntityTable table;
        for (int n = 1; n <= bench::kBenchEntityCount; ++n) {
            EntityRow row;
            row.adif = PadLeft(ToDecimal(n), 3);
            row.prefix = "P" + std::to_string(n);
            table.Append(row);
        }
        station.Document().Restore({table, Counters::Of(table), ""});
        AdifImport import(station);
        import.BeginSeries();
        import.controls.fileName = path;
        state.ResumeTiming();
        best = std::min(best, Seconds([&] { import.Import(); }));
    }
    state.SetBytesProcessed(static_cast<int64_t>(size) * state.iterations());
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["MB_per_s_best"] = static_cast<double>(size) / 1e6 / best;
    state.counters["wc_l_s"] = wc;
    state.counters["times_wc_l"] = best / wc;
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ImportMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace zorva

BENCHMARK_MAIN();
