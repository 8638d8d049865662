#include "verification_date_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "window_place.h"
#include "window_title.h"

namespace zorva {

VerificationDateDialog::VerificationDateDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
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
    CentreOnOwner(*this);
    show();
    raise();
    activateWindow();
    okButton_->setFocus();
}

void VerificationDateDialog::acceptDate() {
    emit dateChosen(dateEdit_->text().toStdString(), false);
}

void VerificationDateDialog::DateTaken() {
    hide();
}

void VerificationDateDialog::DateRefused() {
    // A refused date keeps the dialog open for another one.
    dateEdit_->setFocus();
}

void VerificationDateDialog::cancel() {
    hide();
}

bool VerificationDateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dateEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit dateChosen(dateEdit_->text().toStdString(), true);
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
