#pragma once

#include <QTableView>
#include <array>
#include <optional>

#include "view/view_state.h"

namespace zorva {

// The entity grid: a table view that reports the user's presses, keys and double
// clicks as signals before Qt's own handling, and shows the current row it is told.
class EntityGridView : public QTableView {
    Q_OBJECT
  public:
    explicit EntityGridView(QWidget* parent);

    // Selects the whole row and scrolls to it; no row clears the selection.
    void ShowCurrentRow(std::optional<int> row, int column);
    void SetColumnWidths(const std::array<int, EntityRow::kFieldCount>& widths);

  signals:
    // A press on a data cell or a column title (not on a column border).
    void cellPressed(zorva::GridCell cell);
    void pressReleased();
    void enterPressed();
    void escapePressed();
    // A printable character, to search by prefix.
    void charTyped(char32_t ch);
    void editRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the key was taken and the view must not see it.
    bool KeyPressed(const QKeyEvent& key);
    bool ViewportMouse(const QMouseEvent& mouse);
    void TitlesMouse(const QMouseEvent& mouse);
};

}  // namespace zorva
