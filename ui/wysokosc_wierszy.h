#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace zorva {

class TForm1;

// "Wysokość wierszy": a spin field whose every change sets the grid's row height at once.
class TFwysokosc_wierszy : public QDialog {
    Q_OBJECT
  public:
    explicit TFwysokosc_wierszy(TForm1& mainWindow);

    // Offers the current row height and shows the dialog modally.
    void Run();
    QSpinBox* SpinEdit1() const { return SpinEdit1_; }

  public slots:
    void SpinEdit1Change(int value);
    void Button1Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormActivate();
    // True for the keys the spin field discards: characters, Delete, page steps.
    static bool Discarded(const QKeyEvent& key);

    TForm1& main_;
    QSpinBox* SpinEdit1_ = nullptr;
    QPushButton* Button1_ = nullptr;
};

}  // namespace zorva
