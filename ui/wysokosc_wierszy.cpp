#include "wysokosc_wierszy.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "station/appearance.h"
#include "zorva_user.h"

namespace zorva {

TFwysokosc_wierszy::TFwysokosc_wierszy(TForm1& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow) {
    setObjectName("Fwysokosc_wierszy");
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
    connect(SpinEdit1_, &QSpinBox::valueChanged, this, &TFwysokosc_wierszy::SpinEdit1Change);
    connect(Button1_, &QPushButton::clicked, this, &TFwysokosc_wierszy::Button1Click);
}

void TFwysokosc_wierszy::Run() {
    {
        const QSignalBlocker quiet(SpinEdit1_);
        SpinEdit1_->setValue(ClampRowHeight(main_.station().appearance.rowHeight));
    }
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    exec();
}

void TFwysokosc_wierszy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TFwysokosc_wierszy::FormActivate() {
    Button1_->setFocus();
}

void TFwysokosc_wierszy::SpinEdit1Change(int value) {
    main_.station().appearance.rowHeight = RowHeightFromText(std::to_string(value));
    main_.Refresh();
}

void TFwysokosc_wierszy::Button1Click() {
    accept();
}

bool TFwysokosc_wierszy::Discarded(const QKeyEvent& key) {
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

bool TFwysokosc_wierszy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SpinEdit1_ && event->type() == QEvent::KeyPress) {
        return Discarded(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
