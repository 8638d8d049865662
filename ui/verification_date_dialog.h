#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace zorva {

// "Data weryfikacji": the modeless date dialog of "Weryfikacja danych". It
// lives for the whole run and is shown and hidden; its frame has no buttons.
class VerificationDateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VerificationDateDialog(QWidget* owner);

    // Offers the date and shows the dialog with the focus on "OK".
    void Run(const std::string& date);
    // The answers to dateChosen: the date was used, or refused and is to be typed again.
    void DateTaken();
    void DateRefused();

    QLineEdit* DateEdit() const { return dateEdit_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

  signals:
    // "OK", or Enter in the date field (byEnter).
    void dateChosen(const std::string& date, bool byEnter);

  public slots:
    void acceptDate();
    void cancel();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* dateEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace zorva
