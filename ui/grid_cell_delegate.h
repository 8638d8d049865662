#pragma once

#include <QStyledItemDelegate>

namespace zorva {

// Paints a cell of the entity grid: the whole rectangle in the model's background, the
// text on one line in the model's foreground, 2 pixels in from the top left.
// The model already paints the current row, so the style's selection is not drawn.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace zorva
