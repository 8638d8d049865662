#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "program_directory.h"
#include "qt_prompter.h"
#include "temp_dir.h"

using namespace zorva;
using zorva::testing::TempDir;

namespace {

// Runs the check on the modal dialog once it is up, then lets it close.
void WhenModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        check(dialog);
        // A failed check must not leave the test waiting on an open dialog.
        if (QApplication::activeModalWidget() == dialog) dialog->close();
    });
}

}  // namespace

class QtPrompterTest : public QObject {
    Q_OBJECT
private slots:
    void fileFiltersBecomeQtFiltersInBothCases();
    void questionShowsCaptionIconButtonsAndDefault();
    void escapeOnAYesNoQuestionAnswersNo();
    void inputBoxOffersTextAndCancelGivesNothing();
    void programDirectoryIsTheExecutablesFolderWhenItHoldsTheReference();
    void otherwiseTheUserFolderIsSeededWithoutReplacingFiles();
};

void QtPrompterTest::fileFiltersBecomeQtFiltersInBothCases() {
    QCOMPARE(QtFileFilters("Pliki tekstowe |*.TXT|Wszystkie pliki|*.*"),
             QStringList({"Pliki tekstowe (*.TXT *.txt)", "Wszystkie pliki (*.*)"}));
    QCOMPARE(QtFileFilters("Pliki ADIF|*.adi;*.ADIF"),
             QStringList({"Pliki ADIF (*.adi *.ADI *.ADIF *.adif)"}));
    QCOMPARE(QtFileFilters(""), QStringList());
}

void QtPrompterTest::questionShowsCaptionIconButtonsAndDefault() {
    QtPrompter prompter;
    WhenModal([](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("Ostrzeżenie"));
        QCOMPARE(box->text(), QString("Dane nie zostały zapisane!\nZapisać?"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::Cancel)->click();
    });
    const Answer answer = prompter.Show({"Dane nie zostały zapisane!\nZapisać?", "Ostrzeżenie",
                                         Icon::Warning, Buttons::YesNoCancel, Answer::No});
    QCOMPARE(answer, Answer::Cancel);

    WhenModal([](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(prompter.Show({"Brak pliku", "Błąd", Icon::Error, Buttons::Ok, {}}), Answer::Ok);
}

void QtPrompterTest::escapeOnAYesNoQuestionAnswersNo() {
    QtPrompter prompter;
    WhenModal([](QWidget* widget) {
        QCOMPARE(qobject_cast<QMessageBox*>(widget)->defaultButton(),
                 qobject_cast<QMessageBox*>(widget)->button(QMessageBox::Yes));
        QTest::keyClick(widget, Qt::Key_Escape);
    });
    QCOMPARE(prompter.Show({"Usunąć?", "Ostrzeżenie", Icon::Warning, Buttons::YesNo, {}}), Answer::No);
}

void QtPrompterTest::inputBoxOffersTextAndCancelGivesNothing() {
    QtPrompter prompter;
    WhenModal([](QWidget* widget) {
        auto* input = qobject_cast<QInputDialog*>(widget);
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), QString("Nowy"));
        QCOMPARE(input->labelText(), QString("Znak stacji"));
        QCOMPARE(input->textValue(), QString("SP5"));
        input->setTextValue("SP5ABC");
        input->accept();
    });
    QCOMPARE(prompter.Input("Nowy", "Znak stacji", "SP5"), std::optional<std::string>("SP5ABC"));
    WhenModal([](QWidget* widget) { qobject_cast<QInputDialog*>(widget)->reject(); });
    QCOMPARE(prompter.Input("Nowy", "Znak stacji", "SP5"), std::optional<std::string>());
}

void QtPrompterTest::programDirectoryIsTheExecutablesFolderWhenItHoldsTheReference() {
    TempDir dir;
    QDir().mkpath(QString::fromStdString(dir.File("bin")));
    dir.Write("bin/dxcc_adif.kvt", "x");
    QCOMPARE(ChooseProgramDirectory(dir.File("bin"), dir.File("user")), dir.File("bin"));
    QVERIFY(!dir.Exists("user"));
}

void QtPrompterTest::otherwiseTheUserFolderIsSeededWithoutReplacingFiles() {
    TempDir dir;
    QDir().mkpath(QString::fromStdString(dir.File("bin")));
    QDir().mkpath(QString::fromStdString(dir.File("share/zorva_rade")));
    QDir().mkpath(QString::fromStdString(dir.File("user")));
    dir.Write("share/zorva_rade/dxcc_adif.kvt", "shipped");
    dir.Write("share/zorva_rade/dxcc_adif_backup.kvt", "template");
    dir.Write("user/dxcc_adif_backup.kvt", "edited by the user");
    QCOMPARE(ChooseProgramDirectory(dir.File("bin"), dir.File("user")), dir.File("user"));
    QCOMPARE(dir.Read("user/dxcc_adif.kvt"), std::string("shipped"));
    QCOMPARE(dir.Read("user/dxcc_adif_backup.kvt"), std::string("edited by the user"));
    // Nothing installed: the folder is still made, and the start-up reports the missing file.
    QCOMPARE(ChooseProgramDirectory(dir.File("nowhere/bin"), dir.File("fresh")), dir.File("fresh"));
    QVERIFY(dir.Exists("fresh"));
}

QTEST_MAIN(QtPrompterTest)
#include "qt_prompter_test.moc"
