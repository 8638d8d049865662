#include "document/station_document.h"

#include <gtest/gtest.h>

#include "document/entity_fields.h"
#include "document_rows.h"
#include "files/reference_file.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva::testing {
namespace {

class StationDocumentTest : public ::testing::Test {
  protected:
    StationDocumentTest() {
        for (const EntityRow& row :
             {Row("230", "", "DL", "Germany"),
              Row(" 81", "*", "DM", "East Germany", "Y21A", "1989-05-01", "QSL"),
              Row("269", "", "SP", "Poland", "SP5A", "2020-01-02", "LoTW", "2021-01-01")})
            RowsOf(doc)->Append(row);
        SetCounters(doc, Counters::Of(doc.Table()));
    }
    const EntityRow& Entity(const std::string& adif) const {
        return doc.Table().Row(doc.Table().FindAdif(adif));
    }
    void ExpectCountersMatchTable() const { EXPECT_EQ(Counters::Of(doc.Table()), doc.Counts()); }

    TempDir dir;
    StationDocument doc{dir.Path()};
};

TEST_F(StationDocumentTest, ConfirmRefusesAndChangesNothing) {
    struct Case {
        std::string adif, call, date, refusal;
        FaultyField field;
    };
    for (const Case& c : std::vector<Case>{
             {"999", "DL1A", "2024-05-17", "Brak podmiotu o numerze ADIF 999!", FaultyField::None},
             {"269", "DL1A", "2024-05-17", kVerifiedRowRefusal, FaultyField::None},
             {"230", "DL1A", kEmptyDateField, "Wprowadź datę łączności!", FaultyField::Date},
             {"230", "DL1A", "2024-13-17", "Wprowadź poprawną datę łączności!", FaultyField::Date},
             {"230", "DL1\tA", "2024-05-17", "", FaultyField::Call},
         }) {
        const ConfirmOutcome outcome = doc.Confirm(c.adif, c.call, c.date, ConfirmationMethod::Qsl);
        EXPECT_FALSE(outcome.ok()) << c.call << " " << c.date;
        if (!c.refusal.empty()) {
            EXPECT_EQ(c.refusal, outcome.refusal);
        }
        EXPECT_EQ(c.field, outcome.field) << outcome.refusal;
    }
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ("", Entity("230").call);
    ExpectCountersMatchTable();
}

TEST_F(StationDocumentTest, ConfirmWritesTheEntityAndItsCounters) {
    const ConfirmOutcome outcome =
        doc.Confirm("230", " dl1abc ", "2024-05-17", ConfirmationMethod::Lotw);
    ASSERT_TRUE(outcome.ok()) << outcome.refusal;
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Row("230", "", "DL", "Germany", "DL1ABC", "2024-05-17", "LoTW"), Entity("230"));
    ExpectCountersMatchTable();

    doc.SetModified(false);
    EXPECT_FALSE(doc.Confirm("230", "DL1ABC", "2024-05-17", ConfirmationMethod::Lotw).changed);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.Confirm("230", "DL1ABC", "2024-05-17", ConfirmationMethod::Qsl).changed);
    ExpectCountersMatchTable();
}

TEST_F(StationDocumentTest, ClearRemovesAConfirmationAndLeavesAnUnconfirmedEntity) {
    const ConfirmOutcome cleared = doc.Clear(" 81");
    ASSERT_TRUE(cleared.ok()) << cleared.refusal;
    EXPECT_TRUE(cleared.changed);
    EXPECT_EQ(Row(" 81", "*", "DM", "East Germany"), Entity(" 81"));
    ExpectCountersMatchTable();

    doc.SetModified(false);
    const ConfirmOutcome untouched = doc.Clear("230");
    EXPECT_TRUE(untouched.ok());
    EXPECT_FALSE(untouched.changed);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(kVerifiedRowRefusal, doc.Clear("269").refusal);
}

TEST_F(StationDocumentTest, VerifyStampsEveryConfirmationNotVerifiedYet) {
    EXPECT_TRUE(doc.HasRowsToVerify());
    EXPECT_EQ(kEmptyVerificationDate, doc.Verify("          x").refusal);
    EXPECT_FALSE(doc.IsModified());

    const Outcome verified = doc.Verify("2026-03-07");
    ASSERT_TRUE(verified.ok()) << verified.refusal;
    EXPECT_EQ(1, verified.changedRows);
    EXPECT_EQ("2026-03-07", Entity(" 81").verifiedDate);
    EXPECT_EQ("2021-01-01", Entity("269").verifiedDate);
    EXPECT_FALSE(doc.HasRowsToVerify());
    ExpectCountersMatchTable();
}

TEST_F(StationDocumentTest, CreateNamesTheFileAfterTheCallAndTakesTheReference) {
    EXPECT_EQ(MissingReferenceMessage(doc.ReferencePath()), doc.Create("SP5ABC/P").refusal);

    dir.Write("dxcc_adif.kvt", Encoded({FormatReferenceLine(Row("230", "", "DL", "Germany"))}));
    const Outcome created = doc.Create("SP5ABC/P");
    ASSERT_TRUE(created.ok()) << created.refusal;
    EXPECT_EQ(dir.File("sp5abc_p.txt"), doc.FileName());
    EXPECT_EQ("SP5ABC/P", doc.Call());
    ASSERT_EQ(1, doc.Table().Count());
    EXPECT_EQ("Germany", Entity("230").name);
    EXPECT_EQ(Counters{}, doc.Counts());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.Create("SP\x01").ok());
}

TEST_F(StationDocumentTest, ReadTakesTheRowsBeforeABadLineAndForgetsAMissingFile) {
    doc.SetFileName(dir.File("sp1abc.txt"));
    EXPECT_TRUE(doc.Read().missing);

    std::vector<std::string> lines = StationLines("SP1ABC", {Row("230", "", "DL", "Germany")});
    lines.push_back("no entity here");
    dir.Write("sp1abc.txt", Encoded(lines));
    const ReadOutcome read = doc.Read();
    ASSERT_TRUE(read.ok()) << read.refusal;
    EXPECT_EQ("no entity here", read.badLine);
    EXPECT_EQ("SP1ABC", doc.Call());
    EXPECT_EQ(1, doc.Table().Count());
    ExpectCountersMatchTable();
}

TEST_F(StationDocumentTest, ReferenceChangesKeepThePrefixOrder) {
    EXPECT_FALSE(doc.DiffersFromReference(1, Row("230", "", "DL", "Germany")));
    doc.TakeFromReference(1, Row("230", "", "ZZ", "Germany"));
    doc.AddFromReference(Row("291", "", "K", "United States"));
    std::vector<std::string> prefixes;
    for (const EntityRow& row : doc.Table().Rows()) prefixes.push_back(row.prefix);
    EXPECT_EQ((std::vector<std::string>{"DM", "K", "SP", "ZZ"}), prefixes);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace zorva::testing
