#include "station/outside_change.h"

#include <QtTest>

#include "ui_fixture.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

const std::vector<Entity> kOne = {{"DL", "DL1XX", "2022-05-06", "QSL", ""}};
const std::vector<Entity> kTwo = {{"DL", "DL1XX", "2022-05-06", "QSL", ""},
                                  {"OH", "OH2BH", "2023-07-08", "QSL", ""}};
const std::vector<Entity> kThree = {{"DL", "DL1XX", "2022-05-06", "QSL", ""},
                                    {"OH", "OH2BH", "2023-07-08", "QSL", ""},
                                    {"SP", "SP9OUT", "2023-07-09", "QSL", ""}};

MainWindow& StartOn(Program& program) {
    Settings settings;
    settings.call = "SP5ABC";
    settings.file = program.WriteStation("sp5abc.txt", "SP5ABC", kOne);
    program.WriteSettings(settings);
    return program.Start();
}

}  // namespace

class OutsideChangeTest : public QObject {
    Q_OBJECT
  private slots:
    void activationLoadsTheChangedFileAndSaysSo();
    void watcherFollowsTheFileAcrossReplacements();
};

void OutsideChangeTest::activationLoadsTheChangedFileAndSaysSo() {
    Program program;
    MainWindow& form = StartOn(program);
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  1/0"));
    program.WriteStation("sp5abc.txt", "SP5ABC", kTwo);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activate);
    QCOMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  2/0"));
    QCOMPARE(program.Panel("fileBar", 0), QString::fromUtf8(kReloadedNotice));
    QVERIFY(program.DialoguesAsScripted());
}

// Every save replaces the file, which ends the system's watch of the name.
void OutsideChangeTest::watcherFollowsTheFileAcrossReplacements() {
    Program program;
    StartOn(program);
    program.WriteStation("sp5abc.txt", "SP5ABC", kTwo);
    QTRY_COMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  2/0"));
    program.WriteStation("sp5abc.txt", "SP5ABC", kThree);
    QTRY_COMPARE(program.Panel("counterBar", 3), QString("QSL/LoTW:  3/0"));
    QVERIFY(program.DialoguesAsScripted());
}

QTEST_MAIN(OutsideChangeTest)
#include "outside_change_test.moc"
