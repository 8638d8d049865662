#include "verification_date_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/verification.h"
#include "main_window.h"

namespace zorva {

VerificationDateDialog::VerificationDateDialog(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      main_(mainWindow) {
    setObjectName("verificationDateDialog");
    setWindowTitle(QString::fromUtf8("Data weryfikacji"));
    setModal(false);
    Edit1_ = new QLineEdit(this);
    Edit1_->setObjectName("Edit1");
    QFont bold = Edit1_->font();
    bold.setBold(true);
    Edit1_->setFont(bold);
    Edit1_->installEventFilter(this);
    Button1_ = new QPushButton("OK", this);
    Button1_->setObjectName("Button1");
    Button2_ = new QPushButton("Anuluj", this);
    Button2_->setObjectName("Button2");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1_);
    layout->addLayout(buttons);
    connect(Button1_, &QPushButton::clicked, this, &VerificationDateDialog::acceptDate);
    connect(Button2_, &QPushButton::clicked, this, &VerificationDateDialog::cancel);
}

void VerificationDateDialog::Run(const std::string& date) {
    Edit1_->setText(QString::fromStdString(date));
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    Button1_->setFocus();
}

void VerificationDateDialog::acceptDate() {
    // A refused date keeps the dialog open for another one.
    if (!VerifyConfirmedRows(main_.station(), Edit1_->text().toStdString())) {
        Edit1_->setFocus();
        return;
    }
    hide();
    main_.Refresh();
}

void VerificationDateDialog::cancel() {
    hide();
}

bool VerificationDateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            main_.station().typedPrefix.clear();
            acceptDate();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VerificationDateDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog is closed by its buttons only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void VerificationDateDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace zorva
