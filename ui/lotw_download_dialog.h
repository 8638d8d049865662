#pragma once

#include <QDialog>
#include <atomic>
#include <cstdint>

#include "lotw/lotw_download.h"
#include "lotw/lotw_memory.h"
#include "lotw_download_command.h"
#include "ports/keyring.h"
#include "station/station.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zorva {

class MainWindow;

inline constexpr const char* kLotwDialogCaption = "Pobieranie potwierdzeń z LoTW";

// "Pobierz z LoTW...": asks for the login, the password and the day since which
// confirmations are wanted, then downloads the report on a worker thread while
// showing the bytes received. It stays open after a failure, its fields as typed,
// and prefills them from what the settings file and the keyring remember.
class LotwDownloadDialog : public QDialog {
    Q_OBJECT
  public:
    LotwDownloadDialog(Station& station, const LotwMemory& memory, Keyring& keyring,
                       QWidget* parent);

    // Shows the dialog modally; true when a whole report was kept at ReportPath().
    bool Run();
    const std::string& ReportPath() const { return reportPath_; }
    std::string Login() const;
    const CivilDate& Today() const { return today_; }

    QLineEdit* LoginEdit() const { return login_; }
    QLineEdit* PasswordEdit() const { return password_; }
    QCheckBox* RememberBox() const { return remember_; }
    QCheckBox* AllBox() const { return all_; }
    QDateEdit* SinceEdit() const { return since_; }
    QPushButton* DownloadButton() const { return download_; }
    QPushButton* AbortButton() const { return abort_; }

  public slots:
    void download();
    void abortDownload();
    void reject() override;

  private:
    void BuildControls();
    void Prefill(const LotwMemory& memory);
    void SetDownloading(bool downloading);
    void ShowBytes();

    Station& station_;
    Keyring& keyring_;
    CivilDate today_;
    std::string reportPath_;
    std::atomic<std::uint64_t> bytes_{0};
    std::atomic<bool> aborted_{false};
    bool downloading_ = false;
    bool passwordWasKept_ = false;
    QLineEdit* login_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* remember_ = nullptr;
    QCheckBox* all_ = nullptr;
    QDateEdit* since_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* received_ = nullptr;
    QPushButton* download_ = nullptr;
    QPushButton* abort_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* ticker_ = nullptr;
};

}  // namespace zorva
