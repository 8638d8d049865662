#include "zorva_user.h"

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

#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "entity_grid_model.h"
#include "entry/verification.h"
#include "grid_cell_delegate.h"
#include "help_file.h"
#include "lists/list_commands.h"
#include "panel_bar.h"
#include "podmioty.h"
#include "print_dialogs.h"
#include "station/appearance.h"
#include "station/grid_input.h"
#include "station/views.h"
#include "station_file_watcher.h"
#include "wprowadzanie_danych.h"
#include "wysokosc_wierszy.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kCoolBarHeight = 30;

struct ViewItem {
    ViewMode mode;
    const char* name;
    void (TForm1::*handler)();
};

const ViewItem kViewItems[] = {
    {ViewMode::AllEntities, "Wszystkiepodmioty1", &TForm1::Wszystkiepodmioty1Click},
    {ViewMode::AllButVerified, "Wszystkiepodmiotybezzweryfikowanych1",
     &TForm1::Wszystkiepodmiotybezzweryfikowanych1Click},
    {ViewMode::ToVerify, "Podmiotydoweryfikacji1", &TForm1::Podmiotydoweryfikacji1Click},
    {ViewMode::Verified, "Podmiotyzweryfikowane1", &TForm1::Podmiotyzweryfikowane1Click},
    {ViewMode::Confirmed, "Podmiotypotwierdzone1", &TForm1::Podmiotypotwierdzone1Click},
    {ViewMode::Unconfirmed, "Podmiotyniepotwierdzone1", &TForm1::Podmiotyniepotwierdzone1Click},
};

// The items that need an open station file.
const char* const kFileCommands[] = {
    "Szukanie1",   "Zapisz1", "Zapiszjako1",      "Zapiszlistzweryf1", "Zapiszlistdoweryfikacji1",
    "Drukowanie1", "Edycja1", "ImportujzDX4WIN1", "Weryfikacja1",      "Widok1"};

// "Fixedsys" where it exists, else the system's fixed-pitch face.
QString PreferredFontFace() {
    const QString preferred = QString::fromUtf8(kPreferredFontFace);
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive)) return preferred;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace

TForm1::TForm1(Prompter& prompter, const Clock& clock, std::string programDir, QWidget* parent)
    : QMainWindow(parent), station_(prompter, clock, std::move(programDir)) {
    setObjectName("Form1");
    setWindowTitle(Q(station_.texts.caption));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildCoolBar(central);
    BuildGrid(central);
    StatusBar2_ = new PanelBar(3, Qt::AlignLeft, central);
    StatusBar2_->setObjectName("StatusBar2");
    StatusBar1_ = new PanelBar(4, Qt::AlignHCenter, central);
    StatusBar1_->setObjectName("StatusBar1");
    layout->addWidget(StatusBar2_);
    layout->addWidget(StatusBar1_);
    setCentralWidget(central);
    BuildMenus();
    watcher_ = new StationFileWatcher(this);
    connect(watcher_, &StationFileWatcher::Changed, this, &TForm1::CheckOutsideChange);
    resize(station_.appearance.windowWidth, station_.appearance.windowHeight);
    Refresh();
}

TForm1::~TForm1() = default;

QAction* TForm1::AddItem(QMenu* menu, const char* name, const char* caption,
                         void (TForm1::*handler)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
    items_[name] = item;
    return item;
}

void TForm1::BuildMenus() {
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
    auto command = [this, bar](const char* name, const char* caption, void (TForm1::*handler)()) {
        QAction* item = bar->addAction(QString::fromUtf8(caption));
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, handler);
        items_[name] = item;
    };

    QMenu* plik = submenu(bar, "Plik1", "Plik");
    AddItem(plik, "Nowy1", "Nowy", &TForm1::Nowy1Click);
    plik->addSeparator();
    AddItem(plik, "Otwrz1", "Otwórz", &TForm1::Otwrz1Click);
    plik->addSeparator();
    AddItem(plik, "Zapisz1", "Zapisz                          Ctrl+S", &TForm1::Zapisz1Click);
    AddItem(plik, "Zapiszjako1", "Zapisz jako..", &TForm1::Zapiszjako1Click);
    AddItem(plik, "Zapiszlistzweryf1", "Zapisz listę podmiotów zweryfik.",
            &TForm1::Zapiszlistzweryf1Click);
    AddItem(plik, "ZapiszQSL", "Zapisz listę podmiotów potw. QSL", &TForm1::ZapiszQSLClick);
    AddItem(plik, "ZapiszLoTW", "Zapisz listę podmiotów potw. LoTW", &TForm1::ZapiszLoTWClick);
    plik->addSeparator();
    AddItem(plik, "Zarzdzaniebazpodmiotw1", "Zarządzanie bazą podmiotów",
            &TForm1::Zarzdzaniebazpodmiotw1Click);
    plik->addSeparator();
    AddItem(plik, "Koniec1", "&Koniec", &TForm1::Koniec1Click);

    QMenu* widok = submenu(bar, "Widok1", "Widok");
    viewGroup_ = new QActionGroup(this);
    viewGroup_->setExclusive(true);
    for (const ViewItem& view : kViewItems) {
        QAction* item = AddItem(widok, view.name, ViewMenuCaption(view.mode), view.handler);
        item->setCheckable(true);
        viewGroup_->addAction(item);
        viewItems_[view.mode] = item;
    }
    widok->addSeparator();
    AddItem(widok, "bez_deleted_1", "Nie wyświetlaj podmiotów usuniętych",
            &TForm1::bez_deleted_1Click)
        ->setCheckable(true);

    QMenu* drukowanie = submenu(bar, "Drukowanie1", "Drukowanie");
    QMenu* normalne = submenu(drukowanie, "Normalne1", "Normalne..");
    AddItem(normalne, "Kompletnalista1", "Kompletna lista", &TForm1::Kompletnalista1Click);
    AddItem(normalne, "Listapodmiotwzweryfikowanych1", "Lista podmiotów zweryfikowanych",
            &TForm1::Listapodmiotwzweryfikowanych1Click);
    QMenu* uproszczone = submenu(drukowanie, "Uproszczone1", "Uproszczone..");
    AddItem(uproszczone, "Kompletnalista2", "Kompletna lista", &TForm1::Kompletnalista2Click);
    AddItem(uproszczone, "Listapodmiotwzweryfikowanych2", "Lista podmiotów zweryfikowanych",
            &TForm1::Listapodmiotwzweryfikowanych2Click);
    AddItem(uproszczone, "Listapodmiotwdoweryfikacji2", "Lista podmiotów do weryfikacji",
            &TForm1::Listapodmiotwdoweryfikacji2Click);
    AddItem(drukowanie, "Konfiguracjadrukarki1", "Konfiguracja drukarki",
            &TForm1::Konfiguracjadrukarki1Click);

    command("ImportujzDX4WIN1", "Import danych", &TForm1::ImportujzDX4WIN1Click);

    QMenu* weryfikacja = submenu(bar, "Weryfikacja1", "Weryfikacja");
    AddItem(weryfikacja, "Zapiszlistdoweryfikacji1", "Zapisz listę podmiotów do weryfikacji",
            &TForm1::Zapiszlistdoweryfikacji1Click);
    AddItem(weryfikacja, "Listapodmiotwdoweryfikacji1", "Drukuj listę podmiotów do weryfikacji",
            &TForm1::Listapodmiotwdoweryfikacji1Click);
    weryfikacja->addSeparator();
    AddItem(weryfikacja, "Weryfikacjadanych1", "Weryfikacja danych",
            &TForm1::Weryfikacjadanych1Click);

    command("Edycja1", "Edycja", &TForm1::zorva1DblClick);
    command("Szukanie1", "Szu&kanie", &TForm1::Szukanie1Click);

    QMenu* ustawienia = submenu(bar, "Ustawienia1", "Ustawienia");
    QMenu* kolory = submenu(ustawienia, "Kolory1", "Kolory");
    AddItem(kolory, "Kolortadlapodmiotwpotwierdzonych1", "Kolor tła dla podmiotów potwierdzonych",
            &TForm1::Kolortadlapodmiotwpotwierdzonych1Click);
    AddItem(kolory, "Kolortadlapodmiotwusunitych1", "Kolor tła dla podmiotów usuniętych",
            &TForm1::Kolortadlapodmiotwusunitych1Click);
    AddItem(kolory, "Kolortadlapodmiotwzweryfikowanych1", "Kolor tła dla podmiotów zweryfikowanych",
            &TForm1::Kolortadlapodmiotwzweryfikowanych1Click);
    AddItem(kolory, "Kolortadlapodmiotwpozostaych1", "Kolor tła dla podmiotów pozostałych",
            &TForm1::Kolortadlapodmiotwpozostaych1Click);
    AddItem(ustawienia, "Czcionka1", "Czcionka", &TForm1::Czcionka1Click);

    QMenu* pomoc = submenu(bar, "Pomoc1", "Pomoc");
    AddItem(pomoc, "Plikpomocy1", "Plik pomocy", &TForm1::Plikpomocy1Click);
    AddItem(pomoc, "Oprogramie1", "O programie..", &TForm1::Oprogramie1Click);

    gridPopup_ = new QMenu(this);
    gridPopup_->setObjectName("PopupMenu1");
    items_["PopupMenu1"] = gridPopup_->menuAction();
    AddItem(gridPopup_, "Wysoko1", "Wysokość wierszy", &TForm1::Wysoko1Click);
}

void TForm1::BuildCoolBar(QWidget* parent) {
    auto* coolBar = new QFrame(parent);
    coolBar->setObjectName("CoolBar1");
    coolBar->setFixedHeight(kCoolBarHeight);
    coolBar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(coolBar);
    row->setContentsMargins(6, 0, 6, 0);
    auto label = [coolBar](const char* name) {
        auto* l = new QLabel(coolBar);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    Label4_ = label("Label4");
    Label4_->setText("Widok: ");
    Label5_ = label("Label5");
    QFont viewFont = Label5_->font();
    viewFont.setBold(true);
    Label5_->setFont(viewFont);
    Label5_->setStyleSheet("color: navy;");
    Label1_ = label("Label1");
    Label3_ = label("Label3");
    QFont prefixFont("Arial");
    prefixFont.setPixelSize(19);
    prefixFont.setBold(true);
    Label3_->setFont(prefixFont);
    Label3_->setStyleSheet("color: red;");
    row->addWidget(Label4_);
    row->addWidget(Label5_);
    row->addSpacing(24);
    row->addWidget(Label1_);
    row->addSpacing(8);
    row->addWidget(Label3_);
    row->addStretch(1);
    parent->layout()->addWidget(coolBar);
}

void TForm1::BuildGrid(QWidget* parent) {
    zorva1_ = new QTableView(parent);
    zorva1_->setObjectName("zorva1");
    model_ = new EntityGridModel(station_, this);
    zorva1_->setModel(model_);
    zorva1_->setItemDelegate(new GridCellDelegate(zorva1_));
    zorva1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    zorva1_->setSelectionMode(QAbstractItemView::SingleSelection);
    zorva1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    zorva1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zorva1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    zorva1_->setShowGrid(true);
    zorva1_->setWordWrap(false);
    zorva1_->setTabKeyNavigation(false);
    zorva1_->verticalHeader()->hide();
    zorva1_->verticalHeader()->setMinimumSectionSize(kMinRowHeight);
    zorva1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* titles = zorva1_->horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setMinimumSectionSize(1);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    zorva1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(zorva1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { gridPopup_->popup(zorva1_->viewport()->mapToGlobal(at)); });
    connect(titles, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { ColumnResized(column, width); });
    connect(zorva1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid()) CurrentCellChanged(now.row() + 1, now.column());
            });
    zorva1_->installEventFilter(this);
    zorva1_->viewport()->installEventFilter(this);
    titles->viewport()->installEventFilter(this);
    parent->layout()->addWidget(zorva1_);
}

QAction* TForm1::MenuItem(const QString& name) const {
    auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

// --- start-up, activation, size, closing ---

bool TForm1::FormCreate() {
    if (!station_.FormCreate()) return false;
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

void TForm1::FormActivate() {
    zorva1_->setFocus();
    if (station_.grid.DataRowCount() >= 1) {
        station_.SelectRow(1);
        station_.grid.currentColumn = 1;
    }
    Refresh();
}

void TForm1::FormCanResize() {
    const int width =
        std::max(kMinWindowWidth, WindowWidthForColumns(station_.appearance.columnWidths));
    setMinimumHeight(kMinWindowHeight);
    if (minimumWidth() != width || maximumWidth() != width) setFixedWidth(width);
    const int quarter = this->width() / 4;
    for (int i = 0; i < 4; ++i) StatusBar1_->SetPanelWidth(i, quarter);
    StatusBar2_->SetPanelWidth(0, 3 * quarter);
    StatusBar2_->SetPanelWidth(1, this->width() / 8);
    StatusBar2_->SetPanelWidth(2, this->width() / 8);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
        CheckOutsideChange();
    }
    return QMainWindow::event(event);
}

void TForm1::CheckOutsideChange() {
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

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormCanResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (station_.FormCloseQuery(width(), height())) {
        event->accept();
    } else {
        event->ignore();
    }
    Refresh();
}

// --- drawing the state ---

void TForm1::Refresh() {
    const MainWindowTexts& texts = station_.texts;
    setWindowTitle(Q(texts.caption));
    Label5_->setText(Q(texts.label5));
    Label1_->setText(Q(texts.label1));
    Label1_->setEnabled(texts.label1Enabled);
    Label3_->setText(Q(texts.label3));
    for (int i = 0; i < 4; ++i)
        StatusBar1_->SetText(i, Q(texts.counterPanels[static_cast<size_t>(i)]));
    StatusBar2_->SetText(0, notice_.isEmpty() ? Q(texts.fileNamePanel) : notice_);
    StatusBar2_->SetText(1, Q(texts.modifiedPanel));
    StatusBar2_->SetText(2, Q(texts.sortPanel));
    StatusBar2_->setToolTip(Q(texts.fileHint));
    watcher_->Watch(station_.currentFileName);
    for (const char* name : kFileCommands) items_.at(name)->setEnabled(texts.fileCommandsEnabled);
    viewItems_.at(station_.viewMode)->setChecked(true);
    items_.at("bez_deleted_1")->setChecked(station_.hideDeleted);

    redrawing_ = true;
    if (model_->rowCount() != station_.grid.DataRowCount()) {
        model_->Reload();
    } else if (model_->rowCount() > 0) {
        emit model_->dataChanged(model_->index(0, 0),
                                 model_->index(model_->rowCount() - 1, EntityRow::kFieldCount - 1));
    }
    emit model_->headerDataChanged(Qt::Horizontal, 0, EntityRow::kFieldCount - 1);
    ApplyGridLook();
    ShowCurrentRow();
    redrawing_ = false;
    FormCanResize();
}

void TForm1::ApplyGridLook() {
    const Appearance& look = station_.appearance;
    QFont font(Q(look.fontName));
    font.setPointSize(std::max(1, look.fontSize));
    font.setBold(look.fontBold);
    if (chosenFont_ && chosenFont_->family() == font.family() &&
        chosenFont_->pointSize() == font.pointSize()) {
        font = *chosenFont_;
    }
    if (zorva1_->font() != font) zorva1_->setFont(font);
    zorva1_->verticalHeader()->setDefaultSectionSize(ClampRowHeight(look.rowHeight));
    QHeaderView* titles = zorva1_->horizontalHeader();
    for (int c = 0; c < EntityRow::kFieldCount; ++c) {
        const int width = look.columnWidths[static_cast<size_t>(c)];
        if (titles->sectionSize(c) != width) titles->resizeSection(c, width);
    }
}

void TForm1::ShowCurrentRow() {
    const zorva::Grid& grid = station_.grid;
    if (grid.currentRow < 1 || grid.currentRow > grid.DataRowCount()) {
        zorva1_->selectionModel()->clearCurrentIndex();
        zorva1_->clearSelection();
        return;
    }
    const QModelIndex current = model_->index(grid.currentRow - 1, std::max(0, grid.currentColumn));
    zorva1_->selectionModel()->setCurrentIndex(
        current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    zorva1_->scrollTo(current);
}

void TForm1::CurrentCellChanged(int row, int column) {
    if (redrawing_) return;
    const int before = station_.grid.currentRow;
    station_.SelectRow(row);
    station_.grid.currentColumn = column;
    model_->CurrentRowMoved(before, row);
}

void TForm1::ColumnResized(int column, int width) {
    if (redrawing_ || column < 0 || column >= EntityRow::kFieldCount) return;
    station_.appearance.columnWidths[static_cast<size_t>(column)] = width;
}

// --- the grid's keys and mouse ---

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    QHeaderView* titles = zorva1_->horizontalHeader();
    if (watched == zorva1_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        return zorva1KeyDown(key) || zorva1KeyPress(key);
    }
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse && watched == zorva1_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                const QPoint at = mouse->position().toPoint();
                const int row = zorva1_->rowAt(at.y());
                zorva1MouseDown(row < 0 ? -1 : row + 1, zorva1_->columnAt(at.x()));
                break;
            }
            case QEvent::MouseButtonRelease:
                zorva1MouseUp();
                break;
            case QEvent::MouseButtonDblClick:
                if (mouse->button() == Qt::LeftButton) {
                    zorva1DblClick();
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
            zorva1MouseDown(0, onBorder ? -1 : column);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            zorva1MouseUp();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::zorva1MouseDown(int row, int column) {
    station_.PressGrid(row, column);
    // The press selects its row as well; redrawing the old current row first would scroll to it.
    if (row > 0) station_.SelectRow(row);
    Refresh();
}

void TForm1::zorva1MouseUp() {
    FormCanResize();
}

bool TForm1::zorva1KeyDown(QKeyEvent* key) {
    const bool ctrlAlone = key->modifiers() == Qt::ControlModifier;
    if (ctrlAlone && key->key() == Qt::Key_S) {
        station_.SaveFromGrid();
        Refresh();
        return true;
    }
    if (key->key() == Qt::Key_F1) {
        Plikpomocy1Click();
        return true;
    }
    if (ctrlAlone && key->key() == Qt::Key_F) {
        Szukanie1Click();
        return true;
    }
    return false;
}

bool TForm1::zorva1KeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const bool edit = station_.PressGridEnter();
        Refresh();
        if (edit) zorva1DblClick();
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

void TForm1::Nowy1Click() {
    station_.New();
    Refresh();
}

void TForm1::Otwrz1Click() {
    station_.Open();
    Refresh();
}

void TForm1::Zapisz1Click() {
    station_.Save();
    Refresh();
}

void TForm1::Zapiszjako1Click() {
    station_.SaveAs();
    Refresh();
}

void TForm1::Zapiszlistzweryf1Click() {
    SaveVerifiedList(station_);
    Refresh();
}

void TForm1::ZapiszQSLClick() {
    SaveConfirmationList(station_, ConfirmationKind::Qsl);
}
void TForm1::ZapiszLoTWClick() {
    SaveConfirmationList(station_, ConfirmationKind::Lotw);
}
void TForm1::Zarzdzaniebazpodmiotw1Click() {
    if (FPodmioty) FPodmioty->Run();
}

void TForm1::Koniec1Click() {
    close();
}

// --- Widok ---

void TForm1::Wszystkiepodmioty1Click() {
    station_.ApplyView(ViewMode::AllEntities);
    Refresh();
}

void TForm1::Wszystkiepodmiotybezzweryfikowanych1Click() {
    station_.ApplyView(ViewMode::AllButVerified);
    Refresh();
}

void TForm1::Podmiotydoweryfikacji1Click() {
    station_.ApplyView(ViewMode::ToVerify);
    Refresh();
}

void TForm1::Podmiotyzweryfikowane1Click() {
    station_.ApplyView(ViewMode::Verified);
    Refresh();
}

void TForm1::Podmiotypotwierdzone1Click() {
    station_.ApplyView(ViewMode::Confirmed);
    Refresh();
}

void TForm1::Podmiotyniepotwierdzone1Click() {
    station_.ApplyView(ViewMode::Unconfirmed);
    Refresh();
}

void TForm1::bez_deleted_1Click() {
    station_.ToggleHideDeleted();
    Refresh();
}

// --- Drukowanie, Import danych, Weryfikacja ---

void TForm1::Kompletnalista1Click() {
    PrintDialogChooser printer(this);
    PrintNormalList(station_, printer.Chooser());
}

void TForm1::Listapodmiotwzweryfikowanych1Click() {
    station_.printMode = PrintMode::Verified;
    Kompletnalista1Click();
}

void TForm1::Kompletnalista2Click() {
    PrintDialogChooser printer(this);
    PrintSimplifiedList(station_, printer.Chooser());
}

void TForm1::Listapodmiotwzweryfikowanych2Click() {
    station_.printMode = PrintMode::Verified;
    Kompletnalista2Click();
}

void TForm1::Listapodmiotwdoweryfikacji2Click() {
    station_.printMode = PrintMode::ToVerify;
    Kompletnalista2Click();
}

void TForm1::Konfiguracjadrukarki1Click() {
    ShowPrinterSetup(this);
}
void TForm1::ImportujzDX4WIN1Click() {
    if (!Form7) Form7 = new TForm7(*this);
    Form7->Run();
}
void TForm1::Zapiszlistdoweryfikacji1Click() {
    SaveVerificationList(station_);
    Refresh();
}

void TForm1::Listapodmiotwdoweryfikacji1Click() {
    PrintDialogChooser printer(this);
    PrintVerificationReport(station_, printer.Chooser());
}
void TForm1::Weryfikacjadanych1Click() {
    const std::optional<std::string> today = StartVerification(station_);
    if (!today) return;
    repaint();
    if (!Form4) Form4 = new TForm4(*this);
    Form4->Run(*today);
}

// --- Edycja, Szukanie ---

void TForm1::zorva1DblClick() {
    if (!station_.CanEdit()) return;
    TForm2 dialog(*this);
    dialog.Run();
    Refresh();
}

void TForm1::Szukanie1Click() {
    if (Form3) Form3->Open();
}

// --- Ustawienia ---

void TForm1::ChooseColour(int Appearance::*colour) {
    const QColor chosen =
        QColorDialog::getColor(ColourFromSetting(station_.appearance.*colour), this);
    if (!chosen.isValid()) return;
    station_.appearance.*colour = SettingFromColour(chosen);
    Refresh();
}

void TForm1::Kolortadlapodmiotwpotwierdzonych1Click() {
    ChooseColour(&Appearance::confirmedColour);
}
void TForm1::Kolortadlapodmiotwusunitych1Click() {
    ChooseColour(&Appearance::deletedColour);
}
void TForm1::Kolortadlapodmiotwzweryfikowanych1Click() {
    ChooseColour(&Appearance::verifiedColour);
}
void TForm1::Kolortadlapodmiotwpozostaych1Click() {
    ChooseColour(&Appearance::otherColour);
}

void TForm1::Czcionka1Click() {
    QFont offered(PreferredFontFace());
    offered.setPointSize(10);
    offered.setBold(false);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, offered, this);
    if (!accepted) return;
    SetGridFont(chosen);
}

void TForm1::SetGridFont(const QFont& font) {
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

void TForm1::Plikpomocy1Click() {
    OpenHelpFile(station_.prompter, station_.ProgramDir(), DesktopUrlOpener());
}
void TForm1::Oprogramie1Click() {
    if (Form5) Form5->Run();
}

void TForm1::Wysoko1Click() {
    if (Fwysokosc_wierszy) Fwysokosc_wierszy->Run();
}

}  // namespace zorva
