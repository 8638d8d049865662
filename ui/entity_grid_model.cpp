#include "entity_grid_model.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "station/appearance.h"

namespace zorva {

QColor ColourFromSetting(int value) {
    const Rgb rgb = RgbOf(value);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

int SettingFromColour(const QColor& colour) {
    return ColourOf({colour.red(), colour.green(), colour.blue()});
}

EntityGridModel::EntityGridModel(Station& station, QObject* parent)
    : QAbstractTableModel(parent),
      station_(station),
      shown_(CurrentRows()),
      shownSortColumn_(station.View().sortColumn) {}

int EntityGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int EntityGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EntityRow::kFieldCount;
}

std::vector<EntityGridModel::ShownRow> EntityGridModel::CurrentRows() const {
    const Grid& grid = station_.View().grid;
    std::vector<ShownRow> rows;
    rows.reserve(static_cast<size_t>(grid.DataRowCount()));
    for (int r = 0; r < grid.DataRowCount(); ++r) {
        const CellPaint paint = PaintRow(station_, r);
        rows.push_back({grid.DataRow(r), ColourFromSetting(paint.background.value_or(kWhite)),
                        ColourFromSetting(paint.text)});
    }
    return rows;
}

void EntityGridModel::Sync() {
    std::vector<ShownRow> rows = CurrentRows();
    const bool sameEntities = std::equal(
        rows.begin(), rows.end(), shown_.begin(), shown_.end(),
        [](const ShownRow& a, const ShownRow& b) { return a.entity.adif == b.entity.adif; });
    if (!sameEntities) {
        beginResetModel();
        shown_ = std::move(rows);
        shownSortColumn_ = station_.View().sortColumn;
        endResetModel();
        return;
    }
    AnnounceChangedRows(rows);
    if (shownSortColumn_ != station_.View().sortColumn) {
        shownSortColumn_ = station_.View().sortColumn;
        emit headerDataChanged(Qt::Horizontal, 0, EntityRow::kFieldCount - 1);
    }
}

void EntityGridModel::AnnounceChangedRows(const std::vector<ShownRow>& rows) {
    // Neighbouring changed rows go out as one range.
    size_t i = 0;
    while (i < rows.size()) {
        if (rows[i] == shown_[i]) {
            ++i;
            continue;
        }
        const size_t first = i;
        while (i < rows.size() && !(rows[i] == shown_[i])) {
            shown_[i] = rows[i];
            ++i;
        }
        emit dataChanged(index(static_cast<int>(first), 0),
                         index(static_cast<int>(i - 1), EntityRow::kFieldCount - 1));
    }
}

void EntityGridModel::SelectCell(int row, int column) {
    station_.SelectRow(row);
    station_.View().grid.currentColumn = column;
    Sync();
}

QColor EntityGridModel::Background(int row) const {
    return shown_.at(static_cast<size_t>(row)).background;
}

QColor EntityGridModel::Foreground(int row) const {
    return shown_.at(static_cast<size_t>(row)).foreground;
}

QVariant EntityGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ShownRow& row = shown_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(row.entity.Field(index.column()));
        case Qt::BackgroundRole:
            return row.background;
        case Qt::ForegroundRole:
            return row.foreground;
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
            return ColourFromSetting(section == shownSortColumn_ ? kRed : kBlack);
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

}  // namespace zorva
