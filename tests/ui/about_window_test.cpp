// The About window, the picture decoder and the help file.
#include "about_window.h"

#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QtTest>

#include "help_file.h"
#include "io/file_system.h"
#include "jpeg_picture.h"
#include "main_window.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

using namespace zorva;
using zorva::testing::ScriptedPrompter;

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void versionLineTakesThreeNumbers();
    void opensTwiceWithTheVersionAndFocusOnPowrot();
    void pictureIsDecodedAndStretched();
    void linksOpenMailAndHomePage();
    void systemInformationStartsAToolOrSaysThereIsNone();
    void helpIsOpenedFromTheProgramDirectoryOnly();
    void helpNamesEveryMenuCommand();
};

void AboutWindowTest::versionLineTakesThreeNumbers() {
    QCOMPARE(VersionLine("7.0.3.0"), std::string("Wersja 7.0.3"));
    QCOMPARE(VersionLine("10.12.345.6"), std::string("Wersja 10.12.345"));
    QCOMPARE(VersionLine("2.1"), std::string("Wersja 2.1"));
}

void AboutWindowTest::opensTwiceWithTheVersionAndFocusOnPowrot() {
    ScriptedPrompter prompter;
    AboutWindow about(prompter, ZORVA_DATA_DIR);
    QCOMPARE(about.windowTitle(), QString("Informacja o programie"));
    for (int time = 0; time < 2; ++time) {
        QString version;
        QWidget* focus = nullptr;
        QTimer::singleShot(0, &about, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&about));
            version = about.VersionLabel()->text();
            focus = QApplication::focusWidget();
            if (focus) QTest::keyClick(focus, Qt::Key_Space);
            about.close();
        });
        about.Run();
        QCOMPARE(version, "Wersja " + QString(ZORVA_CONFIGURED_VERSION).section('.', 0, 2));
        QCOMPARE(focus, static_cast<QWidget*>(about.BackButton()));
        QVERIFY(!about.isVisible());
    }
}

void AboutWindowTest::pictureIsDecodedAndStretched() {
    const QImage picture = DecodeJpegFile(std::string(ZORVA_DATA_DIR) + "/about.jpg");
    QCOMPARE(picture.size(), QSize(548, 1192));
    QVERIFY(picture.pixelColor(274, 596) != picture.pixelColor(274, 60));  // a picture, not a blank

    zorva::testing::TempDir dir;
    dir.Write("broken.jpg", "\xFF\xD8\xFF\xE0 not really a JPEG");
    QVERIFY(DecodeJpegFile(dir.File("broken.jpg")).isNull());
    QVERIFY(DecodeJpegFile(dir.File("missing.jpg")).isNull());

    ScriptedPrompter prompter;
    AboutWindow about(prompter, ZORVA_DATA_DIR);
    QVERIFY(about.Picture()->hasScaledContents());
    QCOMPARE(about.Picture()->pixmap().size(), QSize(548, 1192));

    AboutWindow withoutPicture(prompter, dir.Path());  // no picture: the window still works
    QVERIFY(withoutPicture.Picture()->pixmap().isNull());
}

void AboutWindowTest::linksOpenMailAndHomePage() {
    ScriptedPrompter prompter;
    AboutWindow about(prompter, ZORVA_DATA_DIR);
    QList<QUrl> opened;
    about.openUrl = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (QLabel* link : {about.EmailLink(), about.HomePageLink()}) {
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline() && link->font().bold());
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(about.EmailLink()->toolTip(), QString("Wyślij maila do autora"));
    QCOMPARE(about.HomePageLink()->toolTip(), QString("Strona domowa SP0ZRV"));
    QCOMPARE(opened,
             (QList<QUrl>{QUrl("mailto:sp0zrv@example.org"), QUrl("https://example.org/sp0zrv/")}));
}

void AboutWindowTest::systemInformationStartsAToolOrSaysThereIsNone() {
    ScriptedPrompter prompter;
    AboutWindow about(prompter, ZORVA_DATA_DIR);
    QStringList started;
    about.startProgram = [&](const QString& program) {
        started << program;
        return true;
    };
    // A program that is on every system stands for the tool: this test, its folder on the PATH.
    const QFileInfo self(QCoreApplication::applicationFilePath());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(self.absolutePath()).toLocal8Bit() +
                        QDir::listSeparator().toLatin1() + path);
    const QString tool = self.completeBaseName();
    about.systemTools = {"no-such-system-tool-here", tool};
    about.showSystemInformation();
    QCOMPARE(started.size(), 1);
    QCOMPARE(QFileInfo(started[0]).canonicalFilePath(), self.canonicalFilePath());

    about.systemTools = {"no-such-system-tool-here"};
    prompter.ExpectBox({"Brak programu pokazującego informacje o systemie.",
                        "Informacja",
                        Icon::Information,
                        Buttons::Ok,
                        {}});
    about.showSystemInformation();

    about.systemTools = {tool};
    about.startProgram = [](const QString&) { return false; };
    prompter.ExpectError("Nie można uruchomić programu " + started[0].toStdString() + ".");
    about.showSystemInformation();
    qputenv("PATH", path);
    QVERIFY(prompter.Done());
}

void AboutWindowTest::helpIsOpenedFromTheProgramDirectoryOnly() {
    ScriptedPrompter prompter;
    zorva::testing::TempDir programDir, workingDir;
    workingDir.Write("zorva_rade.html", "<html></html>");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(workingDir.Path())));
    QList<QUrl> opened;
    const UrlOpener recorder = [&](const QUrl& url) {
        opened << url;
        return true;
    };

    prompter.ExpectError("Nie znaleziono pliku pomocy:\n" + programDir.File("zorva_rade.html"));
    OpenHelpFile(prompter, programDir.Path(), recorder);
    QVERIFY(opened.isEmpty());

    programDir.Write("zorva_rade.html", "<html></html>");
    OpenHelpFile(prompter, programDir.Path(), recorder);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0],
             QUrl::fromLocalFile(QString::fromStdString(programDir.File("zorva_rade.html"))));

    prompter.ExpectError("Nie można otworzyć pliku pomocy:\n" + programDir.File("zorva_rade.html") +
                         "\nBrak programu do przeglądania stron HTML.");
    OpenHelpFile(prompter, programDir.Path(), [](const QUrl&) { return false; });
    QDir::setCurrent(before);
    QVERIFY(prompter.Done());
}

void AboutWindowTest::helpNamesEveryMenuCommand() {
    ScriptedPrompter prompter;
    zorva::testing::FixedClock clock;
    MainWindow form(prompter, clock, ZORVA_DATA_DIR);
    const std::string html = ReadWholeFile(ZORVA_SOURCE_DIR "/data/zorva_rade.html").bytes;
    const QString help =
        QTextDocumentFragment::fromHtml(QString::fromUtf8(html)).toPlainText().simplified();
    const QRegularExpression shortcutOrUndoStep("(\\s{2,}|\\t|: ).*$");
    for (const QAction* item : form.findChildren<QAction*>()) {
        const QString caption = item->text().remove('&').remove(shortcutOrUndoStep);
        if (!caption.isEmpty()) QVERIFY2(help.contains(caption), qPrintable(caption));
    }
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
