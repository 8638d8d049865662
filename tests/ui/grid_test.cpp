#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include "document_rows.h"
#include "row_height_dialog.h"
#include "search_dialog.h"
#include "station/appearance.h"
#include "ui_fixture.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

// Confirmed, verified and deleted entities in every combination the colours tell apart.
const std::vector<Entity> kConfirmations = {
    {"SP", "SP9XYZ", "2020-01-02", "QSL", "2022-02-02"},
    {"OH", "OH2BH", "2021-03-04", "LoTW", ""},
    {"1B", "1B1AA", "1990-01-01", "QSL", "1991-02-02"},  // deleted, verified
    {"1G", "1G1GG", "1989-05-06", "QSL", ""},            // deleted, confirmed
};

MessageBox Information(const std::string& text, Icon icon = Icon::Information) {
    return {text, "Informacja", icon, Buttons::Ok, {}};
}

class Started : public Program {
  public:
    Started() {
        Settings settings;
        settings.call = "SP5ABC";
        settings.file = WriteStation("sp5abc.txt", "SP5ABC", kConfirmations);
        WriteSettings(settings);
        Start();
        form->MakeWindows();
    }
    int RowOfPrefix(const QString& prefix) const {
        for (int r = 0; r < GridRows(); ++r)
            if (Cell(r, 2) == prefix) return r;
        return kNoRow;
    }
    QPoint TitleCentre(int column) const {
        const QHeaderView* titles = form->Grid()->horizontalHeader();
        return {titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2, 5};
    }
    void PressTitle(int column) {
        QTest::mousePress(form->Grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          TitleCentre(column));
    }
    QString Label(const char* name) const { return form->findChild<QLabel*>(name)->text(); }
};

}  // namespace

class GridTest : public QObject {
    Q_OBJECT
  private slots:
    void viewItemsFillTheGridAndNameTheView();
    void anEmptyViewShowsNoDataRows();
    void hidingDeletedEntitiesIsACheckOfItsOwn();
    void titlePressesSortAndReverse();
    void theDeletedTitleDoesNotSortWhileDeletedAreHidden();
    void typedLettersFindThePrefix();
    void typedLettersDoNothingWhenNotSortedByPrefix();
    void commandKeysAndActivationLeaveTheCurrentEntity();
    void ctrlFOpensTheSearchThatFindsNamePressByPress();
    void rowColoursFollowTheRowState();
    void theCurrentRowIsWhiteOnBlueWhateverTheColours();
    void anItalicFontLastsOnlyUntilTheSettingsAreWritten();
    void rowHeightSpinTakesOnlyArrowSteps();
    void theModelAnnouncesOnlyWhatChanged();
};

void GridTest::viewItemsFillTheGridAndNameTheView() {
    Started program;
    MainWindow& form = *program.form;
    QCOMPARE(program.GridRows(), 402);
    form.MenuItem("showToVerify")->trigger();
    QCOMPARE(program.Label("viewName"), QString("Do weryfikacji"));
    QVERIFY(form.MenuItem("showToVerify")->isChecked());
    QCOMPARE(program.GridRows(), 2);
    QCOMPARE(program.Cell(0, 2), QString("1G"));
    QCOMPARE(program.Cell(1, 2), QString("OH"));
    form.MenuItem("showVerified")->trigger();
    QCOMPARE(program.Label("viewName"), QString("Zweryfikowane"));
    QCOMPARE(program.GridRows(), 2);
    form.MenuItem("showUnconfirmed")->trigger();
    QCOMPARE(program.Label("viewName"), QString("Niepotwierdzone"));
    QCOMPARE(program.GridRows(), 398);
    form.MenuItem("showAllEntities")->trigger();
    QCOMPARE(program.Label("viewName"), QString("Wszystkie podmioty"));
    QCOMPARE(program.GridRows(), 402);
    // Switching views never changes the counters.
    QCOMPARE(program.Panel("counterBar", 0), QString("Razem:       2/4"));
    QVERIFY(program.DialoguesAsScripted());
}

void GridTest::anEmptyViewShowsNoDataRows() {
    Started program;
    MainWindow& form = *program.form;
    form.MenuItem("hideDeleted")->trigger();
    form.MenuItem("showVerified")->trigger();
    QCOMPARE(program.GridRows(), 1);
    form.MenuItem("showToVerify")->trigger();
    QCOMPARE(program.GridRows(), 1);
    program.prompter.ExpectBox(Information("Brak elementów do wyświetlenia!", Icon::Warning));
    const int row = form.station().Document().Table().FindAdif("224");
    RowsOf(form.station().Document())->Row(row).call.clear();
    form.MenuItem("showToVerify")->trigger();
    QCOMPARE(program.GridRows(), 0);
    QCOMPARE(program.CurrentRow(), Started::kNoRow);
    QVERIFY(program.DialoguesAsScripted());
}

void GridTest::hidingDeletedEntitiesIsACheckOfItsOwn() {
    Started program;
    MainWindow& form = *program.form;
    form.MenuItem("hideDeleted")->trigger();
    QVERIFY(form.MenuItem("hideDeleted")->isChecked());
    QVERIFY(form.MenuItem("showAllEntities")->isChecked());
    QCOMPARE(program.GridRows(), 402 - 62);
    QCOMPARE(program.RowOfPrefix("1B"), Started::kNoRow);
    form.MenuItem("hideDeleted")->trigger();
    QCOMPARE(program.GridRows(), 402);
    QVERIFY(program.RowOfPrefix("1B") >= 0);
}

void GridTest::titlePressesSortAndReverse() {
    Started program;
    MainWindow& form = *program.form;
    EntityGridModel& model = *form.GridModel();
    program.PressTitle(3);
    QCOMPARE(form.station().View().sortColumn, 3);
    QCOMPARE(program.Panel("fileBar", 2), QString("  Rosnąco"));
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
             QColor(255, 0, 0));
    QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::black));
    QCOMPARE(program.Cell(0, 3), QString("Abu Ail Is."));
    program.PressTitle(3);
    QCOMPARE(program.Panel("fileBar", 2), QString("  Malejąco"));
    QVERIFY(program.Cell(0, 3).startsWith("Z"));
    // The prefix search is off while not sorted by prefix ascending.
    QVERIFY(!form.findChild<QLabel*>("prefixHint")->isEnabled());
    // Descending by call puts the confirmed first and the unconfirmed last.
    program.PressTitle(4);
    program.PressTitle(4);
    QCOMPARE(program.Cell(0, 4), QString("SP9XYZ"));
    QCOMPARE(program.Cell(401, 4), QString());
}

void GridTest::theDeletedTitleDoesNotSortWhileDeletedAreHidden() {
    Started program;
    MainWindow& form = *program.form;
    form.MenuItem("hideDeleted")->trigger();
    program.PressTitle(1);
    QCOMPARE(form.station().View().sortColumn, 2);
    form.MenuItem("hideDeleted")->trigger();
    program.PressTitle(1);
    QCOMPARE(form.station().View().sortColumn, 1);
}

void GridTest::typedLettersFindThePrefix() {
    Started program;
    MainWindow& form = *program.form;
    QTest::keyClicks(form.Grid(), "o");
    QCOMPARE(program.Label("typedPrefix"), QString("O"));
    QCOMPARE(program.Label("prefixHint"), QString("ESC - szukanie następnego podmiotu"));
    QTest::keyClicks(form.Grid(), "h");
    QCOMPARE(program.Label("typedPrefix"), QString("OH"));
    QCOMPARE(program.Cell(program.CurrentRow(), 2), QString("OH"));
    QCOMPARE(form.Grid()->currentIndex().row(), program.CurrentRow());
    // A slash never joins the prefix.
    QTest::keyClicks(form.Grid(), "/");
    QCOMPARE(program.Label("typedPrefix"), QString("OH"));
    QTest::keyClick(form.Grid(), Qt::Key_Escape);
    QCOMPARE(program.Label("typedPrefix"), QString());
    QCOMPARE(program.Label("prefixHint"), QString("Wprowadź prefiks szukanego podmiotu"));
    // Beyond every prefix: the last row.
    QTest::keyClicks(form.Grid(), "zz");
    QCOMPARE(program.CurrentRow(), program.GridRows() - 1);
}

void GridTest::typedLettersDoNothingWhenNotSortedByPrefix() {
    Started program;
    MainWindow& form = *program.form;
    program.PressTitle(3);
    // Standing in the name column, the view's own type-ahead would look for the names.
    QTest::keyClick(form.Grid(), Qt::Key_Right);
    QTest::keyClick(form.Grid(), Qt::Key_Right);
    const int before = program.CurrentRow();
    QTest::keyClicks(form.Grid(), "ohz");
    QCOMPARE(program.Label("typedPrefix"), QString());
    QCOMPARE(program.CurrentRow(), before);
    QCOMPARE(form.Grid()->currentIndex().row(), before);
}

void GridTest::commandKeysAndActivationLeaveTheCurrentEntity() {
    Started program;
    MainWindow& form = *program.form;
    QTest::keyClicks(form.Grid(), "oh");
    const int finland = program.RowOfPrefix("OH");
    QTest::keyClick(form.Grid(), Qt::Key_Y, Qt::AltModifier);
    QTest::keyClick(form.Grid(), Qt::Key_Y, Qt::ControlModifier);
    // As when the entry dialog, the search dialog or a message box closes.
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
    QCOMPARE(program.Label("typedPrefix"), QString("OH"));
    QCOMPARE(form.Grid()->currentIndex().row(), finland);
    QCOMPARE(form.focusWidget(), form.Grid());
}

void GridTest::ctrlFOpensTheSearchThatFindsNamePressByPress() {
    Started program;
    MainWindow& form = *program.form;
    QTest::keyClick(form.Grid(), Qt::Key_F, Qt::ControlModifier);
    SearchDialog& search = *form.searchDialog();
    QVERIFY(search.isVisible());
    QCOMPARE(search.windowTitle(), QString("Szukanie podmiotu"));
    // Window frames may shift the place by a pixel or two.
    const QPoint expected = form.frameGeometry().topLeft() + QPoint(276, 15);
    QVERIFY((search.frameGeometry().topLeft() - expected).manhattanLength() <= 4);
    QLineEdit& text = *search.TextEdit();
    QPushButton& find = *search.findChild<QPushButton*>("findButton");

    // Letter by letter: "i" already matches many names, "isl" only the Isle of Man.
    QTest::keyClicks(&text, "i");
    find.click();
    const int firstI = program.CurrentRow();
    QVERIFY(program.Cell(firstI, 3).contains("i", Qt::CaseInsensitive));
    QTest::keyClicks(&text, "sl");
    find.click();
    QCOMPARE(program.Cell(program.CurrentRow(), 3), QString("Isle of Man"));
    program.prompter.ExpectBox(Information("Szukanie zakończone!"));
    find.click();
    QVERIFY(program.DialoguesAsScripted());
    // Then again from the top.
    find.click();
    QCOMPARE(program.Cell(program.CurrentRow(), 3), QString("Isle of Man"));

    // After a match, a text that matches nothing first ends the search, then finds nothing.
    search.findChild<QPushButton*>("clearButton")->click();
    QCOMPARE(text.text(), QString());
    QTest::keyClicks(&text, "xyzzy");
    program.prompter.ExpectBox(Information("Szukanie zakończone!"));
    QTest::keyClick(&text, Qt::Key_Return);
    program.prompter.ExpectBox(Information("Nie znaleziono podmiotu!"));
    find.click();
    QVERIFY(program.DialoguesAsScripted());
    // Esc empties the field, and on an empty field hides the window.
    QTest::keyClick(&text, Qt::Key_Escape);
    QCOMPARE(text.text(), QString());
    QVERIFY(search.isVisible());
    QTest::keyClick(&text, Qt::Key_Escape);
    QVERIFY(!search.isVisible());
}

void GridTest::rowColoursFollowTheRowState() {
    Started program;
    const EntityGridModel& model = *program.form->GridModel();
    const Appearance& look = program.form->station().appearance;
    program.form->station().SelectRow(program.RowOfPrefix("1A0"));
    program.form->Refresh();
    auto background = [&](const char* prefix) {
        return model.Background(program.RowOfPrefix(prefix));
    };
    QCOMPARE(background("1B"), ColourFromSetting(look.verifiedColour));   // deleted, verified
    QCOMPARE(background("1G"), ColourFromSetting(look.confirmedColour));  // deleted, confirmed
    QCOMPARE(background("1M"), ColourFromSetting(look.deletedColour));    // deleted only
    QCOMPARE(background("SP"), ColourFromSetting(look.verifiedColour));
    QCOMPARE(background("OH"), ColourFromSetting(look.confirmedColour));
    QCOMPARE(background("DL"), ColourFromSetting(look.otherColour));
    QCOMPARE(ColourFromSetting(11195903), QColor(255, 213, 170));
    QCOMPARE(SettingFromColour(QColor(196, 255, 196)), 12910532);
}

void GridTest::theCurrentRowIsWhiteOnBlueWhateverTheColours() {
    Started program;
    MainWindow& form = *program.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.station().appearance.verifiedColour = SettingFromColour(QColor(0, 0, 255));
    const int sp = program.RowOfPrefix("SP");
    form.Grid()->setCurrentIndex(form.GridModel()->index(sp, 3));
    QCOMPARE(program.CurrentRow(), sp);
    const QModelIndex cell = form.GridModel()->index(sp, 5);
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 255));
    QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 255, 255));
    // The row left behind takes its own colour again.
    form.Grid()->setCurrentIndex(form.GridModel()->index(sp + 1, 3));
    QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));

    // What the painter puts on the screen: the highlighted row's blue.
    const QImage shot = form.Grid()->viewport()->grab().toImage();
    const QRect rect = form.Grid()->visualRect(form.GridModel()->index(sp + 1, 3));
    QCOMPARE(QColor(shot.pixel(rect.right() - 2, rect.bottom() - 2)), QColor(0, 0, 255));
}

void GridTest::anItalicFontLastsOnlyUntilTheSettingsAreWritten() {
    Started program;
    MainWindow& form = *program.form;
    QFont chosen("DejaVu Sans Mono", 12);
    chosen.setBold(true);
    chosen.setItalic(true);
    form.SetGridFont(chosen);
    QVERIFY(form.Grid()->font().italic());
    QCOMPARE(form.Grid()->font().pointSize(), 12);
    // Bold and italic is not exactly bold: the settings keep a regular face.
    QVERIFY(!form.station().appearance.fontBold);
    QCOMPARE(form.station().appearance.fontSize, 12);
    QFont bold("DejaVu Sans Mono", 11);
    bold.setBold(true);
    form.SetGridFont(bold);
    QVERIFY(form.station().appearance.fontBold);
    QVERIFY(!form.Grid()->font().italic());
}

void GridTest::rowHeightSpinTakesOnlyArrowSteps() {
    Started program;
    MainWindow& form = *program.form;
    RowHeightDialog& dialog = *form.rowHeightDialog();
    QSpinBox& spin = *dialog.HeightSpin();
    int offered = 0;
    QTimer::singleShot(0, &dialog, [&] {
        offered = spin.value();
        QTest::keyClick(&spin, Qt::Key_Up);
        QTest::keyClick(&spin, Qt::Key_5);
        QTest::keyClick(&spin, Qt::Key_Delete);
        QTest::keyClick(&spin, Qt::Key_PageUp);
        dialog.findChild<QPushButton*>("backButton")->click();
    });
    form.MenuItem("setRowHeight")->trigger();
    QCOMPARE(offered, 21);
    QCOMPARE(spin.value(), 22);
    QCOMPARE(form.station().appearance.rowHeight, 22);
    QCOMPARE(form.Grid()->verticalHeader()->defaultSectionSize(), 22);
    spin.setValue(1);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.value(), 1);
    spin.setValue(99);
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(form.Grid()->verticalHeader()->defaultSectionSize(), 99);
}

void GridTest::theModelAnnouncesOnlyWhatChanged() {
    Started program;
    MainWindow& form = *program.form;
    EntityGridModel& model = *form.GridModel();
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy titles(&model, &QAbstractItemModel::headerDataChanged);
    form.Refresh();
    QVERIFY(resets.isEmpty() && changes.isEmpty() && titles.isEmpty());

    // A new current row repaints the row left and the row reached, nothing else.
    const int left = program.CurrentRow();
    const int sp = program.RowOfPrefix("SP");
    form.Grid()->setCurrentIndex(model.index(sp, 3));
    QVERIFY(!changes.isEmpty());
    for (const QList<QVariant>& change : changes) {
        const int first = change.at(0).toModelIndex().row();
        const int last = change.at(1).toModelIndex().row();
        QVERIFY((first == last && (first == sp || first == left)) || (first == left && last == sp));
    }
    // A colour repaints rows in place; another order or view is a new set of rows.
    changes.clear();
    form.station().appearance.otherColour = SettingFromColour(QColor(1, 2, 3));
    form.Refresh();
    QVERIFY(!changes.isEmpty() && resets.isEmpty());
    program.PressTitle(3);
    QCOMPARE(resets.count(), 1);
    form.MenuItem("showToVerify")->trigger();
    QCOMPARE(resets.count(), 2);
    QCOMPARE(program.GridRows(), 2);
}

QTEST_MAIN(GridTest)
#include "grid_test.moc"
