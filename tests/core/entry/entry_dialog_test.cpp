#include "entry/entry_dialog.h"

#include "entry_fixture.h"

namespace zorva::testing {
namespace {

const std::string kNoCall(15, ' ');

std::string CallField(const std::string& call) {
    return call + std::string(15 - call.size(), ' ');
}

class EntryDialogTest : public StationFixture {
  protected:
    void SetUp() override {
        Load({Entity("  1", "", "VE", "VE3XYZ", "2020-01-02", "QSL"),
              Entity(" 15", "", "UA9", "UA9AA", "2019-07-30", "LoTW"), Entity("230", "", "DL"),
              Entity(" 81", "D", "DM"), Entity("246", "D", "1A", "1A0KM", "2001-05-05", "QSL"),
              Entity("291", "", "K", "W1AW", "2018-03-03", "QSL", "2019-01-01")});
    }

    EntryOutcome Accept(const std::string& call, const std::string& date,
                        ConfirmationMethod method = ConfirmationMethod::Qsl) {
        return dialog.Accept(call, date, method);
    }

    EntryDialog dialog{station};
};

TEST_F(EntryDialogTest, UnconfirmedRowOpensBlankWithQslAndItsPanel) {
    Select("230");
    ASSERT_TRUE(dialog.Open());
    EXPECT_FALSE(dialog.WasConfirmed());
    const EntryForm& form = dialog.Form();
    EXPECT_EQ("", form.call);
    EXPECT_EQ("", form.date);
    EXPECT_EQ(ConfirmationMethod::Qsl, form.method);
    EXPECT_EQ("230", form.adif);
    EXPECT_EQ("", form.deleted);
    EXPECT_EQ("DL", form.prefix);
    EXPECT_EQ("DL land", form.name);
}

TEST_F(EntryDialogTest, ConfirmedRowOpensWithItsCallDateAndMethod) {
    Select(" 15");
    ASSERT_TRUE(dialog.Open());
    EXPECT_TRUE(dialog.WasConfirmed());
    EXPECT_EQ("UA9AA", dialog.Form().call);
    EXPECT_EQ("2019-07-30", dialog.Form().date);
    EXPECT_EQ(ConfirmationMethod::Lotw, dialog.Form().method);

    EntryDialog deletedRow(station);
    Select("246");
    ASSERT_TRUE(deletedRow.Open());
    EXPECT_EQ("D", deletedRow.Form().deleted);
    EXPECT_EQ(ConfirmationMethod::Qsl, deletedRow.Form().method);
}

TEST_F(EntryDialogTest, VerifiedRowIsRefusedAndNothingChanges) {
    Select("291");
    const EntityRow before = TableRow("291");
    prompter.ExpectError("Nie można zmieniać zweryfikowanych danych!");
    EXPECT_FALSE(dialog.Open());
    EXPECT_EQ(before, TableRow("291"));
    EXPECT_FALSE(station.Document().IsModified());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(EntryDialogTest, NoCurrentDataRowOpensNothing) {
    station.View().grid.currentRow.reset();
    EXPECT_FALSE(dialog.Open());
}

struct Refusal {
    std::string call;
    std::string date;
    std::string message;
    EntryFocus focus;
};

TEST_F(EntryDialogTest, ValidationStepsRefuseInOrderAndWriteNothing) {
    const Refusal refusals[] = {
        {kNoCall, "    -  -  ", "Wprowadź dzień łączności!", EntryFocus::Unchanged},
        {CallField("DL1ABC"), "    -  -  ", "Wprowadź datę łączności!", EntryFocus::DateField},
        {CallField("DL1ABC"), "2024-05-  ", "Wprowadź dzień łączności!", EntryFocus::Unchanged},
        {CallField("DL1ABC"), "    -  -17", "Wprowadź miesiąc łącznosci!", EntryFocus::Unchanged},
        {CallField("DL1ABC"), "    -05-17", "Wprowadź rok łącznosci!", EntryFocus::Unchanged},
        {kNoCall, "    -05-17", "Wprowadź rok łącznosci!", EntryFocus::Unchanged},
        {CallField("DL1ABC"), "2024-13-32", "Wprowadź poprawną datę łączności!",
         EntryFocus::DateField},
        {CallField("DL1ABC"), "2024-13-17", "Wprowadź poprawną datę łączności!",
         EntryFocus::DateField},
        {CallField("DL1ABC"), "2024-05-1 ", "Dzień łączności \"1 \" nie jest liczbą!",
         EntryFocus::Unchanged},
        {CallField("DL1ABC"), "2024-1 -17", "Miesiąc łączności \"1 \" nie jest liczbą!",
         EntryFocus::Unchanged},
        {"DL1ABCDEFGHIJKLM", "2024-05-17", "Znak może mieć najwyżej 15 znaków!",
         EntryFocus::CallField},
    };
    Select("230");
    ASSERT_TRUE(dialog.Open());
    const Counters counters = station.Document().Counts();
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.date + " / " + r.message);
        prompter.ExpectError(r.message);
        const EntryOutcome outcome = Accept(r.call, r.date);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(r.focus, outcome.focus);
        EXPECT_TRUE(prompter.Done());
    }
    EXPECT_EQ("", TableRow("230").call);
    EXPECT_EQ("", GridRow("230").call);
    EXPECT_EQ(counters, station.Document().Counts());
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(EntryDialogTest, LaxDatesPassAsTyped) {
    for (const char* date :
         {"2024-12-31", "2024-02-31", "0000-00-00", "1999- 1- 9", "2 4 -04-30"}) {
        SCOPED_TRACE(date);
        Select("230");
        EntryDialog entry(station);
        ASSERT_TRUE(entry.Open());
        EXPECT_TRUE(entry.Accept(CallField("SP5ZZ"), date, ConfirmationMethod::Qsl).accepted);
        EXPECT_EQ(date, TableRow("230").qsoDate);
    }
}

TEST_F(EntryDialogTest, AddingQslToActiveRowWritesGridAndTableAndCounts) {
    const Counters before = station.Document().Counts();
    Select("230");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(" dl1 abc       ", "2024-05-17").accepted);

    for (const EntityRow* row : {&TableRow("230"), &GridRow("230")}) {
        EXPECT_EQ("DL1 ABC", row->call);
        EXPECT_EQ("2024-05-17", row->qsoDate);
        EXPECT_EQ("QSL", row->confirmation);
        EXPECT_EQ("", row->verifiedDate);
    }
    EXPECT_EQ(before.toVerifyActive + 1, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(before.toVerifyAll + 1, station.Document().Counts().toVerifyAll);
    EXPECT_EQ(before.qslCount + 1, station.Document().Counts().qslCount);
    EXPECT_EQ(before.lotwCount, station.Document().Counts().lotwCount);
    ExpectCountersMatchTable();
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("   Modyfikacja", station.View().texts.modifiedPanel);
    EXPECT_EQ("Razem:       4/5", station.View().texts.counterPanels[0]);
    EXPECT_EQ("Do weryfikacji:  3/4", station.View().texts.counterPanels[2]);
    EXPECT_EQ("QSL/LoTW:  4/1", station.View().texts.counterPanels[3]);
}

TEST_F(EntryDialogTest, AddingLotwToDeletedRowCountsOnlyTheSecondNumbers) {
    const Counters before = station.Document().Counts();
    Select(" 81");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("Y21AA"), "1989-11-09", ConfirmationMethod::Lotw).accepted);
    EXPECT_EQ("LoTW", TableRow(" 81").confirmation);
    EXPECT_EQ(before.toVerifyActive, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(before.toVerifyAll + 1, station.Document().Counts().toVerifyAll);
    EXPECT_EQ(before.lotwCount + 1, station.Document().Counts().lotwCount);
    ExpectCountersMatchTable();
    EXPECT_TRUE(station.Document().IsModified());
}

TEST_F(EntryDialogTest, ChangingQslToLotwMovesOneCountAndMarksModified) {
    const Counters before = station.Document().Counts();
    Select("  1");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("VE3XYZ"), "2020-01-02", ConfirmationMethod::Lotw).accepted);
    EXPECT_EQ("LoTW", TableRow("  1").confirmation);
    EXPECT_EQ("LoTW", GridRow("  1").confirmation);
    EXPECT_EQ(before.qslCount - 1, station.Document().Counts().qslCount);
    EXPECT_EQ(before.lotwCount + 1, station.Document().Counts().lotwCount);
    EXPECT_EQ(before.toVerifyAll, station.Document().Counts().toVerifyAll);
    ExpectCountersMatchTable();
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("   Modyfikacja", station.View().texts.modifiedPanel);
    EXPECT_EQ("QSL/LoTW:  2/2", station.View().texts.counterPanels[3]);
}

TEST_F(EntryDialogTest, ChangingLotwToQslOnDeletedRowMovesTheOtherWay) {
    Select("246");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("1A0KM"), "2001-05-05", ConfirmationMethod::Lotw).accepted);
    ExpectCountersMatchTable();
    EntryDialog again(station);
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(ConfirmationMethod::Lotw, again.Form().method);
    ASSERT_TRUE(again.Accept(CallField("1A0KM"), "2001-05-05", ConfirmationMethod::Qsl).accepted);
    EXPECT_EQ("QSL", TableRow("246").confirmation);
    ExpectCountersMatchTable();
}

TEST_F(EntryDialogTest, EmptyingTheCallOfActiveRowRemovesTheConfirmation) {
    const Counters before = station.Document().Counts();
    Select(" 15");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(kNoCall, "2019-07-30", ConfirmationMethod::Lotw).accepted);
    for (const EntityRow* row : {&TableRow(" 15"), &GridRow(" 15")}) {
        EXPECT_EQ("", row->call);
        EXPECT_EQ("", row->qsoDate);
        EXPECT_EQ("", row->confirmation);
    }
    EXPECT_EQ(before.toVerifyActive - 1, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(before.toVerifyAll - 1, station.Document().Counts().toVerifyAll);
    EXPECT_EQ(before.lotwCount - 1, station.Document().Counts().lotwCount);
    ExpectCountersMatchTable();
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("   Modyfikacja", station.View().texts.modifiedPanel);
    EXPECT_EQ("Razem:       2/3", station.View().texts.counterPanels[0]);
}

TEST_F(EntryDialogTest, EmptyingTheCallOfDeletedRowLowersOnlyTheSecondNumbers) {
    const Counters before = station.Document().Counts();
    Select("246");
    ASSERT_TRUE(dialog.Open());
    // The checked method plays no part in a removal: the previous one is counted down.
    ASSERT_TRUE(Accept(kNoCall, "2001-05-05", ConfirmationMethod::Lotw).accepted);
    EXPECT_EQ("", TableRow("246").call);
    EXPECT_EQ(before.toVerifyActive, station.Document().Counts().toVerifyActive);
    EXPECT_EQ(before.toVerifyAll - 1, station.Document().Counts().toVerifyAll);
    EXPECT_EQ(before.qslCount - 1, station.Document().Counts().qslCount);
    EXPECT_EQ(before.lotwCount, station.Document().Counts().lotwCount);
    ExpectCountersMatchTable();
}

TEST_F(EntryDialogTest, UnconfirmedRowAcceptedEmptyStaysUnconfirmed) {
    Select("230");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(kNoCall, "2024-05-17").accepted);
    EXPECT_EQ(EntityRow(Entity("230", "", "DL")), TableRow("230"));
    ExpectCountersMatchTable();
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(EntryDialogTest, EveryChangeOfAConfirmedRowMarksModifiedAndNoChangeDoesNot) {
    struct Case {
        std::string adif, call, date;
        ConfirmationMethod method;
        bool marked;
    };
    for (const Case& c : {Case{" 15", "UA9AB", "2019-07-30", ConfirmationMethod::Lotw, true},
                          Case{"  1", "VE3XYZ", "2020-01-03", ConfirmationMethod::Qsl, true},
                          Case{"246", "1A0KM", "2001-05-05", ConfirmationMethod::Qsl, false}}) {
        SCOPED_TRACE(c.adif);
        station.ClearModified();
        Select(c.adif);
        EntryDialog entry(station);
        ASSERT_TRUE(entry.Open());
        ASSERT_TRUE(entry.Accept(CallField(c.call), c.date, c.method).accepted);
        EXPECT_EQ(c.marked, station.Document().IsModified());
        EXPECT_EQ(c.marked ? "   Modyfikacja" : "", station.View().texts.modifiedPanel);
    }
}

TEST_F(EntryDialogTest, SymbolsTheStationFileCannotHoldAreRefused) {
    struct Case {
        std::string call, date, message;
        EntryFocus focus;
    };
    for (const Case& c :
         {Case{"DLЖ1ABC        ", "2024-05-17",
               "Znak stacji zawiera symbol \"Ж\", którego nie można zapisać w pliku danych!",
               EntryFocus::CallField},
          Case{"DL\n1ABC        ", "2024-05-17",
               "Znak stacji zawiera symbol sterujący (kod 10), którego nie można zapisać w pliku "
               "danych!",
               EntryFocus::CallField},
          Case{CallField("DL1ABC"), "2024-05\t17",
               "Data łączności zawiera symbol sterujący (kod 9), którego nie można zapisać w "
               "pliku danych!",
               EntryFocus::DateField}}) {
        SCOPED_TRACE(c.message);
        Select("230");
        ASSERT_TRUE(dialog.Open());
        prompter.ExpectError(c.message);
        const EntryOutcome outcome = Accept(c.call, c.date);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(c.focus, outcome.focus);
        EXPECT_EQ("", TableRow("230").call);
    }
    ExpectCountersMatchTable();
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(EntryDialogTest, PolishLettersInCallAreKeptInCapitals) {
    Select("230");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("sp9ąę"), "2024-05-17").accepted);
    EXPECT_EQ("SP9ĄĘ", TableRow("230").call);
}

TEST_F(EntryDialogTest, DateFieldChangeMarksTheDataEditedUntilNothingIsChanged) {
    for (bool cancel : {true, false}) {
        Select("230");
        ASSERT_TRUE(dialog.Open());
        dialog.DateFieldChanged();
        if (cancel)
            dialog.Cancel();
        else
            ASSERT_TRUE(Accept(kNoCall, "2024-05-17").accepted);
        EXPECT_FALSE(station.Document().IsModified());
        EXPECT_EQ("", station.View().texts.modifiedPanel);
        EXPECT_FALSE(station.history.CanUndo());
    }
}

TEST_F(EntryDialogTest, CancelMakesTheEditedRowCurrentAgain) {
    const int row = Select(" 81");
    ASSERT_TRUE(dialog.Open());
    station.View().grid.currentRow.reset();
    dialog.Cancel();
    EXPECT_EQ(row, station.View().grid.currentRow);
}

TEST_F(EntryDialogTest, GridRowWithoutEntityIsWrittenAndCounted) {
    station.View().grid.rows.push_back(Entity("999", "", "XX"));
    station.SelectRow(station.View().grid.DataRowCount() - 1);
    const Counters before = station.Document().Counts();
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("XX1X"), "2024-05-17").accepted);
    EXPECT_EQ("XX1X", station.View().grid.rows.back().call);
    EXPECT_EQ(0, station.Document().Table().FindAdif("999"));
    EXPECT_EQ(before.toVerifyAll + 1, station.Document().Counts().toVerifyAll);
}

TEST_F(EntryDialogTest, ConfirmedRowKeepsItsPlaceInTheGrid) {
    station.ApplyView(ViewMode::Unconfirmed);
    const int rows = station.View().grid.DataRowCount();
    const int row = Select("230");
    ASSERT_TRUE(dialog.Open());
    ASSERT_TRUE(Accept(CallField("DL1ABC"), "2024-05-17").accepted);
    EXPECT_EQ(rows, station.View().grid.DataRowCount());
    EXPECT_EQ("DL1ABC", station.View().grid.DataRow(row).call);
}

}  // namespace
}  // namespace zorva::testing
