#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "import/adif_import.h"

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zorva {

// "Importowanie danych z pliku ADIF": the import window. It is made once and its controls
// keep their values for the whole program run; each "Import danych" starts a series in it.
class ImportWindow : public QDialog {
    Q_OBJECT
  public:
    ImportWindow(EditSession& session, QWidget* owner);

    // "Import danych": prepares a series ("Nowy" first on an empty table) and shows the
    // window modally, unless there is no station to import into. A downloaded LoTW
    // report comes named, its source set. True when the series was completed.
    bool Run(const std::string& lotwReport = {});

    AdifImport& Import() { return import_; }
    QLineEdit* FileEdit() const { return fileEdit_; }
    QPushButton* ChooseButton() const { return chooseButton_; }  // "Wybierz"
    QPushButton* ImportButton() const { return importButton_; }  // "Importuj"
    QPushButton* BackButton() const { return backButton_; }      // "Powrót"
    QPushButton* InfoButton() const { return infoButton_; }      // "Info"
    QRadioButton* LogSourceRadio() const { return logSourceRadio_; }
    QRadioButton* LotwSourceRadio() const { return lotwSourceRadio_; }
    QRadioButton* LotwPriorityRadio() const { return lotwPriorityRadio_; }
    QRadioButton* LogPriorityRadio() const { return logPriorityRadio_; }
    QCheckBox* ExtractQslCheck() const { return extractQslCheck_; }
    QCheckBox* ExtractLotwCheck() const { return extractLotwCheck_; }
    QCheckBox* IncludeDeletedCheck() const { return includeDeletedCheck_; }
    QProgressBar* ProgressBar() const { return progressBar_; }

  signals:
    // The series began or ended, or an import changed the station's rows and counters.
    void stationChanged();

  public slots:
    void chooseFile();
    void importFile();
    void goBack();
    void showInfo();
    void extractQslToggled(bool checked);
    void extractLotwToggled(bool checked);

  private:
    void BuildControls();
    // The import's options as the controls show them.
    void TakeControls();
    void ShowExtractBoxes();
    void ShowProgress(uint64_t bytesRead, uint64_t totalBytes);

    AdifImport import_;
    QElapsedTimer sinceRepaint_;
    QLineEdit* fileEdit_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* infoButton_ = nullptr;
    QRadioButton* logSourceRadio_ = nullptr;
    QRadioButton* lotwSourceRadio_ = nullptr;
    QRadioButton* lotwPriorityRadio_ = nullptr;
    QRadioButton* logPriorityRadio_ = nullptr;
    QCheckBox* extractQslCheck_ = nullptr;
    QCheckBox* extractLotwCheck_ = nullptr;
    QCheckBox* includeDeletedCheck_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
};

}  // namespace zorva
