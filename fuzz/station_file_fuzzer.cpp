// A station file of any bytes, loaded and reconciled with every answer
// pattern; a file that loads whole must save and load back to the same table.
#include <cstdio>

#include "files/station_file.h"
#include "fixtures.h"
#include "fuzz_support.h"
#include "io/file_system.h"
#include "station/station.h"

using namespace zorva;
using namespace zorva::fuzz;

namespace {

// Declines every question, so a second load leaves the table as the file holds it.
class NoPrompter : public BitPrompter {
  public:
    NoPrompter() : BitPrompter(0x55555555u) {}
    std::optional<std::string> Input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
};

// The deleted column is a flag: any mark in it is written as "D".
std::vector<EntityRow> AsSaved(std::vector<EntityRow> rows) {
    for (auto& row : rows)
        if (!row.deleted.empty()) row.deleted = "D";
    return rows;
}

void ReportDifference(const std::vector<EntityRow>& expected, const std::vector<EntityRow>& got) {
    std::fprintf(stderr, "rows: %zu expected, %zu read back\n", expected.size(), got.size());
    for (size_t i = 0; i < expected.size() && i < got.size(); ++i)
        for (int f = 0; f < EntityRow::kFieldCount; ++f)
            if (expected[i].Field(f) != got[i].Field(f))
                std::fprintf(stderr, "row %zu field %d: [%s] read back as [%s]\n", i + 1, f,
                             expected[i].Field(f).c_str(), got[i].Field(f).c_str());
}

void CheckSavedFileLoadsBack(Station& loaded) {
    const std::string saved = ScratchFile("saved.txt");
    Require(loaded.WriteStationFile(saved, false), "a loaded table could not be saved");
    NoPrompter prompter;
    FixedFuzzClock clock;
    Station again(prompter, clock, ScratchDir());
    again.SetCurrentFileName(saved);
    again.LoadStationFile();
    Require(again.Document().FileName() == saved, "a saved file did not load whole");
    const std::vector<EntityRow> expected = AsSaved(loaded.Document().Table().Rows());
    if (again.Document().Table().Rows() != expected) {
        ReportDifference(expected, again.Document().Table().Rows());
        Require(false, "a saved table loaded back different");
    }
    const std::string first = ReadWholeFile(saved).bytes;
    Require(again.WriteStationFile(saved, false), "a reloaded table could not be saved");
    Require(ReadWholeFile(saved).bytes == first, "saving twice gave different files");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        WriteScratch("dxcc_adif.kvt", SmallReferenceBytes());
        return true;
    }();
    (void)ready;
    SplitInput input = SplitAnswers(data, size);
    WriteScratch("station.txt", input.body);

    BitPrompter prompter(input.answers);
    FixedFuzzClock clock;
    Station station(prompter, clock, ScratchDir());
    station.SetCurrentFileName(ScratchFile("station.txt"));
    station.LoadStationFile();
    if (!station.Document().FileName().empty()) CheckSavedFileLoadsBack(station);
    return 0;
}
