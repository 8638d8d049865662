#include "entry/verification.h"

#include "document_rows.h"
#include "entry/entry_dialog.h"
#include "entry_fixture.h"

namespace zorva::testing {
namespace {

const MessageBox kQuestion{
    "Weryfikacja spowoduje przesunięcie nowych podmiotów\ndo grupy podmiotów zweryfikowanych. \n"
    "Jesli dotychczas nie wydrukowałes listy do aktualizacji \ni nie zapisałes pliku z nowymi "
    "danymi do ZORVA Clubu,\nzrób to przed dokonaniem weryfikacji. \n\nCzy kontynuowac?",
    "Ostrzeżenie", Icon::Warning, Buttons::YesNo, Answer::No};

class VerificationTest : public StationFixture {
  protected:
    // Three rows to verify, one of them deleted; one verified, one unconfirmed.
    void LoadThreeToVerify() {
        Load({Entity("  1", "", "VE", "VE3XYZ", "2020-01-02", "QSL"),
              Entity(" 15", "", "UA9", "UA9AA", "2019-07-30", "LoTW"), Entity("230", "", "DL"),
              Entity("246", "D", "1A", "1A0KM", "2001-05-05", "QSL"),
              Entity("291", "", "K", "W1AW", "2018-03-03", "QSL", "2019-01-01")});
    }
};

TEST_F(VerificationTest, NothingToVerifyIsRefused) {
    prompter.ExpectError("Brak danych do weryfikacji!");
    EXPECT_EQ(std::nullopt, StartVerification(station));

    Load({Entity("230", "", "DL"),
          Entity("291", "", "K", "W1AW", "2018-03-03", "QSL", "2019-01-01")});
    prompter.ExpectError("Brak danych do weryfikacji!");
    EXPECT_EQ(std::nullopt, StartVerification(station));
    EXPECT_TRUE(prompter.Done());
}

TEST_F(VerificationTest, QuestionAnsweredNoChangesNothing) {
    LoadThreeToVerify();
    const EntityTable before = station.Document().Table();
    prompter.ExpectBox(kQuestion, Answer::No);
    EXPECT_EQ(std::nullopt, StartVerification(station));
    EXPECT_EQ(before.Rows(), station.Document().Table().Rows());
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(VerificationTest, QuestionAnsweredYesOffersTodayAsYearMonthDay) {
    LoadThreeToVerify();
    prompter.ExpectBox(kQuestion, Answer::Yes);
    EXPECT_EQ("2026-03-07", StartVerification(station));
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(VerificationTest, ThreeRowsOneDeletedMoveToVerified) {
    LoadThreeToVerify();
    const Counters before = station.Document().Counts();
    const std::string totalBefore = before.TotalText();
    ASSERT_EQ(3, VerifyConfirmedRows(station, "2025-01-10"));

    for (const char* adif : {"  1", " 15", "246"})
        EXPECT_EQ("2025-01-10", TableRow(adif).verifiedDate);
    EXPECT_EQ("2019-01-01", TableRow("291").verifiedDate);
    EXPECT_EQ("", TableRow("230").verifiedDate);
    EXPECT_EQ(before.toVerifyActive - 2, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(before.verifiedActive + 2, station.Document().Counts().verifiedActive);
    EXPECT_EQ(before.toVerifyAll - 3, station.Document().Counts().toVerifyAll);
    EXPECT_EQ(before.verifiedAll + 3, station.Document().Counts().verifiedAll);
    ExpectCountersMatchTable();
    EXPECT_EQ(totalBefore, station.View().texts.counterPanels[0]);
    EXPECT_EQ("Zweryfikowane:   3/4", station.View().texts.counterPanels[1]);
    EXPECT_EQ("Do weryfikacji:  0/0", station.View().texts.counterPanels[2]);
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("   Modyfikacja", station.View().texts.modifiedPanel);
    // The grid was filled again, so it shows the dates.
    EXPECT_EQ("2025-01-10", GridRow(" 15").verifiedDate);
}

TEST_F(VerificationTest, DateIsPaddedOrCutToTenCharacters) {
    LoadThreeToVerify();
    ASSERT_EQ(3, VerifyConfirmedRows(station, "10.1.2025"));
    EXPECT_EQ("10.1.2025 ", TableRow("  1").verifiedDate);

    RowsOf(station.Document())->Row(station.Document().Table().FindAdif("230")).call = "DL1ABC";
    ASSERT_EQ(1, VerifyConfirmedRows(station, "2025-01-10 (komisja)"));
    EXPECT_EQ("2025-01-10", TableRow("230").verifiedDate);
}

TEST_F(VerificationTest, BlankDateIsRefusedAndNothingIsVerified) {
    LoadThreeToVerify();
    const EntityTable before = station.Document().Table();
    // Only the first ten characters are stored, so they are what must not be blank.
    for (const char* date : {"", "          ", "   ", "          X"}) {
        prompter.ExpectError("Wprowadź datę weryfikacji!");
        EXPECT_EQ(std::nullopt, VerifyConfirmedRows(station, date));
    }
    EXPECT_EQ(before.Rows(), station.Document().Table().Rows());
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(VerificationTest, DateTheStationFileCannotHoldIsRefused) {
    LoadThreeToVerify();
    for (const auto& [date, symbol] : {std::pair{"2025-01-10 ✓", "symbol \"✓\""},
                                       std::pair{"2025\n01-10", "symbol sterujący (kod 10)"},
                                       std::pair{"2025-01-1\x7F", "symbol sterujący (kod 127)"}}) {
        prompter.ExpectError(std::string("Data weryfikacji zawiera ") + symbol +
                             ", którego nie można zapisać w pliku danych!");
        EXPECT_EQ(std::nullopt, VerifyConfirmedRows(station, date));
    }
    EXPECT_EQ("", TableRow("  1").verifiedDate);
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(VerificationTest, RowConfirmedWhileTheDateDialogIsOpenIsVerifiedToo) {
    LoadThreeToVerify();
    prompter.ExpectBox(kQuestion, Answer::Yes);
    const std::optional<std::string> offered = StartVerification(station);
    ASSERT_TRUE(offered);

    Select("230");
    EntryDialog entry(station);
    ASSERT_TRUE(entry.Open());
    ASSERT_TRUE(entry.Accept("DL1ABC         ", "2024-05-17", ConfirmationMethod::Qsl).accepted);

    ASSERT_EQ(4, VerifyConfirmedRows(station, *offered));
    EXPECT_EQ("2026-03-07", TableRow("230").verifiedDate);
    ExpectCountersMatchTable();
}

}  // namespace
}  // namespace zorva::testing
