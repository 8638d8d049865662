#include "conversion_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "../core/convert/old_file_fixture.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"

namespace zorva {

using testing::FixedClock;
using testing::ScriptedPrompter;
using testing::TempDir;

class ConversionWindowTest : public QObject {
    Q_OBJECT

  private:
    static std::string Template() {
        return testing::CrLf({"  4| |3B6  |Agalega & St. Brandon   |"});
    }
    static void WriteOldFile(const TempDir& dir) {
        std::string bytes;
        for (const std::string& line :
             testing::OldFileLines(rade1, testing::k2001Line, {{3, {"SP9XYZ", "17.05.2003"}}}))
            bytes += line + "\r\n";
        dir.Write("old.txt", bytes);
    }

  private slots:
    void showsItsCaptionAndControls() {
        TempDir dir;
        dir.Write("dxcc_adif_backup.kvt", Template());
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        ConversionWindow form(station);
        QCOMPARE(form.windowTitle(),
                 QString::fromUtf8("Konwersja plików do nowej wersji ZORVA_Rade "));
        QVERIFY(form.FileEdit()->isReadOnly());
        QCOMPARE(form.ChooseButton()->text(), QString("Szukaj"));
        QCOMPARE(form.StartButton()->text(), QString("Start"));
        QCOMPARE(form.QuitButton()->text(), QString("Koniec"));
        QVERIFY(!form.isVisible());
    }

    void startConvertsTheFileOfTheFirstArgument() {
        TempDir dir;
        dir.Write("dxcc_adif_backup.kvt", Template());
        WriteOldFile(dir);
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        station.conversionFailed = true;
        ConversionWindow form(station, dir.File("old.txt"));
        QCOMPARE(form.FileEdit()->text(), QString::fromStdString(dir.File("old.txt")));
        QTest::mouseClick(form.StartButton(), Qt::LeftButton);
        QVERIFY(!station.conversionFailed);
        QVERIFY(dir.Exists("old.txt~"));
        QVERIFY(dir.Read("old.txt").find("  4| |3B6  |Agalega & St. Brandon   |SP9XYZ") !=
                std::string::npos);
        QVERIFY(prompter.Done());
    }

    void missingTemplateIsReportedAndKeepsTheArgumentOut() {
        TempDir dir;
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        prompter.ExpectError("Plik wzorcowy \"" + dir.File("dxcc_adif_backup.kvt") +
                             "\" nie został znaleziony!\n" +
                             "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.");
        ConversionWindow form(station, dir.File("old.txt"));
        QVERIFY(form.FileEdit()->text().isEmpty());
        prompter.ExpectError("Brak pliku do konwersji!");
        form.convert();
        QVERIFY(station.conversionFailed);
        QVERIFY(prompter.Done());
    }

    void searchAndDoubleClickChooseTheFile() {
        TempDir dir;
        dir.Write("dxcc_adif_backup.kvt", Template());
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        ConversionWindow form(station);
        const FileChoice choice{"Pliki tekstowe |*.txt|Wszystkie pliki|*.*", "", ""};
        prompter.ExpectOpenFile(choice, dir.File("a.txt"));
        QTest::mouseClick(form.ChooseButton(), Qt::LeftButton);
        QCOMPARE(form.FileEdit()->text(), QString::fromStdString(dir.File("a.txt")));
        prompter.ExpectOpenFile(choice, std::nullopt);
        QTest::mouseDClick(form.FileEdit(), Qt::LeftButton);
        QCOMPARE(form.FileEdit()->text(), QString::fromStdString(dir.File("a.txt")));
        QVERIFY(prompter.Done());
    }
};

}  // namespace zorva

QTEST_MAIN(zorva::ConversionWindowTest)
#include "conversion_window_test.moc"
