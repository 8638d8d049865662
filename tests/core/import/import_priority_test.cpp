#include "document_rows.h"
#include "import_fixture.h"

namespace zorva::testing {
namespace {

struct PriorityCase {
    ImportSource source;
    Confirmation priority;
    std::string records;   // "q": QSL only, "l": LoTW only, in file order; upper case: verified
    std::string existing;  // the row's method before the series, "" for an empty row
    std::string call;      // the row's call afterwards
    std::string method;    // the row's method afterwards
};

class ImportPriority_ : public ImportTest, public ::testing::WithParamInterface<PriorityCase> {};

TEST_P(ImportPriority_, TwoRecordsOfOneEntity) {
    const PriorityCase& c = GetParam();
    if (!c.existing.empty())
        RowsOf(station.Document())->Row(5) = Confirmed(Row(5), "OLD", c.existing);
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
using P = Confirmation;
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
    RowsOf(station.Document())->Row(5) = Confirmed(Row(5), "OLD", "LoTW", "2010-01-01");
    RowsOf(station.Document())->Row(1).verifiedDate = "2011-01-01";  // verified without a call
    RowsOf(station.Document())->Row(4) =
        Confirmed(Row(4), "SP1OLD", "LoTW");  // deleted rows are replaced alike
    SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    const EntityRow verified = Row(5);
    const EntityRow verifiedWithoutCall = Row(1);
    const Counters before = station.Document().Counts();
    ImportOne(kHeader + Qso("K1A", "291", "Y", "N") + Qso("VE1A", "1", "Y", "N") +
                  Qso("SP1A", "269", "Y", "Y"),
              false, VerifiedRecordsText(2, station.Document().ProgramDir()));
    EXPECT_EQ(Row(5), verified);
    EXPECT_EQ(Row(1), verifiedWithoutCall);
    EXPECT_EQ(Row(4).call, "SP1A");
    EXPECT_EQ(station.Document().Counts().toVerifyAll, before.toVerifyAll);
    EXPECT_EQ(station.Document().Counts().verifiedAll, before.verifiedAll);
    EXPECT_NE(ErrorFile().find(*EncodeCp1250("Podmiot 291 jest już zweryfikowany (2010-01-01) - "
                                             "rekord nie został zaimportowany: <call:3>k1a")),
              std::string::npos);
}

TEST_F(ImportTest, RowWithCallButNoMethodIsNeverTouched) {
    RowsOf(station.Document())->Row(5) = Confirmed(Row(5), "OLD", "");
    import.controls.source = ImportSource::Lotw;
    import.controls.priority = Confirmation::Lotw;
    ImportOne(kHeader + Qso("K1A", "291", "Y", "Y"));
    EXPECT_EQ(Row(5).call, "OLD");
    EXPECT_FALSE(station.Document().IsModified());
}

}  // namespace
}  // namespace zorva::testing
