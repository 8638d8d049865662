#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace zorva {

// "Wysokość wierszy": a spin field whose every change offers the grid a new row height at once.
class RowHeightDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RowHeightDialog(QWidget* owner);

    // Offers the row height and shows the dialog modally over its owner.
    void Run(int rowHeight);
    QSpinBox* HeightSpin() const { return heightSpin_; }

  signals:
    void heightChosen(int rowHeight);

  public slots:
    void goBack();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FocusReturnButton();
    // True for the keys the spin field discards: characters, Delete, page steps.
    static bool Discarded(const QKeyEvent& key);

    QSpinBox* heightSpin_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace zorva
