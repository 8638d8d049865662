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

#include "window_place.h"

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

EntityDatabaseWindow::EntityDatabaseWindow(EditSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      editor_(session) {
    setObjectName("entityDatabaseWindow");
    setWindowTitle(QString::fromUtf8(kEditorCaption));
    setModal(true);
    BuildList();
    BuildFields();
    BuildButtons();

    auto* counterRow = new QHBoxLayout;
    auto* stateCaption = new QLabel(QString::fromUtf8("Stan podmiotów:"), this);
    stateLabel_ = new QLabel(this);
    stateLabel_->setObjectName("stateLabel");
    QFont counterFont = stateLabel_->font();
    counterFont.setBold(true);
    counterFont.setPointSizeF(counterFont.pointSizeF() + 3);
    stateLabel_->setFont(counterFont);
    stateLabel_->setStyleSheet("color: navy;");
    counterRow->addWidget(stateCaption);
    counterRow->addWidget(stateLabel_);
    counterRow->addStretch();

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {searchButton_, newEntityButton_, saveButton_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(backButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(entityGroup_);
    right->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->addWidget(entityList_, 1);
    top->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(counterRow);

    QWidget* readingOrder[] = {entityList_,      adifEdit_,   prefixEdit_,
                               deletedCheck_,    nameEdit_,   searchButton_,
                               newEntityButton_, saveButton_, backButton_};
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);
}

void EntityDatabaseWindow::BuildList() {
    entityList_ = new QListWidget(this);
    entityList_->setObjectName("entityList");
    entityList_->setFont(FixedPitchFont(10));
    entityList_->setStyleSheet("QListWidget { background-color: rgb(255, 243, 232); }");
    entityList_->setSelectionMode(QAbstractItemView::SingleSelection);
    const int lineWidth = QFontMetrics(entityList_->font()).horizontalAdvance(QString(38, 'M'));
    entityList_->setMinimumSize(lineWidth + 30, 360);
    // Selection, not the current row: a list taking the focus makes a row current
    // without choosing it.
    connect(entityList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_) lineChosen();
    });
    connect(entityList_, &QListWidget::itemClicked, this, [this] {
        if (!filling_) lineChosen();
    });
}

void EntityDatabaseWindow::BuildFields() {
    entityGroup_ = new QGroupBox("Dane Podmiotu", this);
    entityGroup_->setObjectName("entityGroup");
    const QFont fieldFont = FixedPitchFont(10);
    auto makeField = [&](const char* name, int maxLength) {
        auto* field = new QLineEdit(entityGroup_);
        field->setObjectName(name);
        field->setMaxLength(maxLength);
        field->setFont(fieldFont);
        field->setStyleSheet("color: navy;");
        return field;
    };
    adifEdit_ = makeField("adifEdit", 3);
    adifEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), adifEdit_));
    adifEdit_->setFixedWidth(QFontMetrics(fieldFont).horizontalAdvance("0000") + 12);
    adifEdit_->installEventFilter(this);
    prefixEdit_ = makeField("prefixEdit", 5);
    prefixEdit_->setFixedWidth(QFontMetrics(fieldFont).horizontalAdvance("MMMMMM") + 12);
    nameEdit_ = makeField("nameEdit", 24);
    nameEdit_->setMinimumWidth(QFontMetrics(fieldFont).horizontalAdvance(QString(25, 'M')) + 12);
    deletedCheck_ = new QCheckBox("Deleted", entityGroup_);
    deletedCheck_->setObjectName("deletedCheck");

    adifLabel_ = new QLabel("ADIF", entityGroup_);
    adifLabel_->setObjectName("adifLabel");
    auto* grid = new QGridLayout(entityGroup_);
    grid->addWidget(adifLabel_, 0, 0);
    grid->addWidget(adifEdit_, 1, 0);
    grid->addWidget(new QLabel("Prefix", entityGroup_), 0, 1);
    grid->addWidget(prefixEdit_, 1, 1);
    grid->addWidget(deletedCheck_, 1, 2);
    grid->addWidget(new QLabel("Nazwa podmiotu", entityGroup_), 2, 0, 1, 3);
    grid->addWidget(nameEdit_, 3, 0, 1, 3);

    connect(adifEdit_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::numberTyped);
    connect(prefixEdit_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::prefixTyped);
    connect(nameEdit_, &QLineEdit::textEdited, this, &EntityDatabaseWindow::nameTyped);
    connect(deletedCheck_, &QCheckBox::clicked, this, &EntityDatabaseWindow::deletedToggled);
}

void EntityDatabaseWindow::BuildButtons() {
    searchButton_ = MakeButton(this, "searchButton", "Szukaj wg ADIF");
    newEntityButton_ = MakeButton(this, "newEntityButton", "Nowy podmiot");
    saveButton_ = MakeButton(this, "saveButton", "Zapisz zmiany");
    backButton_ = MakeButton(this, "backButton", "Powrót");
    connect(searchButton_, &QPushButton::clicked, this, &EntityDatabaseWindow::searchByAdif);
    connect(newEntityButton_, &QPushButton::clicked, this, &EntityDatabaseWindow::newEntity);
    connect(saveButton_, &QPushButton::clicked, this, &EntityDatabaseWindow::saveChanges);
    connect(backButton_, &QPushButton::clicked, this, &EntityDatabaseWindow::goBack);
}

void EntityDatabaseWindow::Run() {
    if (!Prepare()) return;
    CentreOnOwner(*this);
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
    bool same = entityList_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < entityList_->count(); ++i)
        same = entityList_->item(i)->text() == Q(lines[static_cast<size_t>(i)]);
    if (!same) {
        entityList_->clear();
        for (const auto& line : lines) entityList_->addItem(Q(line));
    }
    ShowSelection();
    ShowFields();
    stateLabel_->setText(Q(editor_.CounterText()));
    filling_ = false;
    ApplyFocus();
}

void EntityDatabaseWindow::ShowSelection() {
    const int selected = editor_.SelectedLine();
    if (selected < 0) {
        entityList_->setCurrentRow(-1);
        entityList_->clearSelection();
        return;
    }
    entityList_->setCurrentRow(selected);
    entityList_->scrollToItem(entityList_->item(selected));
}

void EntityDatabaseWindow::ShowFields() {
    const bool wasFilling = std::exchange(filling_, true);
    adifEdit_->setText(Q(editor_.Number()));
    prefixEdit_->setText(Q(editor_.Prefix()));
    nameEdit_->setText(Q(editor_.Name()));
    deletedCheck_->setChecked(editor_.Deleted());
    adifEdit_->setReadOnly(editor_.NumberReadOnly());
    // Tab passes over a field that cannot be typed in; a click still selects its text.
    adifEdit_->setFocusPolicy(editor_.NumberReadOnly() ? Qt::ClickFocus : Qt::StrongFocus);
    adifLabel_->setEnabled(editor_.NewEntityMode());
    filling_ = wasFilling;
}

void EntityDatabaseWindow::ApplyFocus() {
    switch (editor_.TakeFocus()) {
        case EditorField::Number:
            adifEdit_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::Prefix:
            prefixEdit_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::Name:
            nameEdit_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::List:
            entityList_->setFocus(Qt::OtherFocusReason);
            break;
        case EditorField::None:
            break;
    }
}

void EntityDatabaseWindow::lineChosen() {
    const QList<QListWidgetItem*> chosen = entityList_->selectedItems();
    editor_.SelectLine(chosen.isEmpty() ? -1 : entityList_->row(chosen.first()));
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
    if (editor_.Save()) emit stationChanged();
    ShowState();
}

void EntityDatabaseWindow::goBack() {
    const bool typed = editor_.HasUnsavedTyping();
    if (!editor_.Close()) {
        ShowState();
        return;
    }
    if (typed) emit stationChanged();
    accept();
}

void EntityDatabaseWindow::reject() {
    goBack();
}

void EntityDatabaseWindow::leaveNumberField() {
    if (editor_.LeaveNumberField()) ShowState();
}

void EntityDatabaseWindow::numberTyped(const QString& text) {
    editor_.TypeNumber(text.toStdString());
    KeepTyping(adifEdit_, editor_.Number());
}

void EntityDatabaseWindow::prefixTyped(const QString& text) {
    editor_.TypePrefix(text.toStdString());
    KeepTyping(prefixEdit_, editor_.Prefix());
}

void EntityDatabaseWindow::nameTyped(const QString& text) {
    editor_.TypeName(text.toStdString());
    KeepTyping(nameEdit_, editor_.Name());
}

void EntityDatabaseWindow::deletedToggled(bool checked) {
    editor_.SetDeleted(checked);
}

bool EntityDatabaseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == adifEdit_ && event->type() == QEvent::FocusOut && isVisible()) {
        // Only a move to another control of this window leaves the field;
        // a message box or another window taking the focus does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveNumberField();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
