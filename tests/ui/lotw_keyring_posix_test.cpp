#include <QtTest>

#include "lotw_keyring.h"

class LotwKeyringTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutAKeyringThePasswordIsNotKeptAndSaysSoInPolish() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorva-no-bus");
        QCOMPARE(zorva::StoreLotwPassword("sp5abc", "tajne"),
                 std::string(zorva::kNoKeyringMessage));
        QCOMPARE(zorva::ForgetLotwPassword("sp5abc"), std::string());
    }
};

QTEST_GUILESS_MAIN(LotwKeyringTest)
#include "lotw_keyring_posix_test.moc"
