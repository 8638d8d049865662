#include <QtTest>
#include <optional>
#include <string>

#include "lotw_keyring.h"

// Windows always has its credential store; the password goes in, comes back and goes away.
class LotwKeyringTest : public QObject {
    Q_OBJECT
  private slots:
    void thePasswordIsKeptReplacedAndForgottenInTheCredentialStore() {
        const std::string login =
            "zorva-test-" + std::to_string(QCoreApplication::applicationPid());
        QCOMPARE(zorva::StoreLotwPassword(login, "tajne hasło"), std::string());
        std::optional<std::string> kept = zorva::RecallLotwPassword(login);
        QVERIFY(kept && *kept == "tajne hasło");
        QCOMPARE(zorva::StoreLotwPassword(login, "nowe"), std::string());
        kept = zorva::RecallLotwPassword(login);
        QVERIFY(kept && *kept == "nowe");

        QCOMPARE(zorva::ForgetLotwPassword(login), std::string());
        QVERIFY(!zorva::RecallLotwPassword(login));
        QCOMPARE(zorva::ForgetLotwPassword(login), std::string());
        QVERIFY(!zorva::RecallLotwPassword(""));
    }
};

QTEST_GUILESS_MAIN(LotwKeyringTest)
#include "lotw_keyring_windows_test.moc"
