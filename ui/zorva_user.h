#pragma once

#include <QFont>
#include <QMainWindow>
#include <map>
#include <optional>
#include <string>

#include "ports/clock.h"
#include "ports/prompter.h"
#include "station/station.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTableView;

namespace zorva {

class EntityGridModel;
class PanelBar;
class StationFileWatcher;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TFPodmioty;
class TFwysokosc_wierszy;

// The main window: the menu bar, the cool bar with the view and prefix-search
// labels, the grid zorva1 and the two status bars. Its handlers call the Station
// and then redraw everything from the Station's state.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Prompter& prompter, const Clock& clock, std::string programDir,
           QWidget* parent = nullptr);
    ~TForm1() override;

    Station& station() { return station_; }
    const Station& station() const { return station_; }
    QTableView* Grid() const { return zorva1_; }
    EntityGridModel* GridModel() const { return model_; }
    // A menu item by its component name ("Zapisz1", "Widok1", ...), or null.
    QAction* MenuItem(const QString& name) const;

    // The program's other windows, created by the program block in its order.
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;  // made at the first "Weryfikacja danych", then kept
    TFwysokosc_wierszy* Fwysokosc_wierszy = nullptr;
    TForm5* Form5 = nullptr;
    TForm7* Form7 = nullptr;  // made at the first "Import danych", then kept
    TFPodmioty* FPodmioty = nullptr;

    // Start-up: settings, the last station file; false when the program must end.
    bool FormCreate();
    // Redraws every control from the Station's state.
    void Refresh();
    // Gives the grid the focus and makes row 1, column 1 current.
    void FormActivate();
    // Fits the width to the columns (+ 36) and divides the status bars.
    void FormCanResize();
    // The grid's font as the font command sets it.
    void SetGridFont(const QFont& font);
    // Loads the station file again, or asks, when another program saved it.
    void CheckOutsideChange();

  public slots:
    // Plik
    void Nowy1Click();
    void Otwrz1Click();
    void Zapisz1Click();
    void Zapiszjako1Click();
    void Zapiszlistzweryf1Click();
    void ZapiszQSLClick();
    void ZapiszLoTWClick();
    void Zarzdzaniebazpodmiotw1Click();
    void Koniec1Click();
    // Widok
    void Wszystkiepodmioty1Click();
    void Wszystkiepodmiotybezzweryfikowanych1Click();
    void Podmiotydoweryfikacji1Click();
    void Podmiotyzweryfikowane1Click();
    void Podmiotypotwierdzone1Click();
    void Podmiotyniepotwierdzone1Click();
    void bez_deleted_1Click();
    // Drukowanie
    void Kompletnalista1Click();
    void Listapodmiotwzweryfikowanych1Click();
    void Kompletnalista2Click();
    void Listapodmiotwzweryfikowanych2Click();
    void Listapodmiotwdoweryfikacji2Click();
    void Konfiguracjadrukarki1Click();
    // Import danych, Weryfikacja, Edycja, Szukanie
    void ImportujzDX4WIN1Click();
    void Zapiszlistdoweryfikacji1Click();
    void Listapodmiotwdoweryfikacji1Click();
    void Weryfikacjadanych1Click();
    void zorva1DblClick();
    void Szukanie1Click();
    // Ustawienia
    void Kolortadlapodmiotwpotwierdzonych1Click();
    void Kolortadlapodmiotwusunitych1Click();
    void Kolortadlapodmiotwzweryfikowanych1Click();
    void Kolortadlapodmiotwpozostaych1Click();
    void Czcionka1Click();
    // Pomoc
    void Plikpomocy1Click();
    void Oprogramie1Click();
    // The grid's pop-up menu
    void Wysoko1Click();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildCoolBar(QWidget* parent);
    void BuildGrid(QWidget* parent);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, void (TForm1::*handler)());
    void ApplyGridLook();
    void ShowCurrentRow();
    void CurrentCellChanged(int row, int column);
    void ColumnResized(int column, int width);
    void ChooseColour(int Appearance::*colour);

    bool zorva1KeyDown(QKeyEvent* key);
    bool zorva1KeyPress(QKeyEvent* key);
    void zorva1MouseDown(int row, int column);
    void zorva1MouseUp();

    Station station_;
    std::map<QString, QAction*> items_;
    QActionGroup* viewGroup_ = nullptr;
    std::map<ViewMode, QAction*> viewItems_;
    QLabel* Label4_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label3_ = nullptr;
    QTableView* zorva1_ = nullptr;
    EntityGridModel* model_ = nullptr;
    QMenu* gridPopup_ = nullptr;
    PanelBar* StatusBar2_ = nullptr;
    PanelBar* StatusBar1_ = nullptr;
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
