#include "qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <functional>

#include "application_setup.h"
#include "io/install_places.h"

using namespace zorva;

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
    void installPlacesAreTheFoldersQtFindsInEveryEnvironment();
    void captionsAreShownWithoutTheProgramsName();
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
    QCOMPARE(prompter.Show({"Usunąć?", "Ostrzeżenie", Icon::Warning, Buttons::YesNo, {}}),
             Answer::No);
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

// Users of earlier versions keep their per-user folder: the one Qt found for them.
void QtPrompterTest::installPlacesAreTheFoldersQtFindsInEveryEnvironment() {
#ifndef Q_OS_WIN  // on Windows it is %APPDATA%\zorva_rade, no folder Qt chooses
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_DATA_HOME");
    for (const auto& [homeValue, xdgValue] : std::vector<std::pair<const char*, const char*>>{
             {"/h/./a/../b/", ""}, {"", ""}, {"/h", "/x//"}, {"/h", "/"}, {"/h", "rel/x"}}) {
        qputenv("HOME", homeValue);
        qputenv("XDG_DATA_HOME", xdgValue);
        const QDir dataHome(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        QCOMPARE(QString::fromStdString(SystemInstallPlaces().userDataDir),
                 dataHome.filePath("zorva_rade"));
    }
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", xdg);
#endif
    QCOMPARE(QString::fromStdString(SystemInstallPlaces().executableDir),
             QCoreApplication::applicationDirPath());
}

void QtPrompterTest::captionsAreShownWithoutTheProgramsName() {
    SetUpApplication();
    // A display name of its own is appended by the window system: "Błąd — ZORVA_Rade".
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

QTEST_MAIN(QtPrompterTest)
#include "qt_prompter_test.moc"
