#include "Unit4.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/verification.h"
#include "zorva_user.h"

namespace zorva {

TForm4::TForm4(TForm1& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      main_(mainWindow) {
    setObjectName("Form4");
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
    connect(Button1_, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::Run(const std::string& date) {
    Edit1_->setText(QString::fromStdString(date));
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    Button1_->setFocus();
}

void TForm4::Button1Click() {
    // A refused date keeps the dialog open for another one.
    if (!VerifyConfirmedRows(main_.station(), Edit1_->text().toStdString())) {
        Edit1_->setFocus();
        return;
    }
    hide();
    main_.Refresh();
}

void TForm4::Button2Click() {
    hide();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            main_.station().typedPrefix.clear();
            Button1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    // The dialog is closed by its buttons only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm4::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace zorva
