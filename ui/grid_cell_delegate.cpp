#include "grid_cell_delegate.h"

#include <QPainter>

namespace zorva {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, index.data(Qt::BackgroundRole).value<QColor>());
    painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    painter->setFont(option.font);
    const QRect textArea = cell.adjusted(2, 2, 0, 0);
    painter->setClipRect(cell);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

}  // namespace zorva
