#include "entry_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "entry/verification.h"
#include "ui_fixture.h"
#include "verification_date_dialog.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

const std::vector<Entity> kConfirmations = {
    {"SP", "SP5ABC", "2020-01-02", "QSL", "2021-03-04"},
    {"OH", "OH2BH", "2023-07-08", "QSL", ""},
    {"DL/D", "Y21AA", "1989-11-09", "LoTW", ""},
};

const MessageBox kVerificationBox{kVerificationQuestion, "Ostrzeżenie", Icon::Warning,
                                  Buttons::YesNo, Answer::No};

// The station above opened in the view of all entities.
MainWindow& StartStation(Program& program) {
    Settings settings;
    settings.call = "SP9XYZ";
    settings.file = program.WriteStation("sp9xyz.txt", "SP9XYZ", kConfirmations);
    program.WriteSettings(settings);
    MainWindow& form = program.Start();
    form.show();
    return form;
}

int GridRowOf(const MainWindow& form, const std::string& prefix) {
    const zorva::Grid& grid = form.station().View().grid;
    for (int r = 0; r < grid.DataRowCount(); ++r) {
        if (grid.DataRow(r).prefix == prefix) return r;
    }
    return Program::kNoRow;
}

const EntityRow& TableRow(const MainWindow& form, const std::string& adif) {
    return form.station().Document().Table().Row(form.station().Document().Table().FindAdif(adif));
}

// A press and release on a data row of the grid, as the user clicks it. The
// row is made current first, so that the grid shows it where the click lands.
void ClickRow(MainWindow& form, int row) {
    QTableView* grid = form.Grid();
    form.station().SelectRow(row);
    form.Refresh();
    const QRect cell = grid->visualRect(form.GridModel()->index(row, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Runs `drive` on the entry dialog once its modal loop has started.
void WhenEntryDialogOpens(const std::function<void(EntryDialogWindow&)>& drive, bool* ran) {
    QTimer::singleShot(0, [drive, ran] {
        auto* dialog = qobject_cast<EntryDialogWindow*>(QApplication::activeModalWidget());
        if (!dialog) return;
        *ran = true;
        drive(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

}  // namespace

class EntryDialogWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void keyboardEntryConfirmsTheClickedRow();
    void dialogShowsItsDesignAndTheRow();
    void tabOrderFollowsTheFields();
    void refusedDateKeepsTheDialogOpenWithTheFocusOnTheDate();
    void escapeInTheCallFieldCancels();
    void doubleClickOnQslConfirmsAndEmptyCallRemoves();
    void dateFieldEditMarksTheDataModified();
    void verifiedRowIsRefusedBeforeTheDialogShows();
    void verificationRunsThroughTheDateDialog();
    void blankVerificationDateKeepsTheDateDialogOpen();
};

void EntryDialogWindowTest::keyboardEntryConfirmsTheClickedRow() {
    Program program;
    MainWindow& form = StartStation(program);
    const int row = GridRowOf(form, "F");
    QVERIFY(row >= 0);
    ClickRow(form, row);
    QCOMPARE(program.CurrentRow(), row);

    bool ran = false;
    WhenEntryDialogOpens(
        [](EntryDialogWindow& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Wprowadzanie danych"));
            QTest::keyClicks(dialog.CallEdit(), "f5xyz");
            QTest::keyClick(dialog.CallEdit(), Qt::Key_Return);
            QCOMPARE(dialog.focusWidget(), dialog.QsoDateEdit());
            QTest::keyClicks(dialog.QsoDateEdit(), "20240517");
            QTest::keyClick(dialog.QsoDateEdit(), Qt::Key_Return);
            QCOMPARE(dialog.focusWidget(), dialog.QslRadio());
            QTest::keyClick(dialog.QslRadio(), Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        },
        &ran);
    QTest::keyClick(form.Grid(), Qt::Key_Return);
    QVERIFY(ran);

    QCOMPARE(program.Cell(row, 4), QString("F5XYZ"));
    QCOMPARE(program.Cell(row, 5), QString("2024-05-17"));
    QCOMPARE(program.Cell(row, 6), QString("QSL"));
    const EntityRow& entity = TableRow(form, "227");
    QCOMPARE(entity.call, std::string("F5XYZ"));
    QCOMPARE(entity.qsoDate, std::string("2024-05-17"));
    QCOMPARE(entity.confirmation, std::string("QSL"));
    QCOMPARE(program.Panel("counterBar", 0), QString("Razem:       3/4"));
    QCOMPARE(program.Panel("counterBar", 2), QString("Do weryfikacji:  2/3"));
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  3/1"));
    QCOMPARE(program.Panel("fileBar", 1), QString("   Modyfikacja"));
    QVERIFY(form.station().Document().IsModified());
    QVERIFY(program.DialoguesAsScripted());
}

void EntryDialogWindowTest::dialogShowsItsDesignAndTheRow() {
    Program program;
    MainWindow& form = StartStation(program);
    form.station().SelectRow(GridRowOf(form, "DL/D"));
    EntryDialogWindow dialog(form.station(), &form);
    QVERIFY(dialog.Open());
    QVERIFY(dialog.WasConfirmed());
    QCOMPARE(dialog.CallLabel()->text(), QString("Znak"));
    QCOMPARE(dialog.DateLabel()->text(), QString("Data (rrrr-mm-dd)"));
    QCOMPARE(dialog.AdifLabel()->text(), QString(" 81"));
    QCOMPARE(dialog.DeletedLabel()->text(), QString("D"));
    QCOMPARE(dialog.PrefixLabel()->text(), QString("DL/D"));
    QCOMPARE(dialog.NameLabel()->text(), QString("Germany"));
    QCOMPARE(dialog.findChild<QGroupBox*>("methodGroup")->title(), QString("Sposób potwierdzenia"));
    QCOMPARE(dialog.ConfirmButton()->text(), QString("Zatwierdź"));
    QCOMPARE(dialog.CancelButton()->text(), QString("Anuluj"));
    QVERIFY(dialog.LotwRadio()->isChecked());
    QCOMPARE(dialog.CallFieldText(), std::string("Y21AA          "));
    QCOMPARE(dialog.DateFieldText(), std::string("1989-11-09"));
    QVERIFY(dialog.CallEdit()->font().fixedPitch() ||
            QFontInfo(dialog.CallEdit()->font()).fixedPitch());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);

    // Filling the dialog is no edit: nothing is marked modified.
    QVERIFY(!form.station().Document().IsModified());

    form.station().SelectRow(GridRowOf(form, "F"));
    EntryDialogWindow blank(form.station(), &form);
    QVERIFY(blank.Open());
    QVERIFY(!blank.WasConfirmed());
    QCOMPARE(blank.CallFieldText(), std::string(15, ' '));
    QCOMPARE(blank.DateFieldText(), std::string("    -  -  "));
    QVERIFY(blank.QslRadio()->isChecked());
    // Letters turn into capitals as typed; the date field takes digits only.
    QTest::keyClicks(blank.CallEdit(), "sp9");
    QTest::sendKeyEvent(QTest::Click, blank.CallEdit(), Qt::Key_unknown, QString::fromUtf8("ą"),
                        {});
    QTest::keyClicks(blank.CallEdit(), "bc");
    QCOMPARE(blank.CallFieldText(), std::string("SP9ĄBC         "));
    blank.QsoDateEdit()->setCursorPosition(0);
    QTest::keyClicks(blank.QsoDateEdit(), "2x0a24");
    QCOMPARE(blank.DateFieldText(), std::string("2024-  -  "));
}

void EntryDialogWindowTest::tabOrderFollowsTheFields() {
    Program program;
    MainWindow& form = StartStation(program);
    form.station().SelectRow(GridRowOf(form, "F"));
    EntryDialogWindow dialog(form.station(), &form);
    QVERIFY(dialog.Open());
    const QList<QWidget*> order = {dialog.CallEdit(),      dialog.QsoDateEdit(),
                                   dialog.QslRadio(),      dialog.LotwRadio(),
                                   dialog.ConfirmButton(), dialog.CancelButton()};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
}

void EntryDialogWindowTest::refusedDateKeepsTheDialogOpenWithTheFocusOnTheDate() {
    Program program;
    MainWindow& form = StartStation(program);
    form.station().SelectRow(GridRowOf(form, "F"));
    EntryDialogWindow dialog(form.station(), &form);
    QVERIFY(dialog.Open());
    dialog.show();
    QTest::keyClicks(dialog.CallEdit(), "F5XYZ");
    program.prompter.ExpectError("Wprowadź datę łączności!");
    QTest::keyClick(dialog.QslRadio(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.QsoDateEdit());

    dialog.QsoDateEdit()->setCursorPosition(0);
    QTest::keyClicks(dialog.QsoDateEdit(), "20241317");
    program.prompter.ExpectError("Wprowadź poprawną datę łączności!");
    dialog.ConfirmButton()->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(TableRow(form, "227").call, std::string());
    QVERIFY(program.DialoguesAsScripted());
}

void EntryDialogWindowTest::escapeInTheCallFieldCancels() {
    Program program;
    MainWindow& form = StartStation(program);
    const int row = GridRowOf(form, "OH");
    form.station().SelectRow(row);
    EntryDialogWindow dialog(form.station(), &form);
    QVERIFY(dialog.Open());
    dialog.show();
    form.station().View().grid.currentRow.reset();
    QTest::keyClick(dialog.CallEdit(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(program.CurrentRow(), row);
    QCOMPARE(TableRow(form, "224").call, std::string("OH2BH"));
}

void EntryDialogWindowTest::doubleClickOnQslConfirmsAndEmptyCallRemoves() {
    Program program;
    MainWindow& form = StartStation(program);
    form.station().SelectRow(GridRowOf(form, "DL/D"));
    EntryDialogWindow dialog(form.station(), &form);
    QVERIFY(dialog.Open());
    dialog.show();
    dialog.CallEdit()->clear();
    QTest::mouseDClick(dialog.QslRadio(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const EntityRow& entity = TableRow(form, " 81");
    QCOMPARE(entity.call, std::string());
    QCOMPARE(entity.qsoDate, std::string());
    QCOMPARE(entity.confirmation, std::string());
    QCOMPARE(form.station().Document().Counts().toVerifyAll, 1);
    QCOMPARE(form.station().Document().Counts().lotwCount, 0);
}

void EntryDialogWindowTest::dateFieldEditMarksTheDataModified() {
    Program program;
    MainWindow& form = StartStation(program);
    form.station().SelectRow(GridRowOf(form, "OH"));
    EntryDialogWindow dialog(form.station(), &form);
    form.Follow(dialog);
    QVERIFY(dialog.Open());
    dialog.show();
    QVERIFY(!form.station().Document().IsModified());
    dialog.QsoDateEdit()->setCursorPosition(9);
    QTest::keyClick(dialog.QsoDateEdit(), Qt::Key_9);
    QVERIFY(form.station().Document().IsModified());
    QCOMPARE(program.Panel("fileBar", 1), QString("   Modyfikacja"));
    dialog.CancelButton()->click();
    QCOMPARE(TableRow(form, "224").qsoDate, std::string("2023-07-08"));
}

void EntryDialogWindowTest::verifiedRowIsRefusedBeforeTheDialogShows() {
    Program program;
    MainWindow& form = StartStation(program);
    const int row = GridRowOf(form, "SP");
    ClickRow(form, row);
    bool ran = false;
    WhenEntryDialogOpens([](EntryDialogWindow&) {}, &ran);
    program.prompter.ExpectError("Nie można zmieniać zweryfikowanych danych!");
    form.MenuItem("editCurrentEntity")->trigger();
    QVERIFY(!ran);
    QVERIFY(program.DialoguesAsScripted());
    QCoreApplication::processEvents();
}

void EntryDialogWindowTest::verificationRunsThroughTheDateDialog() {
    Program program;
    MainWindow& form = StartStation(program);
    program.prompter.ExpectBox(kVerificationBox, Answer::Yes);
    form.MenuItem("verifyData")->trigger();
    QVERIFY(form.verificationDateDialog());
    VerificationDateDialog& dates = *form.verificationDateDialog();
    QVERIFY(dates.isVisible());
    QVERIFY(!dates.isModal());
    QCOMPARE(dates.windowTitle(), QString("Data weryfikacji"));
    QVERIFY(!(dates.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(dates.DateEdit()->text(), QString("2026-12-08"));
    QCOMPARE(dates.focusWidget(), static_cast<QWidget*>(dates.OkButton()));

    form.station().View().typedPrefix = "O";
    dates.DateEdit()->setText("2025-01-10");
    QTest::keyClick(dates.DateEdit(), Qt::Key_Return);
    QVERIFY(!dates.isVisible());
    QVERIFY(form.station().View().typedPrefix.empty());
    QCOMPARE(TableRow(form, "224").verifiedDate, std::string("2025-01-10"));
    QCOMPARE(TableRow(form, " 81").verifiedDate, std::string("2025-01-10"));
    QCOMPARE(program.Cell(GridRowOf(form, "OH"), 7), QString("2025-01-10"));
    QCOMPARE(program.Panel("counterBar", 0), QString("Razem:       2/3"));
    QCOMPARE(program.Panel("counterBar", 1), QString("Zweryfikowane:   2/3"));
    QCOMPARE(program.Panel("counterBar", 2), QString("Do weryfikacji:  0/0"));
    QCOMPARE(program.Panel("fileBar", 1), QString("   Modyfikacja"));

    program.prompter.ExpectError("Brak danych do weryfikacji!");
    form.MenuItem("verifyData")->trigger();
    QVERIFY(!dates.isVisible());
    QVERIFY(program.DialoguesAsScripted());
}

void EntryDialogWindowTest::blankVerificationDateKeepsTheDateDialogOpen() {
    Program program;
    MainWindow& form = StartStation(program);
    program.prompter.ExpectBox(kVerificationBox, Answer::Yes);
    form.MenuItem("verifyData")->trigger();
    VerificationDateDialog& dates = *form.verificationDateDialog();
    dates.DateEdit()->clear();
    program.prompter.ExpectError("Wprowadź datę weryfikacji!");
    dates.OkButton()->click();
    QVERIFY(dates.isVisible());
    QCOMPARE(TableRow(form, "224").verifiedDate, std::string());
    QVERIFY(!form.station().Document().IsModified());
    dates.CancelButton()->click();
    QVERIFY(!dates.isVisible());
    QVERIFY(program.DialoguesAsScripted());
}

QTEST_MAIN(EntryDialogWindowTest)
#include "entry_dialog_test.moc"
