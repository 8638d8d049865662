#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <cstddef>
#include <string>
#include <vector>

#include "station/station.h"

namespace zorva {

// Settings hold a colour as blue * 65536 + green * 256 + red.
QColor ColourFromSetting(int value);
int SettingFromColour(const QColor& colour);

// The entity grid as Qt sees it: the rows of the Station's view, in the view's
// order, with the row-state colours and the highlighted current row. The model
// reads every cell from the Station; of the rows it keeps only which entities it
// announced, in which order, and a digest of how each looked, so Sync() can
// announce exactly what changed since.
class EntityGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit EntityGridModel(Station& station, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Announces how the Station's view changed: a reset when other rows are shown
    // or in another order, dataChanged for each row whose text or colours changed,
    // headerDataChanged when the sort column moved.
    void Sync();
    // Makes a row and column current and shows it; model rows are the grid's data rows.
    void SelectCell(int row, int column);

    // The background of a row by its state, or white on blue for the current row.
    QColor Background(int row) const;
    QColor Foreground(int row) const;

  private:
    // The entity of each shown row, in order, and a digest of its text and colours.
    std::vector<std::string> ShownEntities() const;
    size_t Look(int row) const;
    void AnnounceChangedRows();

    Station& station_;
    std::vector<std::string> shownEntities_;
    std::vector<size_t> shownLooks_;
    int shownSortColumn_ = -1;
};

}  // namespace zorva
