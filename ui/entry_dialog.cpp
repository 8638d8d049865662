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

#include "main_window.h"
#include "text/columns.h"

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

EntryDialogWindow::EntryDialogWindow(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      main_(mainWindow),
      entry_(mainWindow.station()) {
    setObjectName("entryDialog");
    setWindowTitle(QString::fromUtf8("Wprowadzanie danych"));
    setModal(true);
    BuildFields();
    BuildMethodGroup();
    BuildPanel();
    BuildButtons();

    auto* fields = new QGridLayout;
    fields->addWidget(Label1_, 0, 0);
    fields->addWidget(Label2_, 0, 1);
    fields->addWidget(MaskEdit2_, 1, 0);
    fields->addWidget(MaskEdit1_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findChild<QFrame*>("Panel1"));
    layout->addLayout(fields);
    layout->addWidget(GroupBox1_);
    layout->addLayout(buttons);

    setTabOrder(MaskEdit2_, MaskEdit1_);
    setTabOrder(MaskEdit1_, RadioButton1_);
    setTabOrder(RadioButton1_, RadioButton2_);
    setTabOrder(RadioButton2_, Button1_);
    setTabOrder(Button1_, Button2_);
}

void EntryDialogWindow::BuildFields() {
    Label1_ = new QLabel(QString::fromUtf8("Znak"), this);
    Label2_ = new QLabel(QString::fromUtf8("Data (rrrr-mm-dd)"), this);
    MaskEdit2_ = new QLineEdit(this);
    MaskEdit2_->setObjectName("MaskEdit2");
    // 15 optional positions, letters in capitals as typed.
    MaskEdit2_->setInputMask(">xxxxxxxxxxxxxxx");
    MaskEdit2_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    MaskEdit1_ = new QLineEdit(this);
    MaskEdit1_->setObjectName("MaskEdit1");
    MaskEdit1_->setInputMask("0000-00-00;_");
    Label1_->setBuddy(MaskEdit2_);
    Label2_->setBuddy(MaskEdit1_);
    for (QLineEdit* field : {MaskEdit2_, MaskEdit1_}) field->installEventFilter(this);
    connect(MaskEdit1_, &QLineEdit::textChanged, this, &EntryDialogWindow::dateTyped);
}

void EntryDialogWindow::BuildMethodGroup() {
    GroupBox1_ = new QGroupBox(QString::fromUtf8("Sposób potwierdzenia"), this);
    GroupBox1_->setObjectName("GroupBox1");
    RadioButton1_ = new QRadioButton("QSL", GroupBox1_);
    RadioButton1_->setObjectName("RadioButton1");
    RadioButton2_ = new QRadioButton("LoTW", GroupBox1_);
    RadioButton2_->setObjectName("RadioButton2");
    RadioButton1_->setChecked(true);
    auto* layout = new QHBoxLayout(GroupBox1_);
    layout->addWidget(RadioButton1_);
    layout->addWidget(RadioButton2_);
    for (QRadioButton* radio : {RadioButton1_, RadioButton2_}) radio->installEventFilter(this);
}

void EntryDialogWindow::BuildPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    Label5_ = new QLabel(panel);
    Label6_ = new QLabel(panel);
    Label3_ = new QLabel(panel);
    Label4_ = new QLabel(panel);
    for (QLabel* label : {Label5_, Label6_, Label3_, Label4_}) {
        label->setStyleSheet("color: blue; font-weight: bold;");
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    layout->addStretch();
}

void EntryDialogWindow::BuildButtons() {
    Button1_ = new QPushButton(QString::fromUtf8("Zatwierdź"), this);
    Button1_->setObjectName("Button1");
    Button2_ = new QPushButton(QString::fromUtf8("Anuluj"), this);
    Button2_->setObjectName("Button2");
    connect(Button1_, &QPushButton::clicked, this, &EntryDialogWindow::acceptEntry);
    connect(Button2_, &QPushButton::clicked, this, &EntryDialogWindow::cancel);
}

QLabel* EntryDialogWindow::Label(int number) const {
    switch (number) {
        case 1:
            return Label1_;
        case 2:
            return Label2_;
        case 3:
            return Label3_;
        case 4:
            return Label4_;
        case 5:
            return Label5_;
        case 6:
            return Label6_;
        default:
            return nullptr;
    }
}

bool EntryDialogWindow::Open() {
    if (!entry_.Open()) return false;
    const EntryForm& form = entry_.Form();
    Label3_->setText(Q(form.prefix));
    Label4_->setText(Q(form.name));
    Label5_->setText(Q(form.adif));
    Label6_->setText(Q(form.deleted));
    {
        // Filling the dialog is no edit of the user's: it must not mark the data modified.
        const QSignalBlocker quiet(MaskEdit1_);
        MaskEdit2_->setText(Q(form.call));
        MaskEdit1_->setText(Q(form.date));
    }
    if (form.method == ConfirmationMethod::Lotw) {
        RadioButton2_->setChecked(true);
    } else {
        RadioButton1_->setChecked(true);
    }
    FocusField(MaskEdit2_);
    return true;
}

void EntryDialogWindow::Run() {
    if (!Open()) return;
    adjustSize();
    const QRect owner = main_.frameGeometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
    exec();
}

std::string EntryDialogWindow::CallFieldText() const {
    return PadCut(MaskEdit2_->displayText().toStdString(), kCallFieldWidth);
}

std::string EntryDialogWindow::DateFieldText() const {
    QString shown = MaskEdit1_->displayText();
    shown.replace(QChar('_'), QChar(' '));
    return PadCut(shown.toStdString(), kDateFieldWidth);
}

void EntryDialogWindow::acceptEntry() {
    const ConfirmationMethod method =
        RadioButton2_->isChecked() ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    const EntryOutcome outcome = entry_.Accept(CallFieldText(), DateFieldText(), method);
    if (outcome.accepted) {
        accept();
        return;
    }
    if (outcome.focus == EntryFocus::DateField) FocusField(MaskEdit1_);
    if (outcome.focus == EntryFocus::CallField) FocusField(MaskEdit2_);
}

void EntryDialogWindow::cancel() {
    entry_.Cancel();
    reject();
}

void EntryDialogWindow::dateTyped() {
    entry_.DateFieldChanged();
    main_.Refresh();
}

QRadioButton* EntryDialogWindow::CheckedRadioButton() const {
    return RadioButton2_->isChecked() ? RadioButton2_ : RadioButton1_;
}

bool EntryDialogWindow::CallFieldKey(int key) {
    if (key == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (IsEnter(key)) {
        FocusField(MaskEdit1_);
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
        if (watched == MaskEdit2_) return CallFieldKey(key);
        if (watched == MaskEdit1_) return DateFieldKey(key);
        if (watched == RadioButton1_ || watched == RadioButton2_) return MethodKey(key);
    }
    if (watched == RadioButton1_ && event->type() == QEvent::MouseButtonDblClick) {
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
