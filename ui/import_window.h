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

class MainWindow;

// "Importowanie danych z pliku ADIF": the import window. It is made once and its controls
// keep their values for the whole program run; each "Import danych" starts a series in it.
class ImportWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ImportWindow(MainWindow& mainWindow);

    // "Import danych": prepares a series ("Nowy" first on an empty table) and shows the
    // window modally, unless there is no station to import into. A downloaded LoTW
    // report comes named, its source set. True when the series was completed.
    bool Run(const std::string& lotwReport = {});

    AdifImport& Import() { return import_; }
    QLineEdit* Edit1() const { return Edit1_; }
    QPushButton* Button1() const { return Button1_; }  // "Wybierz"
    QPushButton* Button2() const { return Button2_; }  // "Importuj"
    QPushButton* Button3() const { return Button3_; }  // "Powrót"
    QPushButton* Button4() const { return Button4_; }  // "Info"
    QRadioButton* RadioButton1() const { return RadioButton1_; }
    QRadioButton* RadioButton2() const { return RadioButton2_; }
    QRadioButton* RadioButton3() const { return RadioButton3_; }
    QRadioButton* RadioButton4() const { return RadioButton4_; }
    QCheckBox* CheckBox1() const { return CheckBox1_; }
    QCheckBox* CheckBox2() const { return CheckBox2_; }
    QCheckBox* CheckBox3() const { return CheckBox3_; }
    QProgressBar* ProgressBar1() const { return ProgressBar1_; }

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

    MainWindow& main_;
    AdifImport import_;
    QElapsedTimer sinceRepaint_;
    QLineEdit* Edit1_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPushButton* Button3_ = nullptr;
    QPushButton* Button4_ = nullptr;
    QRadioButton* RadioButton1_ = nullptr;
    QRadioButton* RadioButton2_ = nullptr;
    QRadioButton* RadioButton3_ = nullptr;
    QRadioButton* RadioButton4_ = nullptr;
    QCheckBox* CheckBox1_ = nullptr;
    QCheckBox* CheckBox2_ = nullptr;
    QCheckBox* CheckBox3_ = nullptr;
    QProgressBar* ProgressBar1_ = nullptr;
};

}  // namespace zorva
