#include "row_height_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "main_window.h"
#include "station/appearance.h"

namespace zorva {

RowHeightDialog::RowHeightDialog(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow) {
    setObjectName("rowHeightDialog");
    setWindowTitle(QString::fromUtf8("Wysokość wierszy"));
    setModal(true);
    SpinEdit1_ = new QSpinBox(this);
    SpinEdit1_->setObjectName("SpinEdit1");
    SpinEdit1_->setRange(kMinRowHeight, kMaxRowHeight);
    SpinEdit1_->setSingleStep(1);
    SpinEdit1_->setContextMenuPolicy(Qt::NoContextMenu);
    QFont font = SpinEdit1_->font();
    font.setBold(true);
    SpinEdit1_->setFont(font);
    SpinEdit1_->setStyleSheet("color: navy;");
    SpinEdit1_->installEventFilter(this);
    Button1_ = new QPushButton(QString::fromUtf8("Powrót"), this);
    Button1_->setObjectName("Button1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SpinEdit1_);
    layout->addWidget(Button1_);
    connect(SpinEdit1_, &QSpinBox::valueChanged, this, &RowHeightDialog::heightChanged);
    connect(Button1_, &QPushButton::clicked, this, &RowHeightDialog::goBack);
}

void RowHeightDialog::Run() {
    {
        const QSignalBlocker quiet(SpinEdit1_);
        SpinEdit1_->setValue(ClampRowHeight(main_.station().appearance.rowHeight));
    }
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    exec();
}

void RowHeightDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FocusReturnButton();
}

void RowHeightDialog::FocusReturnButton() {
    Button1_->setFocus();
}

void RowHeightDialog::heightChanged(int value) {
    main_.station().appearance.rowHeight = RowHeightFromText(std::to_string(value));
    main_.Refresh();
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
    if (watched == SpinEdit1_ && event->type() == QEvent::KeyPress) {
        return Discarded(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
