#include "main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "about_window.h"
#include "entity_database_window.h"
#include "entity_grid_model.h"
#include "entity_grid_view.h"
#include "entry/verification.h"
#include "entry_dialog.h"
#include "files/settings_file.h"
#include "help_file.h"
#include "import_window.h"
#include "lists/list_commands.h"
#include "lotw_download_command.h"
#include "panel_bar.h"
#include "print_dialogs.h"
#include "restore_version_dialog.h"
#include "row_height_dialog.h"
#include "search_dialog.h"
#include "station/appearance.h"
#include "station/grid_input.h"
#include "station/history_commands.h"
#include "station/views.h"
#include "station_file_watcher.h"
#include "verification_date_dialog.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kCoolBarHeight = 30;

// The items that need an open station file.
const char* const kFileCommands[] = {"openSearch",        "saveStation",      "saveStationAs",
                                     "saveVerifiedList",  "saveToVerifyList", "printMenu",
                                     "editCurrentEntity", "importMenu",       "importData",
                                     "downloadFromLotw",  "verificationMenu", "viewMenu"};

// Below this width a column is one the user closed on purpose.
constexpr int kHiddenColumnWidth = 8;
constexpr int kCellPadding = 6;
constexpr int kTitlePadding = 12;

// The grid draws no underlined or struck-out letters, so the dialog does not offer them.
void HideFontEffects(QFontDialog& dialog) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (!group->findChildren<QCheckBox*>().isEmpty()) group->hide();
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, const Clock& clock, std::string programDir,
                       QWidget* parent)
    : QMainWindow(parent), station_(prompter, clock, std::move(programDir)) {
    setObjectName("mainWindow");
    setWindowTitle(Q(station_.View().texts.caption));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildViewBar(central);
    BuildGrid(central);
    fileBar_ = new PanelBar(3, Qt::AlignLeft, central);
    fileBar_->setObjectName("fileBar");
    counterBar_ = new PanelBar(4, Qt::AlignHCenter, central);
    counterBar_->setObjectName("counterBar");
    layout->addWidget(fileBar_);
    layout->addWidget(counterBar_);
    setCentralWidget(central);
    BuildMenus();
    AddWindowKeys();
    watcher_ = new StationFileWatcher(this);
    connect(watcher_, &StationFileWatcher::Changed, this, &MainWindow::CheckOutsideChange);
    resize(station_.appearance.windowWidth, station_.appearance.windowHeight);
    Refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::Run(void (MainWindow::*command)()) {
    (this->*command)();
    Refresh();
}

void MainWindow::BuildViewBar(QWidget* parent) {
    auto* viewBar = new QFrame(parent);
    viewBar->setObjectName("viewBar");
    viewBar->setFixedHeight(kCoolBarHeight);
    viewBar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(viewBar);
    row->setContentsMargins(6, 0, 6, 0);
    auto label = [viewBar](const char* name) {
        auto* l = new QLabel(viewBar);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    viewCaptionLabel_ = label("viewCaption");
    viewCaptionLabel_->setText("Widok: ");
    viewLabel_ = label("viewName");
    QFont viewFont = viewLabel_->font();
    viewFont.setBold(true);
    viewLabel_->setFont(viewFont);
    viewLabel_->setStyleSheet("color: navy;");
    prefixHintLabel_ = label("prefixHint");
    prefixLabel_ = label("typedPrefix");
    QFont prefixFont("Arial");
    prefixFont.setPixelSize(19);
    prefixFont.setBold(true);
    prefixLabel_->setFont(prefixFont);
    prefixLabel_->setStyleSheet("color: red;");
    row->addWidget(viewCaptionLabel_);
    row->addWidget(viewLabel_);
    row->addSpacing(24);
    row->addWidget(prefixHintLabel_);
    row->addSpacing(8);
    row->addWidget(prefixLabel_);
    row->addStretch(1);
    parent->layout()->addWidget(viewBar);
}

void MainWindow::BuildGrid(QWidget* parent) {
    grid_ = new EntityGridView(parent);
    model_ = new EntityGridModel(station_, this);
    grid_->setModel(model_);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { gridPopup_->popup(grid_->viewport()->mapToGlobal(at)); });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { ColumnResized(column, width); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid()) CurrentCellChanged(now.row(), now.column());
            });
    connect(grid_, &EntityGridView::cellPressed, this, &MainWindow::GridPressed);
    connect(grid_, &EntityGridView::pressReleased, this, &MainWindow::FitToColumns);
    connect(grid_, &EntityGridView::enterPressed, this, &MainWindow::GridEnter);
    connect(grid_, &EntityGridView::escapePressed, this, [this] {
        station_.PressGridEscape();
        Refresh();
    });
    connect(grid_, &EntityGridView::charTyped, this, [this](char32_t ch) {
        station_.TypeGridChar(ch);
        Refresh();
    });
    connect(grid_, &EntityGridView::editRequested, this,
            [this] { Run(&MainWindow::editCurrentEntity); });
    parent->layout()->addWidget(grid_);
}

void MainWindow::MakeWindows() {
    aboutWindow_ = new AboutWindow(station_.prompter, station_.Document().ProgramDir(), this);
    importWindow();
    searchDialog_ = &Follow(*new SearchDialog(station_, this));
    DateDialog();
    entityDatabaseWindow_ = &Follow(*new EntityDatabaseWindow(station_, this));
    rowHeightDialog_ = new RowHeightDialog(this);
    connect(rowHeightDialog_, &RowHeightDialog::heightChosen, this, &MainWindow::ApplyRowHeight);
}

ImportWindow& MainWindow::importWindow() {
    if (!importWindow_) importWindow_ = &Follow(*new ImportWindow(station_, this));
    return *importWindow_;
}

VerificationDateDialog& MainWindow::DateDialog() {
    if (!verificationDateDialog_) {
        verificationDateDialog_ = new VerificationDateDialog(this);
        connect(verificationDateDialog_, &VerificationDateDialog::dateChosen, this,
                &MainWindow::ApplyVerificationDate);
    }
    return *verificationDateDialog_;
}

// --- start-up, activation, size, closing ---

bool MainWindow::Start() {
    station_.ReadStartSettings();
    Refresh();
    PlaceOnScreen();
    // The window stands before any start-up question is asked over it.
    show();
    QCoreApplication::processEvents();
    if (frameGeometry().size() != size()) PlaceOnScreen();
    if (!station_.FinishStartUp()) return false;
    FocusCurrentRow();
    return true;
}

QMargins MainWindow::FrameMargins() const {
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    if (frame != inside)
        return {inside.left() - frame.left(), inside.top() - frame.top(),
                frame.right() - inside.right(), frame.bottom() - inside.bottom()};
    // Not yet framed by the window manager: a title bar and thin edges.
    const int edge = 4;
    return {edge, style()->pixelMetric(QStyle::PM_TitleBarHeight) + edge, edge, edge};
}

QRect MainWindow::UsableArea() const {
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn) return {};
    return shownOn->availableGeometry() - FrameMargins();
}

void MainWindow::PlaceOnScreen() {
    const QRect area = UsableArea();
    if (area.isEmpty()) return;
    FitToColumns();
    resize(width(), std::min(station_.appearance.windowHeight, area.height()));
    const QMargins frame = FrameMargins();
    const QSize framed = size().grownBy(frame);
    const QRect screenArea = area + frame;
    move(screenArea.left() + (screenArea.width() - framed.width()) / 2,
         screenArea.top() + (screenArea.height() - framed.height()) / 2);
}

void MainWindow::FocusCurrentRow() {
    grid_->setFocus();
    station_.KeepACurrentRow();
    Refresh();
}

void MainWindow::FitToColumns() {
    const int wanted =
        std::max({kMinWindowWidth, WindowWidthForColumns(station_.appearance.columnWidths),
                  menuBar()->sizeHint().width()});
    const QRect area = UsableArea();
    // Wider than the screen, the grid scrolls sideways instead.
    const int width = area.isEmpty() ? wanted : std::min(wanted, area.width());
    setMinimumHeight(kMinWindowHeight);
    if (minimumWidth() != width || maximumWidth() != width) setFixedWidth(width);
    grid_->setHorizontalScrollBarPolicy(width < wanted ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
    const int quarter = width / 4;
    for (int i = 0; i < 4; ++i) counterBar_->SetPanelWidth(i, quarter);
    const QFontMetrics panelText(fileBar_->font());
    const int markWidth = panelText.horizontalAdvance(QString::fromUtf8(kEditedMark)) + 12;
    const int modifiedWidth = std::max(width / 8, markWidth);
    fileBar_->SetPanelWidth(0, width - modifiedWidth - width / 8 - 8);
    fileBar_->SetPanelWidth(1, modifiedWidth);
    fileBar_->SetPanelWidth(2, width / 8);
}

void MainWindow::FitColumnsToText() {
    const QFontMetrics text(grid_->font());
    const QFontMetrics titleText(grid_->horizontalHeader()->font());
    auto& widths = station_.appearance.columnWidths;
    for (int c = 0; c < EntityRow::kFieldCount; ++c) {
        int& width = widths[static_cast<size_t>(c)];
        // A column the user all but closed stays so.
        if (width < kHiddenColumnWidth) continue;
        int widest = titleText.horizontalAdvance(
                         model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                     kTitlePadding;
        for (int r = 0; r < model_->rowCount(); ++r)
            widest =
                std::max(widest, text.horizontalAdvance(model_->index(r, c).data().toString()) +
                                     kCellPadding);
        width = std::min(std::max(width, widest), kMaxColumnWidth);
    }
    Refresh();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // The entity that was current stays so, whatever window was in front.
        FocusCurrentRow();
        CheckOutsideChange();
    }
    return QMainWindow::event(event);
}

void MainWindow::CheckOutsideChange() {
    // Not in the middle of another dialogue: a question of its own would nest in it.
    if (checkingOutside_ || QApplication::activeModalWidget()) return;
    checkingOutside_ = true;
    const OutsideChange outcome = zorva::CheckOutsideChange(station_);
    checkingOutside_ = false;
    if (outcome == OutsideChange::Reloaded) {
        notice_ = Q(kReloadedNotice);
        QTimer::singleShot(10000, this, [this] {
            notice_.clear();
            Refresh();
        });
    }
    Refresh();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitToColumns();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (station_.MayClose(width(), height())) {
        event->accept();
    } else {
        event->ignore();
    }
    Refresh();
}

// --- drawing the state ---

void MainWindow::Refresh() {
    const MainWindowTexts& texts = station_.View().texts;
    setWindowTitle(Q(texts.caption));
    viewLabel_->setText(Q(texts.viewTitle));
    prefixHintLabel_->setText(Q(texts.searchPrompt));
    prefixHintLabel_->setEnabled(texts.searchPromptEnabled);
    prefixLabel_->setText(Q(texts.typedPrefixShown));
    for (int i = 0; i < 4; ++i)
        counterBar_->SetText(i, Q(texts.counterPanels[static_cast<size_t>(i)]));
    fileBar_->SetText(0, notice_.isEmpty() ? Q(texts.fileNamePanel) : notice_);
    fileBar_->SetText(1, Q(texts.modifiedPanel));
    fileBar_->SetText(2, Q(texts.sortPanel));
    fileBar_->setToolTip(Q(texts.fileHint));
    watcher_->Watch(station_.Document().FileName());
    for (const char* name : kFileCommands) items_.at(name)->setEnabled(texts.fileCommandsEnabled);
    // A file that no longer loads is just what an earlier version can mend.
    items_.at("restoreVersion")->setEnabled(!station_.Document().FileName().empty());
    viewItems_.at(station_.View().viewMode)->setChecked(true);
    items_.at("hideDeleted")->setChecked(station_.View().hideDeleted);
    ShowHistoryItems();

    redrawing_ = true;
    model_->Sync();
    ApplyGridLook();
    ShowCurrentRow();
    redrawing_ = false;
    FitToColumns();
}

void MainWindow::ShowHistoryItems() {
    QAction* undo = items_.at("undoStep");
    undo->setText("&" + Q(UndoItemText(station_)));
    undo->setEnabled(station_.history.CanUndo());
    QAction* redo = items_.at("redoStep");
    redo->setText("&" + Q(RedoItemText(station_)));
    redo->setEnabled(station_.history.CanRedo());
}

void MainWindow::ApplyGridLook() {
    const Appearance& look = station_.appearance;
    QFont font(Q(look.fontName));
    font.setPointSize(std::max(1, look.fontSize));
    font.setBold(look.fontBold);
    if (chosenFont_ && chosenFont_->family() == font.family() &&
        chosenFont_->pointSize() == font.pointSize()) {
        font = *chosenFont_;
    }
    if (grid_->font() != font) grid_->setFont(font);
    grid_->verticalHeader()->setDefaultSectionSize(ClampRowHeight(look.rowHeight));
    grid_->SetColumnWidths(look.columnWidths);
}

void MainWindow::ShowCurrentRow() {
    const zorva::Grid& grid = station_.View().grid;
    grid_->ShowCurrentRow(grid.CurrentDataRow(), grid.currentColumn);
}

void MainWindow::CurrentCellChanged(int row, int column) {
    if (redrawing_) return;
    model_->SelectCell(row, column);
}

void MainWindow::ColumnResized(int column, int width) {
    if (redrawing_ || column < 0 || column >= EntityRow::kFieldCount) return;
    station_.appearance.columnWidths[static_cast<size_t>(column)] = width;
}

// --- the grid's presses and keys ---

void MainWindow::GridPressed(GridCell cell) {
    station_.PressGrid(cell);
    // The press selects its row as well; redrawing the old current row first would scroll to it.
    if (!cell.onTitle && cell.row != kOutsideCells) station_.SelectRow(cell.row);
    Refresh();
}

void MainWindow::GridEnter() {
    const bool edit = station_.PressGridEnter();
    Refresh();
    if (edit) Run(&MainWindow::editCurrentEntity);
}

void MainWindow::saveFromKeyboard() {
    if (items_.at("saveStation")->isEnabled()) station_.SaveFromGrid();
}

void MainWindow::searchFromKeyboard() {
    if (items_.at("openSearch")->isEnabled()) openSearch();
}

// --- Plik ---

void MainWindow::newStation() {
    station_.New();
    FocusCurrentRow();
}

void MainWindow::openStation() {
    station_.Open();
    FocusCurrentRow();
}

void MainWindow::saveStation() {
    station_.Save();
}

void MainWindow::saveStationAs() {
    station_.SaveAs();
}

void MainWindow::restoreVersion() {
    RestorePreviousVersion(station_, RestoreVersionChooser(this));
    FocusCurrentRow();
}

void MainWindow::saveVerifiedList() {
    SaveVerifiedList(station_.Document(), station_.prompter, station_.clock);
}

void MainWindow::saveQslList() {
    SaveConfirmationList(station_.Document(), station_.prompter, Confirmation::Qsl);
}
void MainWindow::saveLotwList() {
    SaveConfirmationList(station_.Document(), station_.prompter, Confirmation::Lotw);
}
void MainWindow::openEntityDatabase() {
    if (entityDatabaseWindow_) entityDatabaseWindow_->Run();
}

void MainWindow::quit() {
    close();
}

// --- Edycja ---

void MainWindow::undoStep() {
    UndoStepBack(station_);
}

void MainWindow::redoStep() {
    RedoStepForward(station_);
}

// --- Widok ---

void MainWindow::showAllEntities() {
    station_.ApplyView(ViewMode::AllEntities);
}

void MainWindow::showAllButVerified() {
    station_.ApplyView(ViewMode::AllButVerified);
}

void MainWindow::showToVerify() {
    station_.ApplyView(ViewMode::ToVerify);
}

void MainWindow::showVerified() {
    station_.ApplyView(ViewMode::Verified);
}

void MainWindow::showConfirmed() {
    station_.ApplyView(ViewMode::Confirmed);
}

void MainWindow::showUnconfirmed() {
    station_.ApplyView(ViewMode::Unconfirmed);
}

void MainWindow::toggleHideDeleted() {
    station_.ToggleHideDeleted();
}

// --- Drukowanie, Import danych, Weryfikacja ---

void MainWindow::printNormal(PrintMode mode) {
    PrintDialogChooser printer(this);
    PrintNormalList(station_.Document(), station_.prompter, station_.clock, mode,
                    printer.Chooser());
}

void MainWindow::printSimplified(PrintMode mode) {
    PrintDialogChooser printer(this);
    PrintSimplifiedList(station_.Document(), station_.prompter, station_.clock, mode,
                        printer.Chooser());
}

void MainWindow::printNormalList() {
    printNormal(PrintMode::Complete);
}

void MainWindow::printNormalVerifiedList() {
    printNormal(PrintMode::Verified);
}

void MainWindow::printSimplifiedList() {
    printSimplified(PrintMode::Complete);
}

void MainWindow::printSimplifiedVerifiedList() {
    printSimplified(PrintMode::Verified);
}

void MainWindow::printSimplifiedToVerifyList() {
    printSimplified(PrintMode::ToVerify);
}

void MainWindow::setUpPrinter() {
    ShowPrinterSetup(this);
}
void MainWindow::importData() {
    importWindow().Run();
}
void MainWindow::downloadFromLotw() {
    DownloadFromLotw(*this);
}
void MainWindow::saveToVerifyList() {
    SaveVerificationList(station_.Document(), station_.prompter, station_.clock);
}

void MainWindow::printVerificationReport() {
    PrintDialogChooser printer(this);
    PrintVerificationReport(station_.Document(), station_.prompter, station_.clock,
                            printer.Chooser());
}
void MainWindow::verifyData() {
    const std::optional<std::string> today = StartVerification(station_);
    if (!today) return;
    repaint();
    DateDialog().Run(*today);
}

void MainWindow::ApplyVerificationDate(const std::string& date, bool byEnter) {
    if (byEnter) station_.View().typedPrefix.clear();
    if (VerifyConfirmedRows(station_, date)) {
        DateDialog().DateTaken();
    } else {
        DateDialog().DateRefused();
    }
    Refresh();
}

// --- Edycja, Szukanie ---

void MainWindow::editCurrentEntity() {
    if (!station_.CanEdit()) return;
    EntryDialogWindow dialog(station_, this);
    Follow(dialog).Run();
}

void MainWindow::openSearch() {
    if (searchDialog_) searchDialog_->Open();
}

// --- Ustawienia ---

void MainWindow::ChooseColour(int Appearance::*colour) {
    const QColor chosen =
        QColorDialog::getColor(ColourFromSetting(station_.appearance.*colour), this);
    if (chosen.isValid()) station_.appearance.*colour = SettingFromColour(chosen);
}

void MainWindow::chooseConfirmedColour() {
    ChooseColour(&Appearance::confirmedColour);
}
void MainWindow::chooseDeletedColour() {
    ChooseColour(&Appearance::deletedColour);
}
void MainWindow::chooseVerifiedColour() {
    ChooseColour(&Appearance::verifiedColour);
}
void MainWindow::chooseOtherColour() {
    ChooseColour(&Appearance::otherColour);
}

void MainWindow::chooseFont() {
    QFontDialog dialog(grid_->font(), this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    HideFontEffects(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    SetGridFont(dialog.selectedFont());
}

void MainWindow::SetGridFont(const QFont& font) {
    Appearance& look = station_.appearance;
    look.fontName = font.family().toStdString();
    look.fontSize = font.pointSize() > 0 ? font.pointSize() : look.fontSize;
    look.fontBold = FontBoldFromKey(
        FontWeightKey(font.bold(), font.italic(), font.underline(), font.strikeOut()));
    // The settings keep only face, size and bold; the rest lasts until the program ends.
    chosenFont_ = font;
    chosenFont_->setPointSize(look.fontSize);
    Refresh();
    // Rows and columns grow to hold the new letters whole.
    look.rowHeight = std::max(look.rowHeight, QFontMetrics(grid_->font()).height() + 4);
    FitColumnsToText();
}

// --- Pomoc and the pop-up menu ---

void MainWindow::openHelp() {
    OpenHelpFile(station_.prompter, station_.Document().ProgramDir(), DesktopUrlOpener());
}
void MainWindow::showAbout() {
    if (aboutWindow_) aboutWindow_->Run();
}

void MainWindow::setRowHeight() {
    if (rowHeightDialog_) rowHeightDialog_->Run(station_.appearance.rowHeight);
}

void MainWindow::ApplyRowHeight(int rowHeight) {
    station_.appearance.rowHeight = RowHeightFromText(std::to_string(rowHeight));
    Refresh();
}

}  // namespace zorva
