// The import window over the main window of a station of all shipped entities.
#include "import_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "text/cp1250.h"
#include "ui_fixture.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

MainWindow& StartStation(Program& program, const std::vector<Entity>& confirmed = {}) {
    Settings settings;
    settings.call = "SP9XYZ";
    settings.file = program.WriteStation("sp9xyz.txt", "SP9XYZ", confirmed);
    program.WriteSettings(settings);
    MainWindow& form = program.Start();
    form.show();
    return form;
}

const EntityRow& TableRow(const MainWindow& form, const std::string& adif) {
    return form.station().Document().Table().Row(form.station().Document().Table().FindAdif(adif));
}

// A click on the box or circle of a check box or radio button, where the user clicks.
void Tick(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Runs `drive` once the window's modal loop has started, then closes it if still open.
void WhenShown(ImportWindow& window, const std::function<void()>& drive, bool* ran) {
    QTimer::singleShot(0, &window, [&window, drive, ran] {
        *ran = true;
        drive();
        if (window.isVisible()) window.reject();
    });
}

MessageBox ContinueQuestion() {
    return {kImportContinueQuestion, "Kontynuacja importu", Icon::Question, Buttons::YesNo,
            Answer::No};
}

}  // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsStartAsDesigned();
    void extractBoxesExcludeEachOther();
    void seriesOfTwoFilesYesThenNo();
    void powrotAfterYesLeavesSeriesEndUndone();
    void progressBarShowsWhileReading();
    void wybierzSelectsTheSourceOfTheChosenFile();
};

void ImportWindowTest::controlsStartAsDesigned() {
    Program program;
    MainWindow& form = StartStation(program);
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    QCOMPARE(window.windowTitle(), QString("Importowanie danych z pliku ADIF"));
    QVERIFY(window.FileEdit()->text().isEmpty());
    QCOMPARE(window.ChooseButton()->text(), QString("Wybierz"));
    QCOMPARE(window.ImportButton()->text(), QString("Importuj"));
    QCOMPARE(window.BackButton()->text(), QString::fromUtf8("Powrót"));
    QCOMPARE(window.InfoButton()->text(), QString("Info"));
    QVERIFY(window.LogSourceRadio()->isChecked());
    QVERIFY(!window.LotwSourceRadio()->isChecked());
    QVERIFY(window.LogPriorityRadio()->isChecked());
    QCOMPARE(window.LogPriorityRadio()->text(), QString("Log (QSL)"));
    QVERIFY(!window.LotwPriorityRadio()->isChecked());
    QVERIFY(!window.ExtractQslCheck()->isChecked());
    QVERIFY(!window.ExtractLotwCheck()->isChecked());
    QCOMPARE(window.IncludeDeletedCheck()->text(),
             QString::fromUtf8("Uwzględniaj w ADIF podmioty Deleted"));
    QVERIFY(!window.IncludeDeletedCheck()->isChecked());
    QVERIFY(window.ProgressBar()->isHidden());
    QCOMPARE(window.ProgressBar()->minimum(), 0);
    QCOMPARE(window.ProgressBar()->maximum(), 100);
    // Tab reads the window from the top: the file, its source, the options, then the buttons.
    const QList<QWidget*> readingOrder = {
        window.FileEdit(),        window.ChooseButton(),     window.LogSourceRadio(),
        window.LotwSourceRadio(), window.LogPriorityRadio(), window.LotwPriorityRadio(),
        window.ExtractQslCheck(), window.ExtractLotwCheck(), window.IncludeDeletedCheck(),
        window.ImportButton(),    window.InfoButton(),       window.BackButton()};
    for (qsizetype i = 1; i < readingOrder.size(); ++i)
        QCOMPARE(readingOrder[i - 1]->nextInFocusChain(), readingOrder[i]);
}

void ImportWindowTest::extractBoxesExcludeEachOther() {
    Program program;
    MainWindow& form = StartStation(program);
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    window.show();
    Tick(window.ExtractQslCheck());
    QVERIFY(window.ExtractQslCheck()->isChecked());
    Tick(window.ExtractLotwCheck());
    QVERIFY(window.ExtractLotwCheck()->isChecked());
    QVERIFY(!window.ExtractQslCheck()->isChecked());
    Tick(window.ExtractLotwCheck());  // unchecking leaves the other alone
    QVERIFY(!window.ExtractLotwCheck()->isChecked());
    QVERIFY(!window.ExtractQslCheck()->isChecked());
}

void ImportWindowTest::seriesOfTwoFilesYesThenNo() {
    Program program;
    MainWindow& form = StartStation(program, {{"DL", "DL1OLD", "2000-01-01", "QSL", ""}});
    program.dir.Write(
        "log.adi",
        "Log\r\n<EOH>\r\n<CALL:4>K1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291<EOR>\r\n"
        "<CALL:4>ZZ9Z<QSL_RCVD:1>Y<DXCC:3>999<EOR>\r\n");
    program.dir.Write("lotw.adi",
                      "LoTW report<eoh>\r\n<call:5>dl2new<qso_date:8:d>20230303<qsl_rcvd:1:s>y"
                      "<dxcc:3>230<eor>\r\n<call:4>ea6a<lotw_qsl_rcvd:1>Y<dxcc:2>21<eor>\r\n"
                      "<APP_LoTW_EOF>\r\n");
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    program.prompter.ExpectBox(ContinueQuestion(), Answer::Yes)
        .ExpectBox(ContinueQuestion(), Answer::No)
        .ExpectBox({kImportDone, "Komunikat", Icon::Information, Buttons::Ok, {}});
    bool ran = false;
    bool openAfterFirst = false;
    WhenShown(
        window,
        [&] {
            Tick(window.LotwSourceRadio());
            Tick(window.ExtractLotwCheck());
            window.FileEdit()->setText(QString::fromStdString(program.dir.File("log.adi")));
            QTest::mouseClick(window.ImportButton(), Qt::LeftButton);
            openAfterFirst = window.isVisible();
            window.FileEdit()->setText(QString::fromStdString(program.dir.File("lotw.adi")));
            QTest::mouseClick(window.ImportButton(), Qt::LeftButton);
        },
        &ran);
    window.Run();
    QVERIFY(ran);
    QVERIFY(openAfterFirst);
    QVERIFY(!window.isVisible());
    QVERIFY(program.DialoguesAsScripted());

    QCOMPARE(TableRow(form, "291").call, std::string("K1AA"));
    QCOMPARE(TableRow(form, "291").confirmation, std::string("LoTW"));
    // With the priority of QSL cards a LoTW report never replaces a filled row.
    QCOMPARE(TableRow(form, "230").call, std::string("DL1OLD"));
    QCOMPARE(TableRow(form, "230").confirmation, std::string("QSL"));
    QCOMPARE(TableRow(form, " 21").call, std::string("EA6A"));
    QCOMPARE(TableRow(form, " 21").confirmation, std::string("LoTW"));
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  1/2"));
    QCOMPARE(program.Panel("counterBar", 2), QString("Do weryfikacji:  3/3"));
    QCOMPARE(program.Panel("fileBar", 1), QString("   Modyfikacja"));
    QCOMPARE(form.station().View().viewMode, ViewMode::AllEntities);
    QCOMPARE(program.GridRows(), form.station().Document().Table().Count());
    QCOMPARE(QString::fromStdString(program.dir.Read("bledy_dxcc.txt")),
             QString::fromStdString(*EncodeCp1250(kImportErrorFileTitle) +
                                    "\r\n<call:4>zz9z<qsl_rcvd:1>y<dxcc:3>999<eor>\r\n"));
    const std::string extract = program.dir.Read("lotw_lotw.adi");
    QVERIFY(extract.find("<call:4>ea6a<lotw_qsl_rcvd:1>Y<dxcc:2>21<eor>\r\n") != std::string::npos);
    QVERIFY(extract.find("dl2new") == std::string::npos);
    QVERIFY(extract.find("<CALL:4>K1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291<EOR>\r\n") !=
            std::string::npos);
    // The window keeps its controls for the next series.
    QVERIFY(window.LotwSourceRadio()->isChecked());
    QVERIFY(window.ExtractLotwCheck()->isChecked());
    QCOMPARE(window.FileEdit()->text(), QString::fromStdString(program.dir.File("lotw.adi")));
}

void ImportWindowTest::powrotAfterYesLeavesSeriesEndUndone() {
    Program program;
    MainWindow& form = StartStation(program);
    program.dir.Write("log.adi", "<CALL:4>K1AA<QSL_RCVD:1>Y<DXCC:3>291<EOR>");
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    program.prompter.ExpectBox(ContinueQuestion(), Answer::Yes);
    bool ran = false;
    WhenShown(
        window,
        [&] {
            Tick(window.ExtractQslCheck());
            window.FileEdit()->setText(QString::fromStdString(program.dir.File("log.adi")));
            QTest::mouseClick(window.ImportButton(), Qt::LeftButton);
            QTest::mouseClick(window.BackButton(), Qt::LeftButton);
        },
        &ran);
    window.Run();
    QVERIFY(ran);
    QVERIFY(program.DialoguesAsScripted());
    QCOMPARE(TableRow(form, "291").call, std::string("K1AA"));
    QVERIFY(!program.dir.Exists("log_qsl.adi"));
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  0/0"));

    // What the unfinished series changed is one step, taken back by Ctrl+Z in the grid.
    QCOMPARE(form.MenuItem("undoStep")->text().remove('&'), QString("Cofnij: import danych"));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(TableRow(form, "291").call, std::string());
    QCOMPARE(program.Panel("fileBar", 1), QString());
    QVERIFY(!form.MenuItem("undoStep")->isEnabled());
    QCOMPARE(form.MenuItem("redoStep")->text().remove('&'), QString("Ponów: import danych"));
}

void ImportWindowTest::progressBarShowsWhileReading() {
    Program program;
    MainWindow& form = StartStation(program);
    std::string log = "<EOH>";
    for (int i = 0; i < 20000; ++i) log += "<CALL:4>K1AA<QSL_RCVD:1>N<DXCC:3>291<EOR>\r\n";
    program.dir.Write("log.adi", log);
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    bool barSeenDuringQuestion = false;
    program.prompter.ExpectBox(ContinueQuestion(), Answer::Yes);
    bool ran = false;
    WhenShown(
        window,
        [&] {
            window.FileEdit()->setText(QString::fromStdString(program.dir.File("log.adi")));
            QTest::mouseClick(window.ImportButton(), Qt::LeftButton);
            barSeenDuringQuestion = window.ProgressBar()->value() == 100;
        },
        &ran);
    window.Run();
    QVERIFY(ran);
    QVERIFY(barSeenDuringQuestion);
    QVERIFY(window.ProgressBar()->isHidden());
}

void ImportWindowTest::wybierzSelectsTheSourceOfTheChosenFile() {
    Program program;
    MainWindow& form = StartStation(program);
    program.dir.Write("report.adi", "ARRL Logbook of the World Status Report\r\n<eoh>\r\n");
    program.dir.Write("log.adi", "Log\r\n<PROGRAMID:5>Other<EOH>\r\n");
    ImportWindow window(form.station(), &form);
    form.Follow(window);
    window.show();
    const FileChoice choice{kAdifFileFilter, "", ""};
    for (const auto& [name, lotw] : {std::pair{"report.adi", true}, std::pair{"log.adi", false}}) {
        program.prompter.ExpectOpenFile(choice, program.dir.File(name));
        QTest::mouseClick(window.ChooseButton(), Qt::LeftButton);
        QCOMPARE(window.LotwSourceRadio()->isChecked(), lotw);
    }
    QVERIFY(program.DialoguesAsScripted());
}

QTEST_MAIN(ImportWindowTest)
#include "import_window_test.moc"
