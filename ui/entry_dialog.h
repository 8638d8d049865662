#pragma once

#include <QDialog>
#include <string>

#include "entry/entry_dialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zorva {

class MainWindow;

// "Wprowadzanie danych": the call, the QSO date and the confirmation method of
// the grid's current row. A fresh dialog is made for every opening.
class EntryDialogWindow : public QDialog {
    Q_OBJECT
  public:
    explicit EntryDialogWindow(MainWindow& mainWindow);

    // Fills the dialog from the grid's current row; false when the row may not
    // be edited (the refusal has been shown).
    bool Open();
    // Open() and, when it lets the row through, the modal dialog.
    void Run();

    QLineEdit* MaskEdit2() const { return MaskEdit2_; }
    QLineEdit* MaskEdit1() const { return MaskEdit1_; }
    QRadioButton* RadioButton1() const { return RadioButton1_; }
    QRadioButton* RadioButton2() const { return RadioButton2_; }
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }
    QLabel* Label(int number) const;
    bool WasConfirmed() const { return entry_.WasConfirmed(); }

    // The fields as the rules read them: 15 and 10 characters, blanks where nothing is typed.
    std::string CallFieldText() const;
    std::string DateFieldText() const;

  public slots:
    void acceptEntry();
    void cancel();
    void dateTyped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildFields();
    void BuildMethodGroup();
    void BuildPanel();
    void BuildButtons();
    bool CallFieldKey(int key);
    bool DateFieldKey(int key);
    bool MethodKey(int key);
    QRadioButton* CheckedRadioButton() const;

    MainWindow& main_;
    EntryDialog entry_;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLineEdit* MaskEdit2_ = nullptr;
    QLineEdit* MaskEdit1_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    QRadioButton* RadioButton1_ = nullptr;
    QRadioButton* RadioButton2_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
};

}  // namespace zorva
