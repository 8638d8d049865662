#include "files/settings_keys.h"

namespace zorva {

std::vector<SettingsKey> SettingsKeys(Settings& s) {
    using K = SettingsKeyKind;
    constexpr const char* kConfiguration = "Konfiguracja";
    constexpr const char* kTable = "Tabela";
    constexpr const char* kWindow = "Widok";
    constexpr const char* kDisplay = "Wyswietlanie";
    std::vector<SettingsKey> keys = {
        {kConfiguration, "Znak", K::Text, &s.call},
        {kConfiguration, "Plik", K::Text, &s.file},
        {kWindow, "Wysokosc okna", K::Number, &s.windowHeight, kMinWindowHeight, kMaxWindowSize},
        {kWindow, "Szerokosc okna", K::Number, &s.windowWidth, kMinWindowWidth, kMaxWindowSize},
    };
    for (size_t i = 0; i < kColumnWidthKeys.size(); ++i)
        keys.push_back(
            {kTable, kColumnWidthKeys[i], K::Number, &s.columnWidths[i], 0, kMaxColumnWidth});
    const std::vector<SettingsKey> rest = {
        {kTable, "Wysokosc wierszy", K::Number, &s.rowHeight, kMinRowHeight, kMaxRowHeight},
        {kTable, "Czcionka", K::Text, &s.fontName},
        {kTable, "Wielkosc czcionki", K::Number, &s.fontSize, kMinFontSize, kMaxFontSize},
        {kTable, "Grubosc czcionki", K::Bold, &s.fontBold},
        {kTable, "Kolor potwierdzonych", K::Colour, &s.confirmedColour},
        {kTable, "Kolor zweryfikowanych", K::Colour, &s.verifiedColour},
        {kTable, "Kolor usunietych", K::Colour, &s.deletedColour},
        {kTable, "Kolor pozostalych", K::Colour, &s.otherColour},
        {kDisplay, "Usuniete", K::Flag, &s.hideDeleted},
        {kDisplay, "Wszystkie", K::Flag, &s.viewAll},
        {kDisplay, "Wszystkie bez zweryfikowanych", K::Flag, &s.viewAllButVerified},
        {kDisplay, "Do weryfikacji", K::Flag, &s.viewToVerify},
        {kDisplay, "Potwierdzone", K::Flag, &s.viewConfirmed},
        {kDisplay, "Zweryfikowane", K::Flag, &s.viewVerified},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

}  // namespace zorva
