#pragma once

#include <QFont>
#include <QMainWindow>
#include <map>
#include <optional>
#include <string>

#include "entity_grid_view.h"
#include "ports/clock.h"
#include "ports/prompter.h"
#include "print/print_mode.h"
#include "station/station.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace zorva {

class EntityGridModel;
class PanelBar;
class StationFileWatcher;
class SearchDialog;
class VerificationDateDialog;
class AboutWindow;
class ImportWindow;
class EntityDatabaseWindow;
class RowHeightDialog;

// The main window: the menu bar, the bar with the view and prefix-search
// labels, the entity grid and the two status bars. Its commands call the Station;
// after each one the window redraws everything from the Station's state.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(Prompter& prompter, const Clock& clock, std::string programDir,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Station& station() { return station_; }
    const Station& station() const { return station_; }
    QTableView* Grid() const { return grid_; }
    EntityGridModel* GridModel() const { return model_; }
    // A menu item by its component name ("saveStation", "viewMenu", ...), or null.
    QAction* MenuItem(const QString& name) const;

    // The program's other windows, made in the program block's order once the window has
    // started; the entry dialog is made afresh for each opening.
    void MakeWindows();
    SearchDialog* searchDialog() const { return searchDialog_; }
    VerificationDateDialog* verificationDateDialog() const { return verificationDateDialog_; }
    RowHeightDialog* rowHeightDialog() const { return rowHeightDialog_; }
    AboutWindow* aboutWindow() const { return aboutWindow_; }
    EntityDatabaseWindow* entityDatabaseWindow() const { return entityDatabaseWindow_; }
    // Made at the first "Import danych" when MakeWindows has not made it, then kept.
    ImportWindow& importWindow();
    // Redraws the window after every change another window makes to the station.
    template <class Window>
    Window& Follow(Window& window) {
        connect(&window, &Window::stationChanged, this, &MainWindow::Refresh);
        return window;
    }

    // Start-up: settings, the last station file; false when the program must end.
    bool Start();
    // Redraws every control from the Station's state.
    void Refresh();
    // Gives the grid the focus and keeps its current row (the remembered entity, else the first).
    void FocusCurrentRow();
    // Fits the width to the columns (+ 36) and the menu bar, within the screen, and divides
    // the status bars.
    void FitToColumns();
    // Widens each column to its title and its widest value.
    void FitColumnsToText();
    // The grid's font as the font command sets it.
    void SetGridFont(const QFont& font);
    // Loads the station file again, or asks, when another program saved it.
    void CheckOutsideChange();

  public slots:
    // Plik
    void newStation();
    void openStation();
    void saveStation();
    void saveStationAs();
    void restoreVersion();
    void saveVerifiedList();
    void saveQslList();
    void saveLotwList();
    void openEntityDatabase();
    void quit();
    // Edycja
    void undoStep();
    void redoStep();
    // Widok
    void showAllEntities();
    void showAllButVerified();
    void showToVerify();
    void showVerified();
    void showConfirmed();
    void showUnconfirmed();
    void toggleHideDeleted();
    // Drukowanie
    void printNormalList();
    void printNormalVerifiedList();
    void printSimplifiedList();
    void printSimplifiedVerifiedList();
    void printSimplifiedToVerifyList();
    void setUpPrinter();
    // Import danych, Weryfikacja, Edycja, Szukanie
    void importData();
    void downloadFromLotw();
    void saveToVerifyList();
    void printVerificationReport();
    void verifyData();
    void editCurrentEntity();
    void openSearch();
    // Ustawienia
    void chooseConfirmedColour();
    void chooseDeletedColour();
    void chooseVerifiedColour();
    void chooseOtherColour();
    void chooseFont();
    // Pomoc
    void openHelp();
    void showAbout();
    // The grid's pop-up menu
    void setRowHeight();
    // Keys of the window
    void saveFromKeyboard();
    void searchFromKeyboard();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void printNormal(PrintMode mode);
    void printSimplified(PrintMode mode);
    void BuildMenus();
    void AddWindowKeys();
    // The window and its frame within the screen's free area, centred.
    void PlaceOnScreen();
    QMargins FrameMargins() const;
    QRect UsableArea() const;  // the screen's free area less the frame
    void BuildViewBar(QWidget* parent);
    void BuildGrid(QWidget* parent);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                     void (MainWindow::*handler)());
    // Runs a command of the window, then redraws whatever it changed.
    void Run(void (MainWindow::*command)());
    VerificationDateDialog& DateDialog();
    void ApplyVerificationDate(const std::string& date, bool byEnter);
    void ApplyRowHeight(int rowHeight);
    void ShowHistoryItems();
    void ApplyGridLook();
    void ShowCurrentRow();
    void CurrentCellChanged(int row, int column);
    void ColumnResized(int column, int width);
    void ChooseColour(int Appearance::*colour);

    void GridPressed(GridCell cell);
    void GridEnter();

    Station station_;
    SearchDialog* searchDialog_ = nullptr;
    VerificationDateDialog* verificationDateDialog_ = nullptr;
    RowHeightDialog* rowHeightDialog_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
    ImportWindow* importWindow_ = nullptr;
    EntityDatabaseWindow* entityDatabaseWindow_ = nullptr;
    std::map<QString, QAction*> items_;
    QActionGroup* viewGroup_ = nullptr;
    std::map<ViewMode, QAction*> viewItems_;
    QLabel* viewCaptionLabel_ = nullptr;
    QLabel* viewLabel_ = nullptr;
    QLabel* prefixHintLabel_ = nullptr;
    QLabel* prefixLabel_ = nullptr;
    EntityGridView* grid_ = nullptr;
    EntityGridModel* model_ = nullptr;
    QMenu* gridPopup_ = nullptr;
    PanelBar* fileBar_ = nullptr;
    PanelBar* counterBar_ = nullptr;
    // Set while the window itself moves the grid, so its signals are not taken as the user's.
    bool redrawing_ = false;
    // The font chosen in this run, with the styles the settings file does not keep.
    std::optional<QFont> chosenFont_;
    StationFileWatcher* watcher_ = nullptr;
    bool checkingOutside_ = false;
    // Shown in place of the file name for a while after the file was loaded again.
    QString notice_;
};

}  // namespace zorva
