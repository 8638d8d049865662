#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "station/station.h"

namespace zorva {

// Settings hold a colour as blue * 65536 + green * 256 + red.
QColor ColourFromSetting(int value);
int SettingFromColour(const QColor& colour);

// The entity grid as Qt sees it: the Station's grid rows (row r of the model is
// grid data row r + 1), with the row-state colours and the highlighted current row.
class EntityGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit EntityGridModel(Station& station, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The Station's grid was refilled, sorted or re-coloured.
    void Reload();
    // The current row moved from one grid row to another (1-based, 0 for none).
    void CurrentRowMoved(int from, int to);

    // The background of a data row by its state, or white on blue for the current row.
    QColor Background(int gridRow) const;
    QColor Foreground(int gridRow) const;

  private:
    void RowChanged(int gridRow);

    Station& station_;
};

}  // namespace zorva
