// A reference file of any bytes against a small station file: reading it and
// every question of the reconciliation, answered from the input.
#include "fixtures.h"
#include "fuzz_support.h"
#include "station/station.h"

using namespace zorva;
using namespace zorva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        WriteScratch("station.txt", SmallStationBytes());
        return true;
    }();
    (void)ready;
    SplitInput input = SplitAnswers(data, size);
    WriteScratch("dxcc_adif.kvt", input.body);

    BitPrompter prompter(input.answers);
    FixedFuzzClock clock;
    Station station(prompter, clock, ScratchDir());
    station.SetCurrentFileName(ScratchFile("station.txt"));
    station.LoadStationFile();
    // Whatever was taken over, the rows stay in prefix order for the views.
    EntityTable sorted = station.Document().Table();
    SortByPrefix(sorted);
    Require(sorted.Rows() == station.Document().Table().Rows(),
            "reconciled rows out of prefix order");
    return 0;
}
