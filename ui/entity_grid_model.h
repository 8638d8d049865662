#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

#include "station/station.h"

namespace zorva {

// Settings hold a colour as blue * 65536 + green * 256 + red.
QColor ColourFromSetting(int value);
int SettingFromColour(const QColor& colour);

// The entity grid as Qt sees it: the Station's grid rows with the row-state
// colours and the highlighted current row. The model shows its own copy of the
// rows, so nothing it shows changes unannounced; Sync() brings the copy up to
// the Station and announces what differs.
class EntityGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit EntityGridModel(Station& station, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the Station's grid as it is now: a reset when other rows are shown
    // or in another order, dataChanged for each row whose text or colours
    // changed, headerDataChanged when the sort column moved.
    void Sync();
    // Makes a row and column current and shows it; model rows are the grid's data rows.
    void SelectCell(int row, int column);

    // The background of a row by its state, or white on blue for the current row.
    QColor Background(int row) const;
    QColor Foreground(int row) const;

  private:
    struct ShownRow {
        EntityRow entity;
        QColor background;
        QColor foreground;
        bool operator==(const ShownRow&) const = default;
    };
    std::vector<ShownRow> CurrentRows() const;
    void AnnounceChangedRows(const std::vector<ShownRow>& rows);

    Station& station_;
    std::vector<ShownRow> shown_;
    int shownSortColumn_ = -1;
};

}  // namespace zorva
