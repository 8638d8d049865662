#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "document/station_document.h"
#include "files/settings_file.h"
#include "ports/clock.h"
#include "ports/prompter.h"
#include "session/edit_session.h"
#include "station/outside_change.h"
#include "undo/change_history.h"
#include "view/view_state.h"
#include "view/window_panels.h"

namespace zorva {

inline constexpr const char* kPrefixPrompt = "Wprowadź prefiks szukanego podmiotu";
inline constexpr const char* kNextPrefixPrompt = "ESC - szukanie następnego podmiotu";
inline constexpr const char* kBaseCaption = "Zestawienie Podmiotów DXCC";

// Colours are held as the settings file stores them: blue * 65536 + green * 256 + red.
struct Appearance {
    int confirmedColour = 11195903;
    int verifiedColour = 12910532;
    int deletedColour = 12632256;
    int otherColour = 16777215;
    std::string fontName = "Arial";
    int fontSize = 10;
    bool fontBold = true;  // the grid's design font; a settings file without the key gives regular
    std::array<int, 8> columnWidths = {35, 12, 48, 167, 85, 141, 74, 74};
    int rowHeight = 21;
    int windowHeight = 416;
    int windowWidth = 666;
};

// The desktop's session: the open station document, the main window's view of
// it and the commands of its menus. Every dialogue runs through the prompter;
// the front ends show what the view state holds.
class Station : public EditSession {
  public:
    Station(Prompter& prompter, const Clock& clock, std::string programDir);

    StationDocument& Document() override { return document_; }
    const StationDocument& Document() const { return document_; }
    ViewState& View() override { return view_; }
    const ViewState& View() const { return view_; }
    Prompter& Questions() override { return prompter; }
    const Clock& Calendar() const override { return clock; }
    ChangeHistory& History() override { return history; }

    Appearance appearance;
    bool conversionFailed = false;
    ChangeHistory history;  // the window's undo and redo

    Prompter& prompter;
    const Clock& clock;
    // Runs the conversion of a previous-version file named currentFileName;
    // sets conversionFailed when no new file was written. Empty: not available.
    std::function<void(Station&)> convertOldFile;
    // A convertOldFile that runs convert(document, prompter, clock), true when written.
    template <class Convert>
    static std::function<void(Station&)> ConversionHook(Convert convert) {
        return [convert](Station& s) {
            s.conversionFailed = !convert(s.Document(), s.prompter, s.clock);
        };
    }

    // --- start-up and shutdown ---
    // False when the program must end (no reference file).
    bool StartUp();
    // StartUp in two halves, so that a window can show itself in its stored size
    // before the first question: the settings, read without a word, then the rest.
    void ReadStartSettings();
    bool FinishStartUp();
    // True when the window may close.
    bool MayClose(int windowWidth, int windowHeight);

    // --- station file ---
    // What the load did; its boxes were shown. A bad reference line only warns.
    Outcome LoadStationFile();
    bool Save();    // "Zapisz"; true when the file was written
    bool SaveAs();  // "Zapisz jako.."
    bool SaveAsProposing(const std::string& proposedName);
    bool SaveFromGrid();     // Ctrl+S in the grid
    Outcome Open();          // "Otwórz"
    Outcome New() override;  // "Nowy"
    void MarkModified() override;
    void MarkEdited() override;  // Modified with the mark of the dialogs: "   Modyfikacja"
    void ClearModified();
    void EnableFileCommands(bool on);
    void SetCurrentFileName(const std::string& path);
    void UpdateCaption();
    void ShowStatusCounters(unsigned panels = kAllPanels) override;
    // The station file written whole to path: header, data lines, then the
    // saved state; confirm shows "Dane zostały zapisane.". False (with the
    // reason shown) when nothing was written.
    bool WriteStationFile(const std::string& path, bool confirm = true);
    void FinishStationSave(bool confirm = true);
    // Runs after a load; refused when the reference file is missing or unreadable.
    Outcome ReconcileWithReference();
    // The settings file's values applied at start-up, and gathered at close.
    void ApplySettings(const Settings& settings);
    Settings CurrentSettings(int windowWidth, int windowHeight) const;

    // --- views and grid ---
    void ApplyView(ViewMode mode) override;
    void ReapplyView() override;
    void ToggleHideDeleted();
    void SortGrid();
    void SelectRow(int row);  // a data row of the grid, counted from 0

    // --- grid input ---
    // A mouse press in the grid; a press on a column title sorts by that column.
    void PressGrid(GridCell cell);
    // A character key typed into the grid (Enter goes to PressGridEnter);
    // true when the key is consumed and the grid must not see it.
    bool TypeGridChar(char32_t ch);
    void PressGridEscape();
    // Enter: empties the typed prefix; true when the edit command may run.
    bool PressGridEnter();
    // The edit command needs a current data row and no last press on the title row.
    bool CanEdit() const;
    // A grid with rows and no current row makes the remembered entity current, else the first.
    void KeepACurrentRow();
    // Typed characters search prefixes only while the grid is sorted by prefix ascending.
    bool PrefixSearchPossible() const;

  private:
    StationDocument document_;
    ViewState view_;
    std::string settingsFailure_;  // shown by FinishStartUp
};

// The display form of a long path: middle folders give way to ".../" until the
// text fits the limit (in characters) or no more than two "/" remain.
std::string ShortenPath(const std::string& path, size_t limit);

}  // namespace zorva
