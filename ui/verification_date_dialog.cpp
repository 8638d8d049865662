#include "verification_date_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/verification.h"
#include "main_window.h"
#include "window_title.h"

namespace zorva {

VerificationDateDialog::VerificationDateDialog(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      main_(mainWindow) {
    setObjectName("verificationDateDialog");
    setWindowTitle(QString::fromUtf8("Data weryfikacji"));
    setModal(false);
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName("dateEdit");
    QFont bold = dateEdit_->font();
    bold.setBold(true);
    dateEdit_->setFont(bold);
    dateEdit_->installEventFilter(this);
    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    cancelButton_ = new QPushButton("Anuluj", this);
    cancelButton_->setObjectName("cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateEdit_);
    layout->addLayout(buttons);
    connect(okButton_, &QPushButton::clicked, this, &VerificationDateDialog::acceptDate);
    connect(cancelButton_, &QPushButton::clicked, this, &VerificationDateDialog::cancel);
}

void VerificationDateDialog::Run(const std::string& date) {
    dateEdit_->setText(QString::fromStdString(date));
    WidenForTitle(*this);
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    okButton_->setFocus();
}

void VerificationDateDialog::acceptDate() {
    // A refused date keeps the dialog open for another one.
    if (!VerifyConfirmedRows(main_.station(), dateEdit_->text().toStdString())) {
        dateEdit_->setFocus();
        return;
    }
    hide();
    main_.Refresh();
}

void VerificationDateDialog::cancel() {
    hide();
}

bool VerificationDateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dateEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            main_.station().View().typedPrefix.clear();
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
