#pragma once

#include <optional>
#include <string>

#include "station/station.h"

namespace zorva {

inline constexpr const char* kSearchOnlyShownWarning =
    "Szukanie odbywa się tylko w wyświetlanych podmiotach.\n"
    "Nie jest ustawione wyświetlanie wszystkich podmiotów !";
inline constexpr const char* kSearchFinished = "Szukanie zakończone!";
inline constexpr const char* kEntityNotFound = "Nie znaleziono podmiotu!";

// The search dialog's place relative to the main window's top-left corner.
inline constexpr int kSearchDialogTopOffset = 15;
inline constexpr int kSearchDialogLeftOffset = 276;

// Whether the name holds the text, with the letters A to Z folded to small
// letters on both sides; every other character must match exactly.
bool NameContains(const std::string& name, const std::string& text);

// The search dialog's logic: each "Znajdź" moves the grid's selection to the next
// row, in grid order, whose entity name holds the text. The dialog is modeless,
// so every action reads the grid as it stands when it runs.
class EntitySearch {
  public:
    enum class Outcome { Nothing, Found, Finished, NotFound };

    explicit EntitySearch(Station& station) : station_(station) {}

    // "Szukanie": warns when not every entity is shown, then starts afresh.
    void Open();
    // "Znajdź". Finished and NotFound have shown their message; after Finished the
    // dialog gives the focus back to the text field.
    Outcome Find();
    // The text field changed.
    void SetText(const std::string& text);
    // Enter in the text field: empties the grid's typed prefix, then "Znajdź".
    Outcome PressEnter();
    // Esc in the text field: true when the dialog is to be hidden (the field was empty).
    bool PressEscape();
    // "Wyczyść".
    void Clear();

    const std::string& Text() const { return text_; }
    bool NewSearch() const { return newSearch_; }
    bool SearchFound() const { return searchFound_; }
    std::optional<int> LastFoundRow() const { return lastFoundRow_; }

  private:
    Station& station_;
    std::string text_;
    bool newSearch_ = true;
    bool searchFound_ = false;
    std::optional<int> lastFoundRow_;
};

}  // namespace zorva
