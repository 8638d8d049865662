#pragma once

#include <QDialog>

#include "station/restore_command.h"

class QTableWidget;

namespace zorva {

// The list of "Przywróć poprzednią wersję...": each kept version with the date
// and time its content was saved and the counters it would show (or why it
// cannot be restored); OK or a double-click chooses one.
class RestoreVersionDialog : public QDialog {
  public:
    RestoreVersionDialog(QWidget* parent, const std::vector<VersionEntry>& newestFirst);

    // The chosen version's name after an accepted dialog.
    std::string Chosen() const;
    QTableWidget* Table() const { return table_; }

  private:
    void Fill(const std::vector<VersionEntry>& newestFirst);

    QTableWidget* table_ = nullptr;
    std::vector<std::string> names_;
};

// The dialog as the restore flow's chooser, shown modally over `parent`.
ChooseVersion RestoreVersionChooser(QWidget* parent);

}  // namespace zorva
