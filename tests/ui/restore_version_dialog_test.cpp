// The list of versions offered for a restore.
#include "restore_version_dialog.h"

#include <QTableWidget>
#include <QtTest>

using namespace zorva;

class RestoreVersionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsWhenEachContentWasSavedAndWhyOneCannotBeRestored();
};

void RestoreVersionDialogTest::showsWhenEachContentWasSavedAndWhyOneCannotBeRestored() {
    const LocalDateTime replaced{{2026, 12, 8}, 13, 0, 0}, saved{{2026, 12, 1}, 9, 30, 5};
    VersionEntry readable{"2026-12-08_130000.txt", replaced, saved, {"a", "b", "c", "d"}, ""};
    VersionEntry empty{"2026-12-08_120000.txt", replaced, replaced, {}, "nie do przywrócenia"};
    RestoreVersionDialog dialog(nullptr, {readable, empty});
    QCOMPARE(dialog.Table()->item(0, 0)->text(), QString("2026-12-01 09:30:05"));
    QCOMPARE(dialog.Table()->item(1, 1)->text(), QString::fromUtf8("nie do przywrócenia"));
}

QTEST_MAIN(RestoreVersionDialogTest)
#include "restore_version_dialog_test.moc"
