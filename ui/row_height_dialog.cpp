#include "row_height_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "station/appearance.h"
#include "window_place.h"
#include "window_title.h"

namespace zorva {

RowHeightDialog::RowHeightDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("rowHeightDialog");
    setWindowTitle(QString::fromUtf8("Wysokość wierszy"));
    setModal(true);
    heightSpin_ = new QSpinBox(this);
    heightSpin_->setObjectName("heightSpin");
    heightSpin_->setRange(kMinRowHeight, kMaxRowHeight);
    heightSpin_->setSingleStep(1);
    heightSpin_->setContextMenuPolicy(Qt::NoContextMenu);
    QFont font = heightSpin_->font();
    font.setBold(true);
    heightSpin_->setFont(font);
    heightSpin_->setStyleSheet("color: navy;");
    heightSpin_->installEventFilter(this);
    backButton_ = new QPushButton(QString::fromUtf8("Powrót"), this);
    backButton_->setObjectName("backButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heightSpin_);
    layout->addWidget(backButton_);
    connect(heightSpin_, &QSpinBox::valueChanged, this, &RowHeightDialog::heightChosen);
    connect(backButton_, &QPushButton::clicked, this, &RowHeightDialog::goBack);
}

void RowHeightDialog::Run(int rowHeight) {
    {
        const QSignalBlocker quiet(heightSpin_);
        heightSpin_->setValue(ClampRowHeight(rowHeight));
    }
    WidenForTitle(*this);
    adjustSize();
    CentreOnOwner(*this);
    exec();
}

void RowHeightDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FocusReturnButton();
}

void RowHeightDialog::FocusReturnButton() {
    backButton_->setFocus();
}

void RowHeightDialog::goBack() {
    accept();
}

bool RowHeightDialog::Discarded(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return !key.text().isEmpty();
    }
}

bool RowHeightDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == heightSpin_ && event->type() == QEvent::KeyPress) {
        return Discarded(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
