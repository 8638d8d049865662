#include "entity_database_window.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "main_window.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont FixedPitchFont(int points) {
    QFont font("Courier New", points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Sets a field's text without moving the caret the user is typing at.
void KeepTyping(QLineEdit* field, const std::string& text) {
    if (field->text() == Q(text)) return;
    const int caret = field->cursorPosition();
    field->setText(Q(text));
    field->setCursorPosition(std::min(caret, static_cast<int>(field->text().size())));
}

}  // namespace

EntityDatabaseWindow::EntityDatabaseWindow(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow),
      editor_(mainWindow.station()) {
    setObjectName("entityDatabaseWindow");
    setWindowTitle(QString::fromUtf8(kEditorCaption));
    setModal(true);
    BuildList();
    BuildFields();
    BuildButtons();

    auto* counterRow = new QHBoxLayout;
    auto* Label4 = new QLabel(QString::fromUtf8("Stan podmiotów:"), this);
    Label5_ = new QLabel(this);
    Label5_->setObjectName("Label5");
    QFont counterFont = Label5_->font();
    counterFont.setBold(true);
    counterFont.setPointSizeF(counterFont.pointSizeF() + 3);
    Label5_->setFont(counterFont);
    Label5_->setStyleSheet("color: navy;");
    counterRow->addWidget(Label4);
    counterRow->addWidget(Label5_);
    counterRow->addStretch();

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {Button1_, Button2_, Button3_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Button4_);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox1_);
    right->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->addWidget(ListBox1_, 1);
    top->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(counterRow);
}

void EntityDatabaseWindow::BuildList() {
    ListBox1_ = new QListWidget(this);
    ListBox1_->setObjectName("ListBox1");
    ListBox1_->setFont(FixedPitchFont(10));
    ListBox1_->setStyleSheet("QListWidget { background-color: rgb(255, 243, 232); }");
    ListBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    const int lineWidth = QFontMetrics(ListBox1_->font()).horizontalAdvance(QString(38, 'M'));
    ListBox1_->setMinimumSize(lineWidth + 30, 360);
    // Selection, not the current row: a list taking the focus makes a row current
    // without choosing it.
    connect(ListBox1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_) lineChosen();
    });
    connect(ListBox1_, &QListWidget::itemClicked, this, [this] {
        if (!filling_) lineChosen();
    });
}

void EntityDatabaseWindow::BuildFields() {
    GroupBox1_ = new QGroupBox("Dane Podmiotu", this);
    GroupBox1_->setObjectName("GroupBox1");
    const QFont fieldFont = FixedPitchFont(10);
    auto makeField = [&](const char* name, int maxLength) {
        auto* field = new QLineEdit(GroupBox1_);
        field->setObjectName(name);
        field->setMaxLength(maxLength);
        field->setFont(fieldFont);
        field->setStyleSheet("color: navy;");
        return field;
    };
    Edit1_ = makeField("Edit1", 3);
    Edit1_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), Edit1_));
    Edit1_->setFixedWidth(QFontMetrics(fieldFont).horizontalAdvance("0000") + 12);
    Edit1_->installEventFilter(this);
    Edit2_ = makeField("Edit2", 5);
    Edit2_->setFixedWidth(QFontMetrics(fieldFont).horizontalAdvance("MMMMMM") + 12);
    Edit3_ = makeField("Edit3", 24);
    Edit3_->setMinimumWidth(QFontMetrics(fieldFont).horizontalAdvance(QString(25, 'M')) + 12);
    CheckBox1_ = new QCheckBox("Deleted", GroupBox1_);
    CheckBox1_->setObjectName("CheckBox1");

    Label1_ = new QLabel("ADIF", GroupBox1_);
    Label1_->setObjectName("Label1");
    auto* grid = new QGridLayout(GroupBox1_);
    grid->addWidget(Label1_, 0, 0);
    grid->addWidget(Edit1_, 1, 0);
    grid->addWidget(new QLabel("Prefix", GroupBox1_), 0, 1);
    grid->addWidget(Edit2_, 1, 1);
    grid->addWidget(CheckBox1_, 1, 2);
    grid->addWidget(new QLabel("Nazwa podmiotu", GroupBox1_), 2, 0, 1, 3);
    grid->addWidget(Edit3_, 3, 0, 1, 3);

    connect(Edit1_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::numberTyped);
    connect(Edit2_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::prefixTyped);
    connect(Edit3_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::nameTyped);
    connect(CheckBox1_, &QCheckBox::clicked, this, &EntityDatabaseWindow::deletedToggled);
}

void EntityDatabaseWindow::BuildButtons() {
    Button1_ = MakeButton(this, "Button1", "Szukaj wg ADIF");
    Button2_ = MakeButton(this, "Button2", "Nowy podmiot");
    Button3_ = MakeButton(this, "Button3", "Zapisz zmiany");
    Button4_ = MakeButton(this, "Button4", "Powrót");
    connect(Button1_, &QPushButton::clicked, this, &EntityDatabaseWindow::searchByAdif);
    connect(Button2_, &QPushButton::clicked, this, &EntityDatabaseWindow::newEntity);
    connect(Button3_, &QPushButton::clicked, this, &EntityDatabaseWindow::saveChanges);
    connect(Button4_, &QPushButton::clicked, this, &EntityDatabaseWindow::goBack);
}

void EntityDatabaseWindow::Run() {
    if (!Prepare()) return;
    move(main_.frameGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

bool EntityDatabaseWindow::Prepare() {
    if (!editor_.Open()) return false;
    ShowState();
    adjustSize();
    return true;
}

void EntityDatabaseWindow::ShowState() {
    filling_ = true;
    const auto& lines = editor_.Lines();
    bool same = ListBox1_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < ListBox1_->count(); ++i)
        same = ListBox1_->item(i)->text() == Q(lines[static_cast<size_t>(i)]);
    if (!same) {
        ListBox1_->clear();
        for (const auto& line : lines) ListBox1_->addItem(Q(line));
    }
    ShowSelection();
    ShowFields();
    Label5_->setText(Q(editor_.CounterText()));
    filling_ = false;
    ApplyFocus();
}

void EntityDatabaseWindow::ShowSelection() {
    const int selected = editor_.SelectedLine();
    if (selected < 0) {
        ListBox1_->setCurrentRow(-1);
        ListBox1_->clearSelection();
        return;
    }
    ListBox1_->setCurrentRow(selected);
    ListBox1_->scrollToItem(ListBox1_->item(selected));
}

void EntityDatabaseWindow::ShowFields() {
    const bool wasFilling = std::exchange(filling_, true);
    Edit1_->setText(Q(editor_.Number()));
    Edit2_->setText(Q(editor_.Prefix()));
    Edit3_->setText(Q(editor_.Name()));
    CheckBox1_->setChecked(editor_.Deleted());
    Edit1_->setReadOnly(editor_.NumberReadOnly());
    Label1_->setEnabled(editor_.NewEntityMode());
    filling_ = wasFilling;
}

void EntityDatabaseWindow::ApplyFocus() {
    switch (editor_.TakeFocus()) {
        case EditorField::Number:
            Edit1_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::Prefix:
            Edit2_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::Name:
            Edit3_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::List:
            ListBox1_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::None:
            break;
    }
}

void EntityDatabaseWindow::lineChosen() {
    const QList<QListWidgetItem*> chosen = ListBox1_->selectedItems();
    editor_.SelectLine(chosen.isEmpty() ? -1 : ListBox1_->row(chosen.first()));
    filling_ = true;
    ShowFields();
    filling_ = false;
}

void EntityDatabaseWindow::searchByAdif() {
    editor_.SearchByAdif();
    ShowState();
}

void EntityDatabaseWindow::newEntity() {
    editor_.NewEntity();
    ShowState();
}

void EntityDatabaseWindow::saveChanges() {
    if (editor_.Save()) main_.Refresh();
    ShowState();
}

void EntityDatabaseWindow::goBack() {
    const bool typed = editor_.HasUnsavedTyping();
    if (!editor_.Close()) {
        ShowState();
        return;
    }
    if (typed) main_.Refresh();
    accept();
}

void EntityDatabaseWindow::leaveNumberField() {
    if (editor_.LeaveNumberField()) ShowState();
}

void EntityDatabaseWindow::numberTyped(const QString& text) {
    editor_.TypeNumber(text.toStdString());
    KeepTyping(Edit1_, editor_.Number());
}

void EntityDatabaseWindow::prefixTyped(const QString& text) {
    editor_.TypePrefix(text.toStdString());
    KeepTyping(Edit2_, editor_.Prefix());
}

void EntityDatabaseWindow::nameTyped(const QString& text) {
    editor_.TypeName(text.toStdString());
    KeepTyping(Edit3_, editor_.Name());
}

void EntityDatabaseWindow::deletedToggled(bool checked) {
    editor_.SetDeleted(checked);
}

bool EntityDatabaseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::FocusOut && isVisible()) {
        // Only a move to another control of this window leaves the field;
        // a message box or another window taking the focus does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveNumberField();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
