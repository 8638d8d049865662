#include "import_fixture.h"

namespace zorva::testing {
namespace {

struct PriorityCase {
    ImportSource source;
    ImportPriority priority;
    std::string records;   // "q": QSL only, "l": LoTW only, in file order; upper case: verified
    std::string existing;  // the row's method before the series, "" for an empty row
    std::string call;      // the row's call afterwards
    std::string method;    // the row's method afterwards
};

class ImportPriority_ : public ImportTest, public ::testing::WithParamInterface<PriorityCase> {};

TEST_P(ImportPriority_, TwoRecordsOfOneEntity) {
    const PriorityCase& c = GetParam();
    if (!c.existing.empty()) Row(5) = Confirmed(Row(5), "OLD", c.existing);
    import.controls.source = c.source;
    import.controls.priority = c.priority;
    std::string file = kHeader;
    for (char r : c.records) {
        const std::string flag = r == 'Q' || r == 'L' ? "V" : "Y";
        file += r == 'q' || r == 'Q' ? Qso("QSL1", "291", flag, "N", "20200101")
                                     : Qso("LOTW1", "291", "N", flag, "20210101");
    }
    ImportOne(file);
    EXPECT_EQ(Row(5).call, c.call);
    EXPECT_EQ(Row(5).confirmation, c.method);
}

using S = ImportSource;
using P = ImportPriority;
INSTANTIATE_TEST_SUITE_P(
    ByTable, ImportPriority_,
    ::testing::Values(PriorityCase{S::Log, P::Qsl, "lq", "", "QSL1", "QSL"},
                      PriorityCase{S::Log, P::Qsl, "LQ", "", "QSL1", "QSL"},
                      PriorityCase{S::Log, P::Lotw, "L", "qsl", "LOTW1", "LoTW"},
                      PriorityCase{S::Log, P::Qsl, "ql", "", "QSL1", "QSL"},
                      PriorityCase{S::Log, P::Qsl, "q", "lotw", "QSL1", "QSL"},
                      PriorityCase{S::Log, P::Lotw, "ql", "", "LOTW1", "LoTW"},
                      PriorityCase{S::Log, P::Lotw, "lq", "", "LOTW1", "LoTW"},
                      PriorityCase{S::Log, P::Lotw, "l", "Qsl", "LOTW1", "LoTW"},
                      PriorityCase{S::Lotw, P::Lotw, "qq", "", "QSL1", "LoTW"},
                      PriorityCase{S::Lotw, P::Lotw, "q", "QSL", "QSL1", "LoTW"},
                      PriorityCase{S::Lotw, P::Qsl, "l", "QSL", "OLD", "QSL"},
                      PriorityCase{S::Lotw, P::Qsl, "lq", "", "LOTW1", "LoTW"}));

// Records that would change a verified row are counted and listed with the reason instead.
TEST_F(ImportTest, VerifiedRowsStayAsVerifiedAndTheirRecordsAreListed) {
    Row(5) = Confirmed(Row(5), "OLD", "LoTW", "2010-01-01");
    Row(1).verifiedDate = "2011-01-01";            // verified without a call
    Row(4) = Confirmed(Row(4), "SP1OLD", "LoTW");  // deleted rows are replaced alike
    station.counters = Counters::Of(station.table);
    const EntityRow verified = Row(5);
    const EntityRow verifiedWithoutCall = Row(1);
    const Counters before = station.counters;
    ImportOne(kHeader + Qso("K1A", "291", "Y", "N") + Qso("VE1A", "1", "Y", "N") +
                  Qso("SP1A", "269", "Y", "Y"),
              false, VerifiedRecordsText(2, station.ProgramDir()));
    EXPECT_EQ(Row(5), verified);
    EXPECT_EQ(Row(1), verifiedWithoutCall);
    EXPECT_EQ(Row(4).call, "SP1A");
    EXPECT_EQ(station.counters.toVerifyAll, before.toVerifyAll);
    EXPECT_EQ(station.counters.verifiedAll, before.verifiedAll);
    EXPECT_NE(ErrorFile().find(*EncodeCp1250("Podmiot 291 jest już zweryfikowany (2010-01-01) - "
                                             "rekord nie został zaimportowany: <call:3>k1a")),
              std::string::npos);
}

TEST_F(ImportTest, RowWithCallButNoMethodIsNeverTouched) {
    Row(5) = Confirmed(Row(5), "OLD", "");
    import.controls.source = ImportSource::Lotw;
    import.controls.priority = ImportPriority::Lotw;
    ImportOne(kHeader + Qso("K1A", "291", "Y", "Y"));
    EXPECT_EQ(Row(5).call, "OLD");
    EXPECT_FALSE(station.modified);
}

}  // namespace
}  // namespace zorva::testing
