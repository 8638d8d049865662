#include "restore_version_dialog.h"

#include <QApplication>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using namespace zorva;

namespace {

const std::vector<VersionEntry> kVersions = {
    {"2026-12-08_130000.txt", {{2026, 12, 8}, 13, 0, 0}, {"Razem: 1/2", "b", "c", "d"}, ""},
    {"2026-12-07_090502.txt", {{2026, 12, 7}, 9, 5, 2}, {}, "Brak dostępu"},
};

// The chooser's answer after `act` on the dialog once it is up.
std::optional<std::string> ChooseWith(std::function<void(QTableWidget&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        act(*dialog->findChild<QTableWidget*>("versionTable"));
        if (QApplication::activeModalWidget() == dialog) dialog->close();
    });
    return RestoreVersionChooser(nullptr)(kVersions);
}

}  // namespace

class RestoreVersionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsEachVersionAndEnterDoubleClickOrEscapeDecide();
};

void RestoreVersionDialogTest::showsEachVersionAndEnterDoubleClickOrEscapeDecide() {
    QStringList cells;
    auto first = ChooseWith([&](QTableWidget& table) {
        for (int row = 0; row < 2; ++row)
            for (int c : {0, 1}) cells << table.item(row, c)->text();
        QTest::keyClick(&table, Qt::Key_Return);
    });
    QCOMPARE(cells, QStringList({"2026-12-08 13:00:00", "Razem: 1/2", "2026-12-07 09:05:02",
                                 QString::fromUtf8("Brak dostępu")}));
    QCOMPARE(first, std::optional<std::string>("2026-12-08_130000.txt"));
    auto second = ChooseWith([](QTableWidget& table) { emit table.cellDoubleClicked(1, 0); });
    QCOMPARE(second, std::optional<std::string>("2026-12-07_090502.txt"));
    QCOMPARE(ChooseWith([](QTableWidget& table) { QTest::keyClick(&table, Qt::Key_Escape); }),
             std::optional<std::string>());
}

QTEST_MAIN(RestoreVersionDialogTest)
#include "restore_version_dialog_test.moc"
