#include "main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
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
#include "entry/verification.h"
#include "entry_dialog.h"
#include "grid_cell_delegate.h"
#include "help_file.h"
#include "import_window.h"
#include "lists/list_commands.h"
#include "lotw_download_dialog.h"
#include "panel_bar.h"
#include "print_dialogs.h"
#include "restore_version_dialog.h"
#include "row_height_dialog.h"
#include "search_dialog.h"
#include "station/appearance.h"
#include "station/grid_input.h"
#include "station/undo_step.h"
#include "station/views.h"
#include "station_file_watcher.h"
#include "verification_date_dialog.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kCoolBarHeight = 30;

struct ViewItem {
    ViewMode mode;
    const char* name;
    void (MainWindow::*handler)();
};

const ViewItem kViewItems[] = {
    {ViewMode::AllEntities, "showAllEntities", &MainWindow::showAllEntities},
    {ViewMode::AllButVerified, "showAllButVerified", &MainWindow::showAllButVerified},
    {ViewMode::ToVerify, "showToVerify", &MainWindow::showToVerify},
    {ViewMode::Verified, "showVerified", &MainWindow::showVerified},
    {ViewMode::Confirmed, "showConfirmed", &MainWindow::showConfirmed},
    {ViewMode::Unconfirmed, "showUnconfirmed", &MainWindow::showUnconfirmed},
};

// The items that need an open station file.
const char* const kFileCommands[] = {"openSearch",        "saveStation",      "saveStationAs",
                                     "saveVerifiedList",  "saveToVerifyList", "printMenu",
                                     "editCurrentEntity", "importMenu",       "importData",
                                     "downloadFromLotw",  "verificationMenu", "viewMenu"};

// "Fixedsys" where it exists, else the system's fixed-pitch face.
QString PreferredFontFace() {
    const QString preferred = QString::fromUtf8(kPreferredFontFace);
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive)) return preferred;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, const Clock& clock, std::string programDir,
                       QWidget* parent)
    : QMainWindow(parent), station_(prompter, clock, std::move(programDir)) {
    setObjectName("mainWindow");
    setWindowTitle(Q(station_.texts.caption));
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
    watcher_ = new StationFileWatcher(this);
    connect(watcher_, &StationFileWatcher::Changed, this, &MainWindow::CheckOutsideChange);
    resize(station_.appearance.windowWidth, station_.appearance.windowHeight);
    Refresh();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (MainWindow::*handler)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
    items_[name] = item;
    return item;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto submenu = [this](QWidget* owner, const char* name, const char* caption) {
        QMenu* menu = owner == menuBar()
                          ? menuBar()->addMenu(QString::fromUtf8(caption))
                          : static_cast<QMenu*>(owner)->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        items_[name] = menu->menuAction();
        return menu;
    };
    auto command = [this, bar](const char* name, const char* caption,
                               void (MainWindow::*handler)()) {
        QAction* item = bar->addAction(QString::fromUtf8(caption));
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, handler);
        items_[name] = item;
    };

    QMenu* fileMenu = submenu(bar, "fileMenu", "Plik");
    AddItem(fileMenu, "newStation", "Nowy", &MainWindow::newStation);
    fileMenu->addSeparator();
    AddItem(fileMenu, "openStation", "Otwórz", &MainWindow::openStation);
    fileMenu->addSeparator();
    AddItem(fileMenu, "saveStation", "Zapisz                          Ctrl+S",
            &MainWindow::saveStation);
    AddItem(fileMenu, "saveStationAs", "Zapisz jako..", &MainWindow::saveStationAs);
    AddItem(fileMenu, "restoreVersion", "Przywróć poprzednią wersję...",
            &MainWindow::restoreVersion);
    AddItem(fileMenu, "saveVerifiedList", "Zapisz listę podmiotów zweryfik.",
            &MainWindow::saveVerifiedList);
    AddItem(fileMenu, "saveQslList", "Zapisz listę podmiotów potw. QSL", &MainWindow::saveQslList);
    AddItem(fileMenu, "saveLotwList", "Zapisz listę podmiotów potw. LoTW",
            &MainWindow::saveLotwList);
    fileMenu->addSeparator();
    AddItem(fileMenu, "openEntityDatabase", "Zarządzanie bazą podmiotów",
            &MainWindow::openEntityDatabase);
    fileMenu->addSeparator();
    AddItem(fileMenu, "quit", "&Koniec", &MainWindow::quit);

    QMenu* editMenu = submenu(bar, "editMenu", "Edycja");
    AddItem(editMenu, "undoStep", kUndoItem, &MainWindow::undoStep)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddItem(editMenu, "redoStep", kRedoItem, &MainWindow::redoStep)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* viewMenu = submenu(bar, "viewMenu", "Widok");
    viewGroup_ = new QActionGroup(this);
    viewGroup_->setExclusive(true);
    for (const ViewItem& view : kViewItems) {
        QAction* item = AddItem(viewMenu, view.name, ViewMenuCaption(view.mode), view.handler);
        item->setCheckable(true);
        viewGroup_->addAction(item);
        viewItems_[view.mode] = item;
    }
    viewMenu->addSeparator();
    AddItem(viewMenu, "hideDeleted", "Nie wyświetlaj podmiotów usuniętych",
            &MainWindow::toggleHideDeleted)
        ->setCheckable(true);

    QMenu* printMenu = submenu(bar, "printMenu", "Drukowanie");
    QMenu* normalMenu = submenu(printMenu, "normalPrintMenu", "Normalne..");
    AddItem(normalMenu, "printNormalList", "Kompletna lista", &MainWindow::printNormalList);
    AddItem(normalMenu, "printNormalVerifiedList", "Lista podmiotów zweryfikowanych",
            &MainWindow::printNormalVerifiedList);
    QMenu* simplifiedMenu = submenu(printMenu, "simplifiedPrintMenu", "Uproszczone..");
    AddItem(simplifiedMenu, "printSimplifiedList", "Kompletna lista",
            &MainWindow::printSimplifiedList);
    AddItem(simplifiedMenu, "printSimplifiedVerifiedList", "Lista podmiotów zweryfikowanych",
            &MainWindow::printSimplifiedVerifiedList);
    AddItem(simplifiedMenu, "printSimplifiedToVerifyList", "Lista podmiotów do weryfikacji",
            &MainWindow::printSimplifiedToVerifyList);
    AddItem(printMenu, "setUpPrinter", "Konfiguracja drukarki", &MainWindow::setUpPrinter);

    QMenu* importMenu = submenu(bar, "importMenu", "Import danych");
    AddItem(importMenu, "importData", "Z pliku ADIF...", &MainWindow::importData);
    AddItem(importMenu, "downloadFromLotw", "Pobierz z LoTW...", &MainWindow::downloadFromLotw);

    QMenu* verificationMenu = submenu(bar, "verificationMenu", "Weryfikacja");
    AddItem(verificationMenu, "saveToVerifyList", "Zapisz listę podmiotów do weryfikacji",
            &MainWindow::saveToVerifyList);
    AddItem(verificationMenu, "printVerificationReport", "Drukuj listę podmiotów do weryfikacji",
            &MainWindow::printVerificationReport);
    verificationMenu->addSeparator();
    AddItem(verificationMenu, "verifyData", "Weryfikacja danych", &MainWindow::verifyData);

    command("editCurrentEntity", "Edycja", &MainWindow::editCurrentEntity);
    command("openSearch", "Szu&kanie", &MainWindow::openSearch);

    QMenu* settingsMenu = submenu(bar, "settingsMenu", "Ustawienia");
    QMenu* coloursMenu = submenu(settingsMenu, "coloursMenu", "Kolory");
    AddItem(coloursMenu, "chooseConfirmedColour", "Kolor tła dla podmiotów potwierdzonych",
            &MainWindow::chooseConfirmedColour);
    AddItem(coloursMenu, "chooseDeletedColour", "Kolor tła dla podmiotów usuniętych",
            &MainWindow::chooseDeletedColour);
    AddItem(coloursMenu, "chooseVerifiedColour", "Kolor tła dla podmiotów zweryfikowanych",
            &MainWindow::chooseVerifiedColour);
    AddItem(coloursMenu, "chooseOtherColour", "Kolor tła dla podmiotów pozostałych",
            &MainWindow::chooseOtherColour);
    AddItem(settingsMenu, "chooseFont", "Czcionka", &MainWindow::chooseFont);

    QMenu* helpMenu = submenu(bar, "helpMenu", "Pomoc");
    AddItem(helpMenu, "openHelp", "Plik pomocy", &MainWindow::openHelp);
    AddItem(helpMenu, "showAbout", "O programie..", &MainWindow::showAbout);

    gridPopup_ = new QMenu(this);
    gridPopup_->setObjectName("gridPopupMenu");
    items_["gridPopupMenu"] = gridPopup_->menuAction();
    AddItem(gridPopup_, "setRowHeight", "Wysokość wierszy", &MainWindow::setRowHeight);
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
    grid_ = new QTableView(parent);
    grid_->setObjectName("grid");
    model_ = new EntityGridModel(station_, this);
    grid_->setModel(model_);
    grid_->setItemDelegate(new GridCellDelegate(grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setShowGrid(true);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setMinimumSectionSize(kMinRowHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* titles = grid_->horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setMinimumSectionSize(1);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { gridPopup_->popup(grid_->viewport()->mapToGlobal(at)); });
    connect(titles, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { ColumnResized(column, width); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid()) CurrentCellChanged(now.row(), now.column());
            });
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    titles->viewport()->installEventFilter(this);
    parent->layout()->addWidget(grid_);
}

QAction* MainWindow::MenuItem(const QString& name) const {
    auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

// --- start-up, activation, size, closing ---

bool MainWindow::Start() {
    if (!station_.StartUp()) return false;
    const Appearance& look = station_.appearance;
    resize(look.windowWidth, look.windowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        // A stored size larger than the screen would put the title bar out of reach.
        resize(std::min(look.windowWidth, area.width()),
               std::min(look.windowHeight, area.height()));
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    Refresh();
    return true;
}

void MainWindow::FocusFirstRow() {
    grid_->setFocus();
    if (station_.grid.DataRowCount() >= 1) {
        station_.SelectRow(0);
        station_.grid.currentColumn = 1;
    }
    Refresh();
}

void MainWindow::FitToColumns() {
    const int width =
        std::max(kMinWindowWidth, WindowWidthForColumns(station_.appearance.columnWidths));
    setMinimumHeight(kMinWindowHeight);
    if (minimumWidth() != width || maximumWidth() != width) setFixedWidth(width);
    const int quarter = this->width() / 4;
    for (int i = 0; i < 4; ++i) counterBar_->SetPanelWidth(i, quarter);
    fileBar_->SetPanelWidth(0, 3 * quarter);
    fileBar_->SetPanelWidth(1, this->width() / 8);
    fileBar_->SetPanelWidth(2, this->width() / 8);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FocusFirstRow();
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
    const MainWindowTexts& texts = station_.texts;
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
    watcher_->Watch(station_.currentFileName);
    for (const char* name : kFileCommands) items_.at(name)->setEnabled(texts.fileCommandsEnabled);
    // A file that no longer loads is just what an earlier version can mend.
    items_.at("restoreVersion")->setEnabled(!station_.currentFileName.empty());
    viewItems_.at(station_.viewMode)->setChecked(true);
    items_.at("hideDeleted")->setChecked(station_.hideDeleted);
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
    undo->setText(Q(UndoItemText(station_)));
    undo->setEnabled(station_.history.CanUndo());
    QAction* redo = items_.at("redoStep");
    redo->setText(Q(RedoItemText(station_)));
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
    QHeaderView* titles = grid_->horizontalHeader();
    for (int c = 0; c < EntityRow::kFieldCount; ++c) {
        const int width = look.columnWidths[static_cast<size_t>(c)];
        if (titles->sectionSize(c) != width) titles->resizeSection(c, width);
    }
}

void MainWindow::ShowCurrentRow() {
    const zorva::Grid& grid = station_.grid;
    const std::optional<int> row = grid.CurrentDataRow();
    if (!row) {
        grid_->selectionModel()->clearCurrentIndex();
        grid_->clearSelection();
        return;
    }
    const QModelIndex current = model_->index(*row, std::max(0, grid.currentColumn));
    grid_->selectionModel()->setCurrentIndex(
        current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(current);
}

void MainWindow::CurrentCellChanged(int row, int column) {
    if (redrawing_) return;
    model_->SelectCell(row, column);
}

void MainWindow::ColumnResized(int column, int width) {
    if (redrawing_ || column < 0 || column >= EntityRow::kFieldCount) return;
    station_.appearance.columnWidths[static_cast<size_t>(column)] = width;
}

// --- the grid's keys and mouse ---

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    QHeaderView* titles = grid_->horizontalHeader();
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        return GridShortcutKey(key) || GridKeyPress(key);
    }
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse && watched == grid_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                const QPoint at = mouse->position().toPoint();
                GridPressed(GridCell::Data(grid_->rowAt(at.y()), grid_->columnAt(at.x())));
                break;
            }
            case QEvent::MouseButtonRelease:
                GridReleased();
                break;
            case QEvent::MouseButtonDblClick:
                if (mouse->button() == Qt::LeftButton) {
                    editCurrentEntity();
                    return true;
                }
                break;
            default:
                break;
        }
    }
    if (mouse && watched == titles->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const int x = mouse->position().toPoint().x();
            const int column = titles->logicalIndexAt(x);
            // A press on a column border starts a resize; it is no press on the title.
            const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, titles);
            const int left = column < 0 ? 0 : titles->sectionViewportPosition(column);
            const int right = column < 0 ? 0 : left + titles->sectionSize(column);
            const bool onBorder = column >= 0 && (x - left < grip || right - x <= grip);
            GridPressed(GridCell::Title(onBorder ? kOutsideCells : column));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            GridReleased();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::GridPressed(GridCell cell) {
    station_.PressGrid(cell);
    // The press selects its row as well; redrawing the old current row first would scroll to it.
    if (!cell.onTitle && cell.row != kOutsideCells) station_.SelectRow(cell.row);
    Refresh();
}

void MainWindow::GridReleased() {
    FitToColumns();
}

bool MainWindow::GridShortcutKey(QKeyEvent* key) {
    const bool ctrlAlone = key->modifiers() == Qt::ControlModifier;
    if (ctrlAlone && key->key() == Qt::Key_S) {
        station_.SaveFromGrid();
        Refresh();
        return true;
    }
    if (key->key() == Qt::Key_F1) {
        openHelp();
        return true;
    }
    if (ctrlAlone && key->key() == Qt::Key_F) {
        openSearch();
        return true;
    }
    return false;
}

bool MainWindow::GridKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const bool edit = station_.PressGridEnter();
        Refresh();
        if (edit) editCurrentEntity();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        station_.PressGridEscape();
        Refresh();
        return true;
    }
    const QList<uint> typed = key->text().toUcs4();
    if (typed.size() != 1 || typed.front() < 32 || typed.front() == 127) return false;
    // A letter the prefix search leaves must not reach the view's own type-ahead,
    // which would move the current row unseen.
    station_.TypeGridChar(static_cast<char32_t>(typed.front()));
    Refresh();
    return true;
}

// --- Plik ---

void MainWindow::newStation() {
    station_.New();
    Refresh();
}

void MainWindow::openStation() {
    station_.Open();
    Refresh();
}

void MainWindow::saveStation() {
    station_.Save();
    Refresh();
}

void MainWindow::saveStationAs() {
    station_.SaveAs();
    Refresh();
}

void MainWindow::restoreVersion() {
    RestorePreviousVersion(station_, RestoreVersionChooser(this));
    Refresh();
}

void MainWindow::saveVerifiedList() {
    SaveVerifiedList(station_);
    Refresh();
}

void MainWindow::saveQslList() {
    SaveConfirmationList(station_, ConfirmationKind::Qsl);
}
void MainWindow::saveLotwList() {
    SaveConfirmationList(station_, ConfirmationKind::Lotw);
}
void MainWindow::openEntityDatabase() {
    if (entityDatabaseWindow) entityDatabaseWindow->Run();
}

void MainWindow::quit() {
    close();
}

// --- Edycja ---

void MainWindow::undoStep() {
    UndoStepBack(station_);
    Refresh();
}

void MainWindow::redoStep() {
    RedoStepForward(station_);
    Refresh();
}

// --- Widok ---

void MainWindow::showAllEntities() {
    station_.ApplyView(ViewMode::AllEntities);
    Refresh();
}

void MainWindow::showAllButVerified() {
    station_.ApplyView(ViewMode::AllButVerified);
    Refresh();
}

void MainWindow::showToVerify() {
    station_.ApplyView(ViewMode::ToVerify);
    Refresh();
}

void MainWindow::showVerified() {
    station_.ApplyView(ViewMode::Verified);
    Refresh();
}

void MainWindow::showConfirmed() {
    station_.ApplyView(ViewMode::Confirmed);
    Refresh();
}

void MainWindow::showUnconfirmed() {
    station_.ApplyView(ViewMode::Unconfirmed);
    Refresh();
}

void MainWindow::toggleHideDeleted() {
    station_.ToggleHideDeleted();
    Refresh();
}

// --- Drukowanie, Import danych, Weryfikacja ---

void MainWindow::printNormal(PrintMode mode) {
    PrintDialogChooser printer(this);
    PrintNormalList(station_, mode, printer.Chooser());
}

void MainWindow::printSimplified(PrintMode mode) {
    PrintDialogChooser printer(this);
    PrintSimplifiedList(station_, mode, printer.Chooser());
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
    if (!importWindow) importWindow = new ImportWindow(*this);
    importWindow->Run();
}
void MainWindow::downloadFromLotw() {
    DownloadFromLotw(*this);
}
void MainWindow::saveToVerifyList() {
    SaveVerificationList(station_);
    Refresh();
}

void MainWindow::printVerificationReport() {
    PrintDialogChooser printer(this);
    PrintVerificationReport(station_, printer.Chooser());
}
void MainWindow::verifyData() {
    const std::optional<std::string> today = StartVerification(station_);
    if (!today) return;
    repaint();
    if (!verificationDateDialog) verificationDateDialog = new VerificationDateDialog(*this);
    verificationDateDialog->Run(*today);
}

// --- Edycja, Szukanie ---

void MainWindow::editCurrentEntity() {
    if (!station_.CanEdit()) return;
    EntryDialogWindow dialog(*this);
    dialog.Run();
    Refresh();
}

void MainWindow::openSearch() {
    if (searchDialog) searchDialog->Open();
}

// --- Ustawienia ---

void MainWindow::ChooseColour(int Appearance::*colour) {
    const QColor chosen =
        QColorDialog::getColor(ColourFromSetting(station_.appearance.*colour), this);
    if (!chosen.isValid()) return;
    station_.appearance.*colour = SettingFromColour(chosen);
    Refresh();
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
    QFont offered(PreferredFontFace());
    offered.setPointSize(10);
    offered.setBold(false);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, offered, this);
    if (!accepted) return;
    SetGridFont(chosen);
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
}

// --- Pomoc and the pop-up menu ---

void MainWindow::openHelp() {
    OpenHelpFile(station_.prompter, station_.ProgramDir(), DesktopUrlOpener());
}
void MainWindow::showAbout() {
    if (aboutWindow) aboutWindow->Run();
}

void MainWindow::setRowHeight() {
    if (rowHeightDialog) rowHeightDialog->Run();
}

}  // namespace zorva
