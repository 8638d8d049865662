// A whole import run over a log of any bytes, with the import window's
// controls and the answers taken from the input.
#include <cstdio>

#include "fixtures.h"
#include "fuzz_support.h"
#include "import/adif_import.h"
#include "model/counters.h"
#include "station/station.h"

using namespace zorva;
using namespace zorva::fuzz;

namespace {

EntityRow Entity(const char* adif, const char* prefix, const char* deleted = "") {
    return {adif, deleted, prefix, std::string("Entity ") + prefix, "", "", "", ""};
}

void FillStation(Station& station) {
    EntityTable table;
    for (const auto& row : {Entity("  1", "VE"), Entity(" 21", "EA6"), Entity("230", "DL"),
                            Entity("269", "SP", "D"), Entity("291", "K"), Entity("522", "Z6")})
        table.Append(row);
    table.Row(3).call = "DL1AA";
    table.Row(3).qsoDate = "2001-02-03";
    table.Row(3).confirmation = "QSL";
    station.Document().Restore({table, Counters::Of(table), ""});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SplitInput input = SplitAnswers(data, size);
    WriteScratch("log.adi", input.body);

    const uint32_t bits = input.answers;
    BitPrompter prompter(bits >> 8);
    FixedFuzzClock clock;
    Station station(prompter, clock, ScratchDir());
    FillStation(station);
    AdifImport import(station);
    if (!import.BeginSeries()) return 0;
    import.controls.fileName = ScratchFile("log.adi");
    import.controls.source = bits & 1 ? ImportSource::Lotw : ImportSource::Log;
    import.controls.priority = bits & 2 ? Confirmation::Lotw : Confirmation::Qsl;
    import.SetExtractQsl(bits & 4);
    import.SetExtractLotw(bits & 8);
    import.controls.includeDeleted = bits & 16;
    const RunEnd end = import.Import();

    Require(station.Document().Table().Count() == 6, "an import changed the number of entities");
    // The QSL and LoTW counts follow the table once the series is over.
    if (end == RunEnd::Finished &&
        Counters::Of(station.Document().Table()) != station.Document().Counts()) {
        const Counters expected = Counters::Of(station.Document().Table());
        for (const Counters* c :
             {&expected, static_cast<const Counters*>(&station.Document().Counts())})
            std::fprintf(stderr, "verified %d/%d to verify %d/%d QSL %d LoTW %d\n",
                         c->verifiedActive, c->verifiedAll, c->toVerifyActive, c->toVerifyAll,
                         c->qslCount, c->lotwCount);
        for (const auto& row : station.Document().Table().Rows())
            std::fprintf(stderr, "[%s|%s|%s|%s|%s|%s]\n", row.adif.c_str(), row.deleted.c_str(),
                         row.call.c_str(), row.qsoDate.c_str(), row.confirmation.c_str(),
                         row.verifiedDate.c_str());
        Require(false, "counters out of step with the table");
    }
    return 0;
}
