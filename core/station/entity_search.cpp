#include "station/entity_search.h"

#include <algorithm>

namespace zorva {
namespace {

char FoldAsciiCapital(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr int kNameColumn = 3;

}  // namespace

bool NameContains(const std::string& name, const std::string& text) {
    // Bytes of multi-byte UTF-8 characters never fall in A..Z, so folding byte by byte is safe.
    const auto same = [](char a, char b) { return FoldAsciiCapital(a) == FoldAsciiCapital(b); };
    return std::search(name.begin(), name.end(), text.begin(), text.end(), same) != name.end();
}

void EntitySearch::Open() {
    if (station_.View().viewMode != ViewMode::AllEntities)
        station_.prompter.Show(
            {kSearchOnlyShownWarning, "Ostrzeżenie", Icon::Warning, Buttons::Ok, {}});
    newSearch_ = true;
    searchFound_ = false;
    lastFoundRow_.reset();
}

EntitySearch::Outcome EntitySearch::Find() {
    // An empty view has nothing to search, not even a row to say "not found" of.
    if (text_.empty() || station_.View().grid.DataRowCount() == 0) return Outcome::Nothing;
    searchFound_ = false;
    const int start = newSearch_ || !lastFoundRow_ ? 0 : *lastFoundRow_ + 1;
    newSearch_ = false;
    for (int r = start; r < station_.View().grid.DataRowCount(); ++r) {
        if (NameContains(station_.View().grid.DataRow(r).Field(kNameColumn), text_)) {
            station_.SelectRow(r);
            searchFound_ = true;
            lastFoundRow_ = r;
            return Outcome::Found;
        }
    }
    newSearch_ = true;
    if (lastFoundRow_) {
        ShowInformation(station_.prompter, kSearchFinished);
        searchFound_ = false;
        lastFoundRow_.reset();
        return Outcome::Finished;
    }
    ShowInformation(station_.prompter, kEntityNotFound);
    return Outcome::NotFound;
}

void EntitySearch::SetText(const std::string& text) {
    text_ = text;
    newSearch_ = true;
}

EntitySearch::Outcome EntitySearch::PressEnter() {
    station_.View().typedPrefix.clear();
    return Find();
}

bool EntitySearch::PressEscape() {
    station_.View().typedPrefix.clear();
    if (text_.empty()) return true;
    Clear();
    return false;
}

void EntitySearch::Clear() {
    text_.clear();
    newSearch_ = true;
}

}  // namespace zorva
