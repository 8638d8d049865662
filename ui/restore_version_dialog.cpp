#include "restore_version_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorva {
namespace {

constexpr int kColumns = 5;  // date and time, then the four counters

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

RestoreVersionDialog::RestoreVersionDialog(QWidget* parent,
                                           const std::vector<VersionEntry>& newestFirst)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("restoreVersionDialog");
    setWindowTitle(QString::fromUtf8("Przywróć poprzednią wersję"));
    auto* label =
        new QLabel(QString::fromUtf8(
                       "Zapisane wersje pliku (data i godzina zapisu, liczniki), od najnowszej:"),
                   this);
    table_ = new QTableWidget(this);
    table_->setObjectName("versionTable");
    table_->setColumnCount(kColumns);
    // Each counter text names itself, as in the status bar; a header would only repeat it.
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    buttons->addButton(QString::fromUtf8("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName("cancelButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        table_->selectRow(row);
        accept();
    });
    Fill(newestFirst);
}

void RestoreVersionDialog::Fill(const std::vector<VersionEntry>& newestFirst) {
    table_->setRowCount(static_cast<int>(newestFirst.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const VersionEntry& version = newestFirst[static_cast<size_t>(row)];
        names_.push_back(version.name);
        table_->setItem(row, 0, Cell(DateTimeText(version.saved)));
        if (!version.error.empty()) {
            table_->setItem(row, 1, Cell(version.error));
            table_->setSpan(row, 1, 1, kColumns - 1);
            continue;
        }
        for (int c = 0; c < 4; ++c)
            table_->setItem(row, c + 1, Cell(version.counterTexts[static_cast<size_t>(c)]));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->selectRow(0);
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth() + 24);
}

std::string RestoreVersionDialog::Chosen() const {
    const int row = table_->currentRow();
    return row < 0 ? std::string() : names_[static_cast<size_t>(row)];
}

ChooseVersion RestoreVersionChooser(QWidget* parent) {
    return [parent](const std::vector<VersionEntry>& newestFirst) -> std::optional<std::string> {
        RestoreVersionDialog dialog(parent, newestFirst);
        if (dialog.exec() != QDialog::Accepted || dialog.Chosen().empty()) return std::nullopt;
        return dialog.Chosen();
    };
}

}  // namespace zorva
