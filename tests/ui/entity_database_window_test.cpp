// The entity database editor's window, driven with the keyboard and the mouse.
#include "entity_database_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "entity_grid_model.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "main_window.h"
#include "panel_bar.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "test_rows.h"

using namespace zorva;
using zorva::testing::CrLf;
using zorva::testing::Row;
using zorva::testing::ScriptedPrompter;

namespace {

const std::string kMalta = "246| |1A0  |Military Order of Malta |";
const std::string kRotuma = "460| |3D2  |Rotuma Island           |";
const std::string kFiji = "176| |3D2  |Fiji                    |";
const std::string kSwaziland = "468| |3DA  |Swaziland               |";
const std::string kCanada = "  1| |VE   |Canada                  |";
const std::string kBlenheim = " 23|D|1B   |Blenheim Reef           |";

const MessageBox kAdded{
    "Podmiot został dodany do bazy!", "Informacja", Icon::Information, Buttons::Ok, {}};
const MessageBox kUnsaved{"Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?",
                          "Ostrzeżenie",
                          Icon::Warning,
                          Buttons::YesNoCancel,
                          {}};

// A program directory with the reference file and the station SP5ABC, opened in the main window.
struct Fixture {
    Fixture() {
        dir.Write("dxcc_adif.kvt", CrLf({kMalta, kBlenheim, kRotuma, kFiji, kSwaziland, kCanada}));
        original = dir.Read("dxcc_adif.kvt");
        const std::vector<EntityRow> rows = {
            Row("246", "", "1A0", "Military Order of Malta", "1A0KM", "2019-05-01", "QSL"),
            Row(" 23", "D", "1B", "Blenheim Reef"),
            Row("460", "", "3D2", "Rotuma Island"),
            Row("176", "", "3D2", "Fiji", "3D2AG", "2020-01-05", "QSL"),
            Row("468", "", "3DA", "Swaziland"),
            Row("  1", "", "VE", "Canada")};
        WriteTextLines(dir.File("sp5abc.txt"),
                       zorva::testing::StationLines("SP5ABC", rows, "2026-12-08"));
        form.station().SetCurrentFileName(dir.File("sp5abc.txt"));
        form.station().LoadStationFile();
        form.Refresh();
    }

    zorva::testing::TempDir dir;
    std::string original;
    ScriptedPrompter prompter;
    zorva::testing::FixedClock clock;
    MainWindow form{prompter, clock, dir.Path()};
};

void Show(EntityDatabaseWindow& window) {
    QVERIFY(window.Prepare());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class EntityDatabaseWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void addsAnEntityWithTheKeyboard();
    void numberFieldTakesDigitsAndRefusesATakenNumber();
    void controlsShowTheEditorsState();
    void powrotAsksOnlyAfterTyping();
    void missingReferenceKeepsTheWindowShut();
    void mainMenuOpensTheEditorModally();
};

void EntityDatabaseWindowTest::addsAnEntityWithTheKeyboard() {
    Fixture f;
    QVERIFY(!f.form.station().Document().IsModified());
    EntityDatabaseWindow window(f.form.station(), &f.form);
    f.form.Follow(window);
    Show(window);
    QCOMPARE(window.StateLabel()->text(), QString("5/6"));

    QTest::mouseClick(window.NewEntityButton(), Qt::LeftButton);  // "Nowy podmiot"
    QCOMPARE(QApplication::focusWidget(), window.AdifEdit());
    QTest::keyClicks(window.AdifEdit(), "512");
    QTest::keyClick(window.AdifEdit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.PrefixEdit());
    QTest::keyClicks(window.PrefixEdit(), "3d2/c");
    QCOMPARE(window.PrefixEdit()->text(), QString("3D2/C"));
    QTest::keyClick(window.PrefixEdit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.DeletedCheck());  // beside the prefix
    QTest::keyClick(window.DeletedCheck(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.NameEdit());
    QTest::keyClicks(window.NameEdit(), "Conway Reef");
    window.SaveButton()->setFocus();
    f.prompter.ExpectBox(kAdded);
    QTest::keyClick(window.SaveButton(), Qt::Key_Space);  // "Zapisz zmiany"
    QVERIFY(f.prompter.Done());

    const std::string conway = "512| |3D2/C|Conway Reef             |";
    QCOMPARE(f.dir.Read("dxcc_adif.kvt"),
             CrLf({kMalta, kBlenheim, kRotuma, kFiji, conway, kSwaziland, kCanada}));
    QCOMPARE(f.dir.Read("dxcc_adif.kvt~"), f.original);
    QCOMPARE(window.EntityList()->currentRow(), 4);
    QCOMPARE(window.EntityList()->item(4)->text(), QString::fromStdString(conway));
    QCOMPARE(window.StateLabel()->text(), QString("6/7"));
    QVERIFY(window.AdifEdit()->text().isEmpty() && window.PrefixEdit()->text().isEmpty() &&
            window.NameEdit()->text().isEmpty());
    QVERIFY(window.AdifEdit()->isReadOnly());

    // The grid shows the new entity in its prefix place, and the data are marked modified.
    EntityGridModel* grid = f.form.GridModel();
    QCOMPARE(grid->rowCount(), f.form.station().View().grid.DataRowCount());
    QCOMPARE(f.form.station().View().grid.DataRowCount(), 7);
    QCOMPARE(f.form.station().Document().Table().Row(5).prefix, std::string("3D2/C"));
    bool shown = false;
    for (int r = 0; r < grid->rowCount(); ++r)
        shown = shown || grid->data(grid->index(r, 3), Qt::DisplayRole).toString() == "Conway Reef";
    QVERIFY(shown);
    QVERIFY(f.form.station().Document().IsModified());
    auto* statusBar2 = f.form.findChild<PanelBar*>("fileBar");
    QVERIFY(statusBar2);
    QCOMPARE(statusBar2->Text(1), QString("Modyfikacja"));
}

void EntityDatabaseWindowTest::numberFieldTakesDigitsAndRefusesATakenNumber() {
    Fixture f;
    EntityDatabaseWindow window(f.form.station(), &f.form);
    Show(window);
    QTest::keyClicks(window.AdifEdit(), "12");
    QCOMPARE(window.AdifEdit()->text(), QString());  // read-only until "Nowy podmiot"

    QTest::mouseClick(window.NewEntityButton(), Qt::LeftButton);
    QTest::keyClicks(window.AdifEdit(), "a1-b");
    QCOMPARE(window.AdifEdit()->text(), QString("1"));
    f.prompter.ExpectError("Podmiot o takim numerze już istnieje w bazie!");
    QTest::keyClick(window.AdifEdit(), Qt::Key_Tab);
    QVERIFY(f.prompter.Done());
    QCOMPARE(window.EntityList()->currentRow(), 5);
    QCOMPARE(QApplication::focusWidget(), window.AdifEdit());
    QCOMPARE(window.AdifEdit()->text(),
             QString("1"));  // the window's own selection does not load the fields
}

void EntityDatabaseWindowTest::controlsShowTheEditorsState() {
    Fixture f;
    EntityDatabaseWindow window(f.form.station(), &f.form);
    Show(window);
    QCOMPARE(window.windowTitle(), QString("Zarządzanie bazą podmiotów"));
    QVERIFY(QFontInfo(window.EntityList()->font()).fixedPitch());
    QCOMPARE(window.EntityList()->count(), 6);
    QVERIFY(!window.AdifLabel()->isEnabled());
    QVERIFY(window.AdifEdit()->isReadOnly());
    QCOMPARE(window.NameEdit()->maxLength(), 24);

    // A click on a line loads it; the arrow keys do the same.
    QListWidget* list = window.EntityList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(window.AdifEdit()->text(), QString(" 23"));
    QCOMPARE(window.PrefixEdit()->text(), QString("1B"));
    QCOMPARE(window.NameEdit()->text(), QString("Blenheim Reef"));
    QVERIFY(window.DeletedCheck()->isChecked());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(window.NameEdit()->text(), QString("Rotuma Island"));
    QVERIFY(!window.DeletedCheck()->isChecked());
    // Tab passes from the list over the read-only number to the prefix.
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.PrefixEdit());

    QTest::mouseClick(window.NewEntityButton(), Qt::LeftButton);
    QVERIFY(window.AdifLabel()->isEnabled());
    QVERIFY(!window.AdifEdit()->isReadOnly());
    QVERIFY(window.NameEdit()->text().isEmpty());
}

void EntityDatabaseWindowTest::powrotAsksOnlyAfterTyping() {
    Fixture f;
    EntityDatabaseWindow window(f.form.station(), &f.form);
    Show(window);
    QTest::mouseClick(window.DeletedCheck(), Qt::LeftButton);  // not typing
    QTest::mouseClick(window.BackButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());

    Show(window);
    QTest::keyClicks(window.NameEdit(), "x");
    f.prompter.ExpectBox(kUnsaved, Answer::Cancel);
    QTest::mouseClick(window.BackButton(), Qt::LeftButton);
    QVERIFY(window.isVisible());
    // Esc asks as "Powrót" does; it drops nothing unasked.
    f.prompter.ExpectBox(kUnsaved, Answer::Cancel);
    QTest::keyClick(window.NameEdit(), Qt::Key_Escape);
    QVERIFY(window.isVisible());
    f.prompter.ExpectBox(kUnsaved, Answer::No);
    QTest::mouseClick(window.BackButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(f.prompter.Done());
    QCOMPARE(f.dir.Read("dxcc_adif.kvt"), f.original);
    QVERIFY(!f.dir.Exists("dxcc_adif.kvt~"));
    QVERIFY(!f.form.station().Document().IsModified());
}

void EntityDatabaseWindowTest::missingReferenceKeepsTheWindowShut() {
    Fixture f;
    std::remove(f.dir.File("dxcc_adif.kvt").c_str());
    EntityDatabaseWindow window(f.form.station(), &f.form);
    f.prompter.ExpectError("Plik wzorcowy \"" + f.dir.File("dxcc_adif.kvt") +
                           "\" nie został znaleziony!\n" +
                           "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.");
    window.Run();
    QVERIFY(!window.isVisible());
    QVERIFY(f.prompter.Done());
}

void EntityDatabaseWindowTest::mainMenuOpensTheEditorModally() {
    Fixture f;
    f.form.MakeWindows();
    EntityDatabaseWindow& window = *f.form.entityDatabaseWindow();
    bool wasModal = false;
    QTimer::singleShot(0, &window, [&] {
        wasModal = window.isVisible() && window.isModal();
        window.BackButton()->click();
    });
    f.form.openEntityDatabase();
    QVERIFY(wasModal);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(EntityDatabaseWindowTest)
#include "entity_database_window_test.moc"
