#pragma once

#include <QDialog>
#include <string>

#include "convert/conversion_template.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorva {

class Station;

// "Konwersja plików do nowej wersji ZORVA_Rade ": converts a station file of the
// previous version. The program converts through the station's hook and never
// shows this window; it is created at start so that a missing or faulty
// template is reported.
class ConversionWindow : public QDialog {
    Q_OBJECT
  public:
    // Reads the template. The first command-line argument goes into the path
    // field when the template was read without a message.
    explicit ConversionWindow(Station& station, const std::string& firstArgument = {},
                              QWidget* parent = nullptr);

    QLineEdit* Edit1() const { return Edit1_; }
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }
    QPushButton* Button3() const { return Button3_; }

  public slots:
    void chooseFile();  // "Szukaj"
    void convert();     // "Start"
    void quit();        // "Koniec"

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Station& station_;
    ConversionTemplate template_;
    QLabel* Label1_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPushButton* Button3_ = nullptr;
};

}  // namespace zorva
