#include "lotw_keyring.h"

#include <QtTest>

using namespace zorva;

// A machine without a keyring service: the session bus leads nowhere.
class LotwKeyringTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorva-no-bus");
    }
    void withoutAKeyringThePasswordIsNotKeptAndSaysSoInPolish();
};

void LotwKeyringTest::withoutAKeyringThePasswordIsNotKeptAndSaysSoInPolish() {
    QCOMPARE(QString::fromStdString(StoreLotwPassword("sp5abc", "tajne")),
             QString::fromUtf8(kNoKeyringMessage));
    QVERIFY(!RecallLotwPassword("sp5abc"));
    QCOMPARE(QString::fromStdString(ForgetLotwPassword("sp5abc")), QString());
}

QTEST_GUILESS_MAIN(LotwKeyringTest)
#include "lotw_keyring_test.moc"
