// Filling and sorting the grid for a station of 402 entities, as every view switch,
// title click and load does.
#include <benchmark/benchmark.h>

#include <string>

#include "ports/clock.h"
#include "ports/prompter.h"
#include "station/station.h"
#include "text/columns.h"

namespace {

using namespace zorva;

class SilentPrompter : public Prompter {
  public:
    Answer Show(const MessageBox&) override { return Answer::Ok; }
    std::optional<std::string> Input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const FileChoice&) override { return std::nullopt; }
};

constexpr int kEntities = 402;
const char* const kNames[] = {"Łotwa", "Aland Islands", "Żółta Wyspa", "Sierra Leone", "Ósma Rafa",
                              "Chile", "Śląsk",         "Market Reef", "Ćwierć",       "Zanzibar"};

EntityTable MakeTable() {
    EntityTable table;
    table.ResetToPlaceholder();
    for (int i = 1; i <= kEntities; ++i) {
        EntityRow row;
        row.adif = PadLeft(std::to_string(i), 3);
        row.deleted = i % 11 == 0 ? "D" : "";
        // Prefixes neither in adif order nor unique in their first letters.
        row.prefix = std::string(1, static_cast<char>('A' + (i * 7) % 26)) + std::to_string(i % 10);
        row.name = std::string(kNames[i % 10]) + " " + std::to_string(i);
        if (i % 3 != 0) {
            row.call = "SP" + std::to_string(i % 9) + "ABC";
            row.qsoDate =
                "20" + std::to_string(10 + i % 15) + "-0" + std::to_string(1 + i % 9) + "-15";
            row.confirmation = i % 2 ? "QSL" : "LoTW";
        }
        if (i % 4 == 0 && !row.call.empty()) row.verifiedDate = "2024-03-01";
        table.Append(row);
    }
    return table;
}

struct BenchStation {
    SilentPrompter prompter;
    SystemClock clock;
    Station station{prompter, clock, "/tmp"};
    BenchStation() {
        const EntityTable table = MakeTable();
        station.Document().Restore({table, Counters::Of(table), ""});
    }
};

void BM_FillAndSortAllEntities(benchmark::State& state) {
    BenchStation s;
    s.station.View().sortColumn = static_cast<int>(state.range(0));
    for (auto _ : state) {
        s.station.ApplyView(ViewMode::AllEntities);
        benchmark::DoNotOptimize(s.station.View().grid.rows.data());
    }
    state.SetLabel("column " + std::to_string(state.range(0)));
}
BENCHMARK(BM_FillAndSortAllEntities)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

void BM_TitleClickSort(benchmark::State& state) {
    BenchStation s;
    s.station.ApplyView(ViewMode::AllEntities);
    for (auto _ : state) {
        s.station.PressGrid(GridCell::Title(3));
        benchmark::DoNotOptimize(s.station.View().grid.rows.data());
    }
}
BENCHMARK(BM_TitleClickSort)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
