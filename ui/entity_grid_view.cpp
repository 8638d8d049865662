#include "entity_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "grid_cell_delegate.h"
#include "station/appearance.h"

namespace zorva {

EntityGridView::EntityGridView(QWidget* parent) : QTableView(parent) {
    setObjectName("grid");
    setItemDelegate(new GridCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kMinRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* titles = horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setMinimumSectionSize(1);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::CustomContextMenu);
    installEventFilter(this);
    viewport()->installEventFilter(this);
    titles->viewport()->installEventFilter(this);
}

void EntityGridView::ShowCurrentRow(std::optional<int> row, int column) {
    if (!row) {
        selectionModel()->clearCurrentIndex();
        clearSelection();
        return;
    }
    const QModelIndex current = model()->index(*row, std::max(0, column));
    selectionModel()->setCurrentIndex(
        current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(current);
}

void EntityGridView::SetColumnWidths(const std::array<int, EntityRow::kFieldCount>& widths) {
    QHeaderView* titles = horizontalHeader();
    for (int c = 0; c < EntityRow::kFieldCount; ++c) {
        const int width = widths[static_cast<size_t>(c)];
        if (titles->sectionSize(c) != width) titles->resizeSection(c, width);
    }
}

bool EntityGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::KeyPress)
        return KeyPressed(*static_cast<QKeyEvent*>(event));
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse && watched == viewport()) return ViewportMouse(*mouse);
    if (mouse && watched == horizontalHeader()->viewport()) TitlesMouse(*mouse);
    return QTableView::eventFilter(watched, event);
}

bool EntityGridView::KeyPressed(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        emit enterPressed();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        emit escapePressed();
        return true;
    }
    const QList<uint> typed = key.text().toUcs4();
    if (typed.size() != 1 || typed.front() < 32 || typed.front() == 127) return false;
    // Alt and Ctrl keys are commands (access keys, shortcuts), never part of a prefix.
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return true;
    // A letter the prefix search leaves must not reach the view's own type-ahead,
    // which would move the current row unseen.
    emit charTyped(static_cast<char32_t>(typed.front()));
    return true;
}

bool EntityGridView::ViewportMouse(const QMouseEvent& mouse) {
    switch (mouse.type()) {
        case QEvent::MouseButtonPress: {
            const QPoint at = mouse.position().toPoint();
            emit cellPressed(GridCell::Data(rowAt(at.y()), columnAt(at.x())));
            return false;
        }
        case QEvent::MouseButtonRelease:
            emit pressReleased();
            return false;
        case QEvent::MouseButtonDblClick:
            if (mouse.button() != Qt::LeftButton) return false;
            emit editRequested();
            return true;
        default:
            return false;
    }
}

void EntityGridView::TitlesMouse(const QMouseEvent& mouse) {
    QHeaderView* titles = horizontalHeader();
    if (mouse.type() == QEvent::MouseButtonPress) {
        const int x = mouse.position().toPoint().x();
        const int column = titles->logicalIndexAt(x);
        // A press on a column border starts a resize; it is no press on the title.
        const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, titles);
        const int left = column < 0 ? 0 : titles->sectionViewportPosition(column);
        const int right = column < 0 ? 0 : left + titles->sectionSize(column);
        const bool onBorder = column >= 0 && (x - left < grip || right - x <= grip);
        emit cellPressed(GridCell::Title(onBorder ? kOutsideCells : column));
    } else if (mouse.type() == QEvent::MouseButtonRelease) {
        emit pressReleased();
    }
}

}  // namespace zorva
