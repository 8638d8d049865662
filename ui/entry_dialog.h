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

// "Wprowadzanie danych": the call, the QSO date and the confirmation method of
// the grid's current row. A fresh dialog is made for every opening.
class EntryDialogWindow : public QDialog {
    Q_OBJECT
  public:
    EntryDialogWindow(EditSession& session, QWidget* owner);

    // Fills the dialog from the grid's current row; false when the row may not
    // be edited (the refusal has been shown).
    bool Open();
    // Open() and, when it lets the row through, the modal dialog.
    void Run();

    QLineEdit* CallEdit() const { return callEdit_; }
    QLineEdit* QsoDateEdit() const { return qsoDateEdit_; }
    QRadioButton* QslRadio() const { return qslRadio_; }
    QRadioButton* LotwRadio() const { return lotwRadio_; }
    QPushButton* ConfirmButton() const { return confirmButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QLabel* CallLabel() const { return callLabel_; }
    QLabel* DateLabel() const { return dateLabel_; }
    QLabel* PrefixLabel() const { return prefixLabel_; }
    QLabel* NameLabel() const { return nameLabel_; }
    QLabel* AdifLabel() const { return adifLabel_; }
    QLabel* DeletedLabel() const { return deletedLabel_; }
    bool WasConfirmed() const { return entry_.WasConfirmed(); }

    // The call as typed; the date field as the rules read it: 10 characters, blanks where
    // nothing is typed.
    std::string CallFieldText() const;
    std::string DateFieldText() const;

  signals:
    // Typing in the date field marked the station modified.
    void stationChanged();

  public slots:
    void acceptEntry();
    void cancel();
    void dateTyped();
    // "Anuluj", Esc where the dialog allows it and the window's close button alike.
    void reject() override;

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

    EntryDialog entry_;
    QLabel* callLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* prefixLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* adifLabel_ = nullptr;
    QLabel* deletedLabel_ = nullptr;
    QLineEdit* callEdit_ = nullptr;
    QLineEdit* qsoDateEdit_ = nullptr;
    QGroupBox* methodGroup_ = nullptr;
    QRadioButton* qslRadio_ = nullptr;
    QRadioButton* lotwRadio_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace zorva
