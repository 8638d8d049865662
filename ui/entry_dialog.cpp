#include "entry_dialog.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/columns.h"
#include "window_place.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A field that gets the focus has its whole text selected, so typing replaces it.
void FocusField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

}  // namespace

EntryDialogWindow::EntryDialogWindow(EditSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      entry_(session) {
    setObjectName("entryDialog");
    setWindowTitle(QString::fromUtf8("Wprowadzanie danych"));
    setModal(true);
    BuildFields();
    BuildMethodGroup();
    BuildPanel();
    BuildButtons();

    auto* fields = new QGridLayout;
    fields->addWidget(callLabel_, 0, 0);
    fields->addWidget(dateLabel_, 0, 1);
    fields->addWidget(callEdit_, 1, 0);
    fields->addWidget(qsoDateEdit_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findChild<QFrame*>("entityPanel"));
    layout->addLayout(fields);
    layout->addWidget(methodGroup_);
    layout->addLayout(buttons);

    setTabOrder(callEdit_, qsoDateEdit_);
    setTabOrder(qsoDateEdit_, qslRadio_);
    setTabOrder(qslRadio_, lotwRadio_);
    setTabOrder(lotwRadio_, confirmButton_);
    setTabOrder(confirmButton_, cancelButton_);
}

void EntryDialogWindow::BuildFields() {
    callLabel_ = new QLabel(QString::fromUtf8("Znak"), this);
    dateLabel_ = new QLabel(QString::fromUtf8("Data (rrrr-mm-dd)"), this);
    callEdit_ = new QLineEdit(this);
    callEdit_->setObjectName("callEdit");
    // 15 optional positions, letters in capitals as typed.
    callEdit_->setInputMask(">xxxxxxxxxxxxxxx");
    callEdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    qsoDateEdit_ = new QLineEdit(this);
    qsoDateEdit_->setObjectName("qsoDateEdit");
    qsoDateEdit_->setInputMask("0000-00-00;_");
    callLabel_->setBuddy(callEdit_);
    dateLabel_->setBuddy(qsoDateEdit_);
    for (QLineEdit* field : {callEdit_, qsoDateEdit_}) field->installEventFilter(this);
    connect(qsoDateEdit_, &QLineEdit::textChanged, this, &EntryDialogWindow::dateTyped);
}

void EntryDialogWindow::BuildMethodGroup() {
    methodGroup_ = new QGroupBox(QString::fromUtf8("Sposób potwierdzenia"), this);
    methodGroup_->setObjectName("methodGroup");
    qslRadio_ = new QRadioButton("QSL", methodGroup_);
    qslRadio_->setObjectName("qslRadio");
    lotwRadio_ = new QRadioButton("LoTW", methodGroup_);
    lotwRadio_->setObjectName("lotwRadio");
    qslRadio_->setChecked(true);
    auto* layout = new QHBoxLayout(methodGroup_);
    layout->addWidget(qslRadio_);
    layout->addWidget(lotwRadio_);
    for (QRadioButton* radio : {qslRadio_, lotwRadio_}) radio->installEventFilter(this);
}

void EntryDialogWindow::BuildPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("entityPanel");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    adifLabel_ = new QLabel(panel);
    deletedLabel_ = new QLabel(panel);
    prefixLabel_ = new QLabel(panel);
    nameLabel_ = new QLabel(panel);
    for (QLabel* label : {adifLabel_, deletedLabel_, prefixLabel_, nameLabel_}) {
        label->setStyleSheet("color: blue; font-weight: bold;");
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    layout->addStretch();
}

void EntryDialogWindow::BuildButtons() {
    confirmButton_ = new QPushButton(QString::fromUtf8("Zatwierdź"), this);
    confirmButton_->setObjectName("confirmButton");
    cancelButton_ = new QPushButton(QString::fromUtf8("Anuluj"), this);
    cancelButton_->setObjectName("cancelButton");
    connect(confirmButton_, &QPushButton::clicked, this, &EntryDialogWindow::acceptEntry);
    connect(cancelButton_, &QPushButton::clicked, this, &EntryDialogWindow::cancel);
}

bool EntryDialogWindow::Open() {
    if (!entry_.Open()) return false;
    const EntryForm& form = entry_.Form();
    prefixLabel_->setText(Q(form.prefix));
    nameLabel_->setText(Q(form.name));
    adifLabel_->setText(Q(form.adif));
    deletedLabel_->setText(Q(form.deleted));
    {
        // Filling the dialog is no edit of the user's: it must not mark the data modified.
        const QSignalBlocker quiet(qsoDateEdit_);
        callEdit_->setText(Q(form.call));
        qsoDateEdit_->setText(Q(form.date));
    }
    if (form.method == Confirmation::Lotw) {
        lotwRadio_->setChecked(true);
    } else {
        qslRadio_->setChecked(true);
    }
    FocusField(callEdit_);
    return true;
}

void EntryDialogWindow::Run() {
    if (!Open()) return;
    adjustSize();
    CentreOnOwner(*this);
    exec();
}

std::string EntryDialogWindow::CallFieldText() const {
    return callEdit_->displayText().toStdString();
}

std::string EntryDialogWindow::DateFieldText() const {
    QString shown = qsoDateEdit_->displayText();
    shown.replace(QChar('_'), QChar(' '));
    return PadCut(shown.toStdString(), kDateFieldWidth);
}

void EntryDialogWindow::acceptEntry() {
    const Confirmation method = lotwRadio_->isChecked() ? Confirmation::Lotw : Confirmation::Qsl;
    const EntryOutcome outcome = entry_.Accept(CallFieldText(), DateFieldText(), method);
    if (outcome.accepted) {
        accept();
        return;
    }
    if (outcome.focus == EntryFocus::DateField) FocusField(qsoDateEdit_);
    if (outcome.focus == EntryFocus::CallField) FocusField(callEdit_);
}

void EntryDialogWindow::cancel() {
    reject();
}

void EntryDialogWindow::reject() {
    entry_.Cancel();
    QDialog::reject();
}

void EntryDialogWindow::dateTyped() {
    entry_.DateFieldChanged();
    emit stationChanged();
}

QRadioButton* EntryDialogWindow::CheckedRadioButton() const {
    return lotwRadio_->isChecked() ? lotwRadio_ : qslRadio_;
}

bool EntryDialogWindow::CallFieldKey(int key) {
    if (key == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (IsEnter(key)) {
        FocusField(qsoDateEdit_);
        return true;
    }
    return false;
}

bool EntryDialogWindow::DateFieldKey(int key) {
    if (IsEnter(key)) {
        CheckedRadioButton()->setFocus();
        return true;
    }
    return false;
}

bool EntryDialogWindow::MethodKey(int key) {
    if (key == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (IsEnter(key)) {
        acceptEntry();
        return true;
    }
    return false;
}

bool EntryDialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == callEdit_) return CallFieldKey(key);
        if (watched == qsoDateEdit_) return DateFieldKey(key);
        if (watched == qslRadio_ || watched == lotwRadio_) return MethodKey(key);
    }
    if (watched == qslRadio_ && event->type() == QEvent::MouseButtonDblClick) {
        acceptEntry();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EntryDialogWindow::keyPressEvent(QKeyEvent* event) {
    // Esc cancels only where the dialog says so (the call field and the method buttons).
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zorva
