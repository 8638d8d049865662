#include "Unit8.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "zorva_user.h"

namespace zorva {

TForm3::TForm3(TForm1& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow),
      search_(mainWindow.station()) {
    setObjectName("Form3");
    setWindowTitle("Szukanie podmiotu");
    setModal(false);
    Edit1_ = new QLineEdit(this);
    Edit1_->setObjectName("Edit1");
    Edit1_->installEventFilter(this);
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    Button1_ = button("Button1", "Znajdź");
    Button2_ = button("Button2", "Wyczyść");
    Button3_ = button("Button3", "Powrót");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    buttons->addWidget(Button3_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1_);
    layout->addLayout(buttons);
    connect(Button1_, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(Button3_, &QPushButton::clicked, this, &TForm3::Button3Click);
    connect(Edit1_, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
    FormCreate();
}

void TForm3::FormCreate() {
    Place();
    Edit1_->clear();
}

void TForm3::Place() {
    const QPoint corner = main_.frameGeometry().topLeft();
    move(corner.x() + kSearchDialogLeftOffset, corner.y() + kSearchDialogTopOffset);
}

void TForm3::Open() {
    search_.Open();
    Place();
    show();
    raise();
    activateWindow();
    Edit1_->setFocus();
}

void TForm3::Show(EntitySearch::Outcome outcome) {
    main_.Refresh();
    if (outcome == EntitySearch::Outcome::Finished) Edit1_->setFocus();
}

void TForm3::Button1Click() {
    Show(search_.Find());
}

void TForm3::Button2Click() {
    Edit1_->clear();
    search_.Clear();
}

void TForm3::Button3Click() {
    hide();
}

void TForm3::Edit1Change(const QString& text) {
    search_.SetText(text.toStdString());
}

bool TForm3::Edit1KeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Show(search_.PressEnter());
        return true;
    }
    if (key == Qt::Key_Escape) {
        if (search_.PressEscape()) {
            hide();
        } else {
            Edit1_->clear();
        }
        main_.Refresh();
        return true;
    }
    return false;
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::KeyPress) {
        return Edit1KeyPress(static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    // Esc outside the text field must not close the window behind the search's back.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace zorva
