#include "search_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorva {

SearchDialog::SearchDialog(Station& station, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      search_(station) {
    setObjectName("searchDialog");
    setWindowTitle("Szukanie podmiotu");
    setModal(false);
    textEdit_ = new QLineEdit(this);
    textEdit_->setObjectName("textEdit");
    textEdit_->installEventFilter(this);
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    findButton_ = button("findButton", "Znajdź");
    clearButton_ = button("clearButton", "Wyczyść");
    backButton_ = button("backButton", "Powrót");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton_);
    buttons->addWidget(clearButton_);
    buttons->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textEdit_);
    layout->addLayout(buttons);
    connect(findButton_, &QPushButton::clicked, this, &SearchDialog::findNext);
    connect(clearButton_, &QPushButton::clicked, this, &SearchDialog::clearText);
    connect(backButton_, &QPushButton::clicked, this, &SearchDialog::goBack);
    connect(textEdit_, &QLineEdit::textChanged, this, &SearchDialog::textTyped);
    Reset();
}

void SearchDialog::Reset() {
    Place();
    textEdit_->clear();
}

void SearchDialog::Place() {
    if (!parentWidget()) return;
    const QPoint corner = parentWidget()->frameGeometry().topLeft();
    move(corner.x() + kSearchDialogLeftOffset, corner.y() + kSearchDialogTopOffset);
}

void SearchDialog::Open() {
    search_.Open();
    Place();
    show();
    raise();
    activateWindow();
    textEdit_->setFocus();
}

void SearchDialog::Show(EntitySearch::Outcome outcome) {
    emit stationChanged();
    if (outcome != EntitySearch::Outcome::Finished && outcome != EntitySearch::Outcome::NotFound)
        return;
    // After the closing message the search goes on here, not in the main window's grid.
    activateWindow();
    textEdit_->setFocus();
}

void SearchDialog::findNext() {
    Show(search_.Find());
}

void SearchDialog::clearText() {
    textEdit_->clear();
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
            textEdit_->clear();
        }
        emit stationChanged();
        return true;
    }
    return false;
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textEdit_ && event->type() == QEvent::KeyPress) {
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
