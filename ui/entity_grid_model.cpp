#include "entity_grid_model.h"

#include <QApplication>
#include <QPalette>
#include <functional>

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
      shownEntities_(ShownEntities()),
      shownSortColumn_(station.View().sortColumn) {
    for (int r = 0; r < rowCount(); ++r) shownLooks_.push_back(Look(r));
}

int EntityGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shownEntities_.size());
}

int EntityGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EntityRow::kFieldCount;
}

std::vector<std::string> EntityGridModel::ShownEntities() const {
    const Grid& grid = station_.View().grid;
    std::vector<std::string> entities;
    entities.reserve(static_cast<size_t>(grid.DataRowCount()));
    for (int r = 0; r < grid.DataRowCount(); ++r) entities.push_back(grid.DataRow(r).adif);
    return entities;
}

size_t EntityGridModel::Look(int row) const {
    const EntityRow& entity = station_.View().grid.DataRow(row);
    std::string look;
    for (int c = 0; c < EntityRow::kFieldCount; ++c) look += entity.Field(c) + '|';
    const CellPaint paint = PaintRow(station_, row);
    look += std::to_string(paint.background.value_or(kWhite)) + '|' + std::to_string(paint.text);
    return std::hash<std::string>{}(look);
}

void EntityGridModel::Sync() {
    std::vector<std::string> entities = ShownEntities();
    if (entities != shownEntities_) {
        beginResetModel();
        shownEntities_ = std::move(entities);
        shownLooks_.clear();
        for (int r = 0; r < rowCount(); ++r) shownLooks_.push_back(Look(r));
        shownSortColumn_ = station_.View().sortColumn;
        endResetModel();
        return;
    }
    AnnounceChangedRows();
    if (shownSortColumn_ != station_.View().sortColumn) {
        shownSortColumn_ = station_.View().sortColumn;
        emit headerDataChanged(Qt::Horizontal, 0, EntityRow::kFieldCount - 1);
    }
}

void EntityGridModel::AnnounceChangedRows() {
    // Neighbouring changed rows go out as one range.
    int r = 0;
    while (r < rowCount()) {
        const size_t look = Look(r);
        if (look == shownLooks_[static_cast<size_t>(r)]) {
            ++r;
            continue;
        }
        const int first = r;
        shownLooks_[static_cast<size_t>(r++)] = look;
        for (; r < rowCount(); ++r) {
            const size_t next = Look(r);
            if (next == shownLooks_[static_cast<size_t>(r)]) break;
            shownLooks_[static_cast<size_t>(r)] = next;
        }
        emit dataChanged(index(first, 0), index(r - 1, EntityRow::kFieldCount - 1));
    }
}

void EntityGridModel::SelectCell(int row, int column) {
    station_.SelectRow(row);
    station_.View().grid.currentColumn = column;
    Sync();
}

QColor EntityGridModel::Background(int row) const {
    return ColourFromSetting(PaintRow(station_, row).background.value_or(kWhite));
}

QColor EntityGridModel::Foreground(int row) const {
    return ColourFromSetting(PaintRow(station_, row).text);
}

QVariant EntityGridModel::data(const QModelIndex& index, int role) const {
    // Until Sync() announces a change, the view may ask for rows the Station no longer has.
    if (!index.isValid() || !station_.View().grid.HasDataRow(index.row())) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(
                station_.View().grid.DataRow(index.row()).Field(index.column()));
        case Qt::BackgroundRole:
            return Background(index.row());
        case Qt::ForegroundRole:
            return Foreground(index.row());
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
