#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <string>
#include <vector>

#include "lotw_download_command.h"
#include "ui_fixture.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

// The captions as read, without the marks of the access keys.
QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* a : actions)
        captions << (a->isSeparator() ? "-" : QString(a->text()).remove('&'));
    return captions;
}

// Every item of the bar and of each menu: one access key each, none twice in one menu.
void ExpectDistinctAccessKeys(const QList<QAction*>& actions) {
    QSet<QChar> keys;
    for (const QAction* a : actions) {
        if (a->isSeparator()) continue;
        const qsizetype mark = a->text().indexOf('&');
        QVERIFY2(mark >= 0 && !keys.contains(a->text().at(mark + 1).toLower()),
                 qPrintable(a->text()));
        keys.insert(a->text().at(mark + 1).toLower());
        if (a->menu()) ExpectDistinctAccessKeys(a->menu()->actions());
    }
}

QStringList MenuCaptions(MainWindow& form, const char* menu) {
    return Captions(form.MenuItem(menu)->menu()->actions());
}

const char* const kAllFileCommands[] = {"openSearch",        "saveStation",      "saveStationAs",
                                        "saveVerifiedList",  "saveToVerifyList", "printMenu",
                                        "editCurrentEntity", "importMenu",       "importData",
                                        "downloadFromLotw",  "verificationMenu", "viewMenu"};

// A build without LoTW hides its item, and Qt disables what it hides.
std::vector<const char*> FileCommands() {
    std::vector<const char*> items;
    for (const char* item : kAllFileCommands)
        if (LotwDownloadBuilt() || std::string(item) != "downloadFromLotw") items.push_back(item);
    return items;
}
const std::vector<const char*> kFileCommands = FileCommands();
const char* const kAlwaysEnabled[] = {"newStation",   "openStation",        "saveQslList",
                                      "saveLotwList", "openEntityDatabase", "quit",
                                      "settingsMenu", "coloursMenu",        "chooseFont",
                                      "helpMenu",     "openHelp",           "showAbout"};

// Three confirmed entities, one of them deleted and verified, and one LoTW to verify.
const std::vector<Entity> kConfirmations = {
    {"SP", "SP5ABC", "2020-01-02", "QSL", "2021-03-04"},
    {"DL", "DL1XX", "2022-05-06", "LoTW", ""},
    {"1B", "1B1AA", "1990-01-01", "QSL", "1991-02-02"},
    {"OH", "OH2BH", "2023-07-08", "QSL", ""},
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartShowsAnEmptyGridWithFileCommandsDisabled();
    void menuBarHoldsEveryItemInOrder();
    void settingsReopenTheLastStationWithItsLook();
    void settingsNamingAMissingFileKeepFileCommandsDisabled();
    void missingReferenceFileEndsTheProgram();
    void closingWithUnsavedDataAsksAndCancelKeepsTheWindow();
    void closingUnchangedWritesTheSettingsAndCloses();
    void windowWidthFollowsTheColumns();
    void oversizedSettingsStartWithinTheScreen();
};

void MainWindowTest::firstStartShowsAnEmptyGridWithFileCommandsDisabled() {
    Program program;
    MainWindow& form = program.Start();
    QVERIFY(program.started);
    QCOMPARE(form.windowTitle(), QString("Zestawienie Podmiotów DXCC"));
    QCOMPARE(program.GridRows(), 0);
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(form.GridModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString::fromUtf8(kColumnTitles[static_cast<size_t>(c)]));
    }
    QCOMPARE(program.Panel("counterBar", 0), QString("Razem:       0/0"));
    QCOMPARE(program.Panel("counterBar", 1), QString("Zweryfikowane:   0/0"));
    QCOMPARE(program.Panel("counterBar", 2), QString("Do weryfikacji:  0/0"));
    QCOMPARE(program.Panel("counterBar", 3), QString());
    QCOMPARE(program.Panel("fileBar", 2), QString("  Rosnąco"));
    for (const char* item : kFileCommands) QVERIFY2(!program.Enabled(item), item);
    for (const char* item : kAlwaysEnabled) QVERIFY2(program.Enabled(item), item);
    QVERIFY(form.MenuItem("showAllEntities")->isChecked());
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::menuBarHoldsEveryItemInOrder() {
    Program program;
    MainWindow& form = program.Start();
    QCOMPARE(Captions(form.menuBar()->actions()),
             QStringList({"Plik", "Zmiany", "Widok", "Drukowanie", "Import danych", "Weryfikacja",
                          "Edycja", "Szukanie", "Ustawienia", "Pomoc"}));
    ExpectDistinctAccessKeys(form.menuBar()->actions());
    ExpectDistinctAccessKeys(form.MenuItem("gridPopupMenu")->menu()->actions());
    QCOMPARE(MenuCaptions(form, "fileMenu"),
             QStringList({"Nowy", "-", "Otwórz", "-", "Zapisz                          Ctrl+S",
                          "Zapisz jako..", "Przywróć poprzednią wersję...",
                          "Zapisz listę podmiotów zweryfik.", "Zapisz listę podmiotów potw. QSL",
                          "Zapisz listę podmiotów potw. LoTW", "-", "Zarządzanie bazą podmiotów",
                          "-", "Koniec"}));
    QCOMPARE(MenuCaptions(form, "changesMenu"), QStringList({"Cofnij", "Ponów"}));
    QCOMPARE(MenuCaptions(form, "viewMenu"),
             QStringList({"Wszystkie podmioty", "Wszystkie podmioty bez zweryfikowanych",
                          "Podmioty do weryfikacji", "Podmioty zweryfikowane",
                          "Podmioty potwierdzone (zweryf. i do weryf.)", "Podmioty niepotwierdzone",
                          "-", "Nie wyświetlaj podmiotów usuniętych"}));
    QCOMPARE(MenuCaptions(form, "printMenu"),
             QStringList({"Normalne..", "Uproszczone..", "Konfiguracja drukarki"}));
    QCOMPARE(MenuCaptions(form, "normalPrintMenu"),
             QStringList({"Kompletna lista", "Lista podmiotów zweryfikowanych"}));
    QCOMPARE(MenuCaptions(form, "simplifiedPrintMenu"),
             QStringList({"Kompletna lista", "Lista podmiotów zweryfikowanych",
                          "Lista podmiotów do weryfikacji"}));
    QCOMPARE(MenuCaptions(form, "importMenu"),
             QStringList({"Z pliku ADIF...", "Pobierz z LoTW..."}));
    QCOMPARE(MenuCaptions(form, "verificationMenu"),
             QStringList({"Zapisz listę podmiotów do weryfikacji",
                          "Drukuj listę podmiotów do weryfikacji", "-", "Weryfikacja danych"}));
    QCOMPARE(MenuCaptions(form, "settingsMenu"), QStringList({"Kolory", "Czcionka"}));
    QCOMPARE(
        MenuCaptions(form, "coloursMenu"),
        QStringList({"Kolor tła dla podmiotów potwierdzonych", "Kolor tła dla podmiotów usuniętych",
                     "Kolor tła dla podmiotów zweryfikowanych",
                     "Kolor tła dla podmiotów pozostałych"}));
    QCOMPARE(MenuCaptions(form, "helpMenu"), QStringList({"Plik pomocy", "O programie.."}));
    QCOMPARE(MenuCaptions(form, "gridPopupMenu"), QStringList({"Wysokość wierszy"}));
    // The six views are one radio group; hiding deleted entities stands apart.
    form.MenuItem("showVerified")->setChecked(true);
    QVERIFY(!form.MenuItem("showAllEntities")->isChecked());
    QVERIFY(form.MenuItem("hideDeleted")->isCheckable());
    QVERIFY(!form.MenuItem("hideDeleted")->actionGroup());
}

void MainWindowTest::settingsReopenTheLastStationWithItsLook() {
    Program program;
    Settings settings;
    settings.call = "SP5ABC";
    settings.file = program.WriteStation("sp5abc.txt", "SP5ABC", kConfirmations);
    settings.columnWidths = {40, 14, 50, 170, 90, 100, 60, 80};
    settings.rowHeight = 30;
    settings.windowHeight = 500;
    settings.viewAll = true;
    settings.viewVerified = true;
    program.WriteSettings(settings);

    MainWindow& form = program.Start();
    QVERIFY(program.started);
    QCOMPARE(form.windowTitle(), QString("Zestawienie Podmiotów DXCC dla stacji SP5ABC"));
    for (const char* item : kFileCommands) QVERIFY2(program.Enabled(item), item);
    // The last view key read wins.
    QVERIFY(form.MenuItem("showVerified")->isChecked());
    QCOMPARE(form.findChild<QLabel*>("viewName")->text(), QString("Zweryfikowane"));
    QCOMPARE(program.GridRows(), 2);
    QCOMPARE(program.Panel("counterBar", 0), QString("Razem:       3/4"));
    QCOMPARE(program.Panel("counterBar", 1), QString("Zweryfikowane:   1/2"));
    QCOMPARE(program.Panel("counterBar", 2), QString("Do weryfikacji:  2/2"));
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  3/1"));
    QCOMPARE(form.findChild<PanelBar*>("fileBar")->toolTip(),
             QString::fromStdString(settings.file));
    QCOMPARE(form.findChild<QLabel*>("prefixHint")->text(),
             QString("Wprowadź prefiks szukanego podmiotu"));

    const QHeaderView* titles = form.Grid()->horizontalHeader();
    int sum = 0;
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(titles->sectionSize(c), settings.columnWidths[static_cast<size_t>(c)]);
        sum += settings.columnWidths[static_cast<size_t>(c)];
    }
    QCOMPARE(form.Grid()->verticalHeader()->defaultSectionSize(), 30);
    QCOMPARE(form.width(), std::max(sum + 36, form.menuBar()->sizeHint().width()));
    QCOMPARE(form.height(), 500);
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::settingsNamingAMissingFileKeepFileCommandsDisabled() {
    Program program;
    Settings settings;
    settings.file = program.dir.File("gone.txt");
    program.WriteSettings(settings);
    program.prompter.ExpectError("Plik danych \n" + settings.file + "\nnie został znaleziony!");
    MainWindow& form = program.Start();
    QVERIFY(program.started);
    QCOMPARE(program.GridRows(), 0);
    for (const char* item : kFileCommands) QVERIFY2(!program.Enabled(item), item);
    QCOMPARE(form.windowTitle(), QString("Zestawienie Podmiotów DXCC"));
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::missingReferenceFileEndsTheProgram() {
    Program program;
    RemoveFile(program.dir.File("dxcc_adif.kvt"));
    program.prompter.ExpectError(MissingReferenceMessage(program.dir.File("dxcc_adif.kvt")));
    program.Start();
    QVERIFY(!program.started);
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::closingWithUnsavedDataAsksAndCancelKeepsTheWindow() {
    Program program;
    Settings settings;
    settings.call = "SP5ABC";
    settings.file = program.WriteStation("sp5abc.txt", "SP5ABC", kConfirmations);
    program.WriteSettings(settings);
    MainWindow& form = program.Start();
    form.show();
    form.station().MarkModified();
    form.Refresh();
    QCOMPARE(program.Panel("fileBar", 1), QString("Modyfikacja"));
    RemoveFile(program.dir.File("zorva_rade.ini"));

    program.prompter.ExpectBox(
        Warning("Dane nie zostały zapisane!\nZapisać?", Buttons::YesNoCancel), Answer::Cancel);
    form.MenuItem("quit")->trigger();
    QVERIFY(form.isVisible());
    // The settings were written before the question.
    QVERIFY(program.dir.Exists("zorva_rade.ini"));
    QVERIFY(program.DialoguesAsScripted());

    program.prompter.ExpectBox(
        Warning("Dane nie zostały zapisane!\nZapisać?", Buttons::YesNoCancel), Answer::No);
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::closingUnchangedWritesTheSettingsAndCloses() {
    Program program;
    MainWindow& form = program.Start();
    form.show();
    QVERIFY(form.close());
    const SettingsRead written = ReadSettingsFile(program.dir.File("zorva_rade.ini"));
    QVERIFY(written.ok());
    QCOMPARE(written.settings.windowHeight, form.height());
    QCOMPARE(written.settings.windowWidth, form.width());
    QVERIFY(program.DialoguesAsScripted());
}

void MainWindowTest::windowWidthFollowsTheColumns() {
    Program program;
    MainWindow& form = program.Start();
    form.show();
    const int columns = 35 + 12 + 48 + 167 + 85 + 141 + 74 + 74 + 36;
    const int menus = form.menuBar()->sizeHint().width();
    QCOMPARE(form.width(), std::max(columns, menus));
    form.resize(1000, 300);
    QCOMPARE(form.width(), std::max(columns, menus));
    form.resize(form.width(), 100);
    QVERIFY(form.height() >= 260);

    // Widening a column with the mouse moves the window's edge on release.
    form.Grid()->horizontalHeader()->resizeSection(3, 267);
    QCOMPARE(form.station().appearance.columnWidths[3], 267);
    QTest::mouseRelease(form.Grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                        QPoint(5, 5));
    QCOMPARE(form.width(), 35 + 12 + 48 + 267 + 85 + 141 + 74 + 74 + 36);
    const int quarter = form.width() / 4;
    QCOMPARE(form.findChild<PanelBar*>("counterBar")->PanelWidth(0), quarter);
    // The file name yields to the whole "   Modyfikacja" mark.
    const PanelBar& fileBar = *form.findChild<PanelBar*>("fileBar");
    QCOMPARE(fileBar.PanelWidth(2), form.width() / 8);
    QVERIFY(fileBar.PanelWidth(1) >=
            QFontMetrics(fileBar.font()).horizontalAdvance("   Modyfikacja") + 4);
}

void MainWindowTest::oversizedSettingsStartWithinTheScreen() {
    Program program;
    Settings settings;
    settings.columnWidths[3] = 2147483647;
    settings.windowHeight = 2147483647;
    program.WriteSettings(settings);
    MainWindow& form = program.Start();
    form.show();
    QCOMPARE(form.station().appearance.columnWidths[3], kMaxColumnWidth);
    // Frame and all, the window lies within the screen's free area.
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(form.frameGeometry()));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
