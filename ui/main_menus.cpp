// The main window's menu bar, its pop-up menu and its keys.
#include <QActionGroup>
#include <QMenuBar>
#include <QShortcut>

#include "lotw_download_command.h"
#include "main_window.h"
#include "station/history_commands.h"
#include "station/views.h"

namespace zorva {
namespace {

struct ViewItem {
    ViewMode mode;
    const char* name;
    void (MainWindow::*handler)();
    const char* accessKeyAt;  // the caption's text that starts with the underlined letter
};

const ViewItem kViewItems[] = {
    {ViewMode::AllEntities, "showAllEntities", &MainWindow::showAllEntities, "Wszystkie"},
    {ViewMode::AllButVerified, "showAllButVerified", &MainWindow::showAllButVerified, "bez"},
    {ViewMode::ToVerify, "showToVerify", &MainWindow::showToVerify, "do "},
    {ViewMode::Verified, "showVerified", &MainWindow::showVerified, "zweryfikowane"},
    {ViewMode::Confirmed, "showConfirmed", &MainWindow::showConfirmed, "potwierdzone"},
    {ViewMode::Unconfirmed, "showUnconfirmed", &MainWindow::showUnconfirmed, "niepotwierdzone"},
};

QString WithAccessKey(const char* caption, const char* keyAt) {
    QString text = QString::fromUtf8(caption);
    const qsizetype at = text.indexOf(QString::fromUtf8(keyAt));
    if (at >= 0) text.insert(at, '&');
    return text;
}

}  // namespace

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (MainWindow::*handler)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, handler] { Run(handler); });
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
        connect(item, &QAction::triggered, this, [this, handler] { Run(handler); });
        items_[name] = item;
    };

    QMenu* fileMenu = submenu(bar, "fileMenu", "&Plik");
    AddItem(fileMenu, "newStation", "&Nowy", &MainWindow::newStation);
    fileMenu->addSeparator();
    AddItem(fileMenu, "openStation", "&Otwórz", &MainWindow::openStation);
    fileMenu->addSeparator();
    AddItem(fileMenu, "saveStation", "&Zapisz                          Ctrl+S",
            &MainWindow::saveStation);
    AddItem(fileMenu, "saveStationAs", "Zapisz &jako..", &MainWindow::saveStationAs);
    AddItem(fileMenu, "restoreVersion", "&Przywróć poprzednią wersję...",
            &MainWindow::restoreVersion);
    AddItem(fileMenu, "saveVerifiedList", "Zapisz listę podmiotów z&weryfik.",
            &MainWindow::saveVerifiedList);
    AddItem(fileMenu, "saveQslList", "Zapisz listę podmiotów potw. &QSL", &MainWindow::saveQslList);
    AddItem(fileMenu, "saveLotwList", "Zapisz listę podmiotów potw. &LoTW",
            &MainWindow::saveLotwList);
    fileMenu->addSeparator();
    AddItem(fileMenu, "openEntityDatabase", "Zarządzanie &bazą podmiotów",
            &MainWindow::openEntityDatabase);
    fileMenu->addSeparator();
    AddItem(fileMenu, "quit", "&Koniec", &MainWindow::quit);

    QMenu* changesMenu = submenu(bar, "changesMenu", "&Zmiany");
    AddItem(changesMenu, "undoStep", kUndoItem, &MainWindow::undoStep)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddItem(changesMenu, "redoStep", kRedoItem, &MainWindow::redoStep)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* viewMenu = submenu(bar, "viewMenu", "&Widok");
    viewGroup_ = new QActionGroup(this);
    viewGroup_->setExclusive(true);
    for (const ViewItem& view : kViewItems) {
        QAction* item = AddItem(viewMenu, view.name, "", view.handler);
        item->setText(WithAccessKey(ViewMenuCaption(view.mode), view.accessKeyAt));
        item->setCheckable(true);
        viewGroup_->addAction(item);
        viewItems_[view.mode] = item;
    }
    viewMenu->addSeparator();
    AddItem(viewMenu, "hideDeleted", "Nie wyświetlaj podmiotów &usuniętych",
            &MainWindow::toggleHideDeleted)
        ->setCheckable(true);

    QMenu* printMenu = submenu(bar, "printMenu", "&Drukowanie");
    QMenu* normalMenu = submenu(printMenu, "normalPrintMenu", "&Normalne..");
    AddItem(normalMenu, "printNormalList", "&Kompletna lista", &MainWindow::printNormalList);
    AddItem(normalMenu, "printNormalVerifiedList", "Lista podmiotów &zweryfikowanych",
            &MainWindow::printNormalVerifiedList);
    QMenu* simplifiedMenu = submenu(printMenu, "simplifiedPrintMenu", "&Uproszczone..");
    AddItem(simplifiedMenu, "printSimplifiedList", "&Kompletna lista",
            &MainWindow::printSimplifiedList);
    AddItem(simplifiedMenu, "printSimplifiedVerifiedList", "Lista podmiotów &zweryfikowanych",
            &MainWindow::printSimplifiedVerifiedList);
    AddItem(simplifiedMenu, "printSimplifiedToVerifyList", "Lista podmiotów &do weryfikacji",
            &MainWindow::printSimplifiedToVerifyList);
    AddItem(printMenu, "setUpPrinter", "&Konfiguracja drukarki", &MainWindow::setUpPrinter);

    QMenu* importMenu = submenu(bar, "importMenu", "&Import danych");
    AddItem(importMenu, "importData", "&Z pliku ADIF...", &MainWindow::importData);
    AddItem(importMenu, "downloadFromLotw", "&Pobierz z LoTW...", &MainWindow::downloadFromLotw)
        ->setVisible(LotwDownloadBuilt());

    QMenu* verificationMenu = submenu(bar, "verificationMenu", "We&ryfikacja");
    AddItem(verificationMenu, "saveToVerifyList", "&Zapisz listę podmiotów do weryfikacji",
            &MainWindow::saveToVerifyList);
    AddItem(verificationMenu, "printVerificationReport", "&Drukuj listę podmiotów do weryfikacji",
            &MainWindow::printVerificationReport);
    verificationMenu->addSeparator();
    AddItem(verificationMenu, "verifyData", "&Weryfikacja danych", &MainWindow::verifyData);

    command("editCurrentEntity", "&Edycja", &MainWindow::editCurrentEntity);
    command("openSearch", "Szu&kanie", &MainWindow::openSearch);

    QMenu* settingsMenu = submenu(bar, "settingsMenu", "&Ustawienia");
    QMenu* coloursMenu = submenu(settingsMenu, "coloursMenu", "&Kolory");
    AddItem(coloursMenu, "chooseConfirmedColour", "Kolor tła dla podmiotów &potwierdzonych",
            &MainWindow::chooseConfirmedColour);
    AddItem(coloursMenu, "chooseDeletedColour", "Kolor tła dla podmiotów &usuniętych",
            &MainWindow::chooseDeletedColour);
    AddItem(coloursMenu, "chooseVerifiedColour", "Kolor tła dla podmiotów &zweryfikowanych",
            &MainWindow::chooseVerifiedColour);
    AddItem(coloursMenu, "chooseOtherColour", "Kolor tła dla podmiotów p&ozostałych",
            &MainWindow::chooseOtherColour);
    AddItem(settingsMenu, "chooseFont", "&Czcionka", &MainWindow::chooseFont);

    QMenu* helpMenu = submenu(bar, "helpMenu", "P&omoc");
    AddItem(helpMenu, "openHelp", "&Plik pomocy", &MainWindow::openHelp);
    AddItem(helpMenu, "showAbout", "&O programie..", &MainWindow::showAbout);

    gridPopup_ = new QMenu(this);
    gridPopup_->setObjectName("gridPopupMenu");
    items_["gridPopupMenu"] = gridPopup_->menuAction();
    AddItem(gridPopup_, "setRowHeight", "&Wysokość wierszy", &MainWindow::setRowHeight);
}

void MainWindow::AddWindowKeys() {
    // Keys of the whole window: they work wherever the focus is in it.
    const auto key = [this](const QKeySequence& sequence, void (MainWindow::*handler)()) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, handler] { Run(handler); });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveFromKeyboard);
    key(QKeySequence(Qt::CTRL | Qt::Key_F), &MainWindow::searchFromKeyboard);
    key(QKeySequence(Qt::Key_F1), &MainWindow::openHelp);
}

QAction* MainWindow::MenuItem(const QString& name) const {
    auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

}  // namespace zorva
