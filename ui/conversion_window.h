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

    QLineEdit* FileEdit() const { return fileEdit_; }
    QPushButton* ChooseButton() const { return chooseButton_; }
    QPushButton* StartButton() const { return startButton_; }
    QPushButton* QuitButton() const { return quitButton_; }

  public slots:
    void chooseFile();  // "Szukaj"
    void convert();     // "Start"
    void quit();        // "Koniec"

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Station& station_;
    ConversionTemplate template_;
    QLabel* fileLabel_ = nullptr;
    QLineEdit* fileEdit_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
};

}  // namespace zorva
