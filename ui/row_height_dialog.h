#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace zorva {

class MainWindow;

// "Wysokość wierszy": a spin field whose every change sets the grid's row height at once.
class RowHeightDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RowHeightDialog(MainWindow& mainWindow);

    // Offers the current row height and shows the dialog modally.
    void Run();
    QSpinBox* HeightSpin() const { return heightSpin_; }

  public slots:
    void heightChanged(int value);
    void goBack();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FocusReturnButton();
    // True for the keys the spin field discards: characters, Delete, page steps.
    static bool Discarded(const QKeyEvent& key);

    MainWindow& main_;
    QSpinBox* heightSpin_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace zorva
