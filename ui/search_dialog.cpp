#include "search_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "main_window.h"

namespace zorva {

SearchDialog::SearchDialog(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow),
      search_(mainWindow.station()) {
    setObjectName("searchDialog");
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
    connect(Button1_, &QPushButton::clicked, this, &SearchDialog::findNext);
    connect(Button2_, &QPushButton::clicked, this, &SearchDialog::clearText);
    connect(Button3_, &QPushButton::clicked, this, &SearchDialog::goBack);
    connect(Edit1_, &QLineEdit::textChanged, this, &SearchDialog::textTyped);
    Reset();
}

void SearchDialog::Reset() {
    Place();
    Edit1_->clear();
}

void SearchDialog::Place() {
    const QPoint corner = main_.frameGeometry().topLeft();
    move(corner.x() + kSearchDialogLeftOffset, corner.y() + kSearchDialogTopOffset);
}

void SearchDialog::Open() {
    search_.Open();
    Place();
    show();
    raise();
    activateWindow();
    Edit1_->setFocus();
}

void SearchDialog::Show(EntitySearch::Outcome outcome) {
    main_.Refresh();
    if (outcome == EntitySearch::Outcome::Finished) Edit1_->setFocus();
}

void SearchDialog::findNext() {
    Show(search_.Find());
}

void SearchDialog::clearText() {
    Edit1_->clear();
    search_.Clear();
}

void SearchDialog::goBack() {
    hide();
}

void SearchDialog::textTyped(const QString& text) {
    search_.SetText(text.toStdString());
}

bool SearchDialog::TextFieldKey(int key) {
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

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::KeyPress) {
        return TextFieldKey(static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::keyPressEvent(QKeyEvent* event) {
    // Esc outside the text field must not close the window behind the search's back.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace zorva
