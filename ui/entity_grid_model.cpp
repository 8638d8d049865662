#include "entity_grid_model.h"

#include <QApplication>
#include <QPalette>

#include "station/appearance.h"

namespace zorva {
namespace {

const QColor kHighlightBackground(0, 0, 255);
const QColor kHighlightText(255, 255, 255);
const QColor kSortTitle(255, 0, 0);

}  // namespace

QColor ColourFromSetting(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int SettingFromColour(const QColor& colour) {
    return colour.blue() * 65536 + colour.green() * 256 + colour.red();
}

EntityGridModel::EntityGridModel(Station& station, QObject* parent)
    : QAbstractTableModel(parent), station_(station) {}

int EntityGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : station_.grid.DataRowCount();
}

int EntityGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EntityRow::kFieldCount;
}

QColor EntityGridModel::Background(int gridRow) const {
    if (gridRow == station_.grid.currentRow && gridRow != 0) return kHighlightBackground;
    return ColourFromSetting(RowBackground(station_.grid.DataRow(gridRow), station_.appearance));
}

QColor EntityGridModel::Foreground(int gridRow) const {
    if (gridRow == station_.grid.currentRow && gridRow != 0) return kHighlightText;
    return Qt::black;
}

QVariant EntityGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= station_.grid.DataRowCount()) return {};
    const int gridRow = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(station_.grid.DataRow(gridRow).Field(index.column()));
        case Qt::BackgroundRole:
            return Background(gridRow);
        case Qt::ForegroundRole:
            return Foreground(gridRow);
        default:
            return {};
    }
}

QVariant EntityGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= EntityRow::kFieldCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(kColumnTitles[static_cast<size_t>(section)]);
        case Qt::ForegroundRole:
            return section == station_.sortColumn ? kSortTitle : QColor(Qt::black);
        case Qt::BackgroundRole:
            return QApplication::palette().color(QPalette::Button);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

Qt::ItemFlags EntityGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void EntityGridModel::Reload() {
    beginResetModel();
    endResetModel();
}

void EntityGridModel::CurrentRowMoved(int from, int to) {
    RowChanged(from);
    RowChanged(to);
}

void EntityGridModel::RowChanged(int gridRow) {
    if (gridRow < 1 || gridRow > station_.grid.DataRowCount()) return;
    emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, EntityRow::kFieldCount - 1),
                     {Qt::BackgroundRole, Qt::ForegroundRole});
}

}  // namespace zorva
