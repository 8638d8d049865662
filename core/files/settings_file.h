#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "io/file_system.h"

namespace zorva {

inline constexpr const char* kSettingsFileName = "zorva_rade.ini";

// The values of the settings file, each with its default for a missing key.
// Colours are blue * 65536 + green * 256 + red.
struct Settings {
    // [Konfiguracja]
    std::string call;  // Znak
    std::string file;  // Plik
    // [Tabela]
    std::string fontName = "Arial";  // Czcionka
    int fontSize = 10;               // Wielkosc czcionki
    bool fontBold = false;           // Grubosc czcionki: "1" bold, anything else regular
    int confirmedColour = 11195903;  // Kolor potwierdzonych
    int verifiedColour = 12910532;   // Kolor zweryfikowanych
    int deletedColour = 12632256;    // Kolor usunietych
    int otherColour = 16777215;      // Kolor pozostalych
    std::array<int, 8> columnWidths = {35, 12, 48, 167, 85, 141, 74, 74};
    int rowHeight = 21;  // Wysokosc wierszy
    // [Widok]
    int windowHeight = 416;  // Wysokosc okna
    int windowWidth = 666;   // Szerokosc okna
    // [Wyswietlanie]: HideDeleted, then the five view check marks in reading order.
    bool hideDeleted = false;         // Usuniete
    bool viewAll = true;              // Wszystkie
    bool viewAllButVerified = false;  // Wszystkie bez zweryfikowanych
    bool viewToVerify = false;        // Do weryfikacji
    bool viewConfirmed = false;       // Potwierdzone
    bool viewVerified = false;        // Zweryfikowane

    bool operator==(const Settings&) const = default;
};

// The ranges a number read from the file is brought into, so that no width,
// size or sum of them can overflow. A colour outside 0..kMaxColour gives the default.
inline constexpr int kMaxColumnWidth = 2000;
inline constexpr int kMinRowHeight = 1;
inline constexpr int kMaxRowHeight = 99;
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 144;
inline constexpr int kMinWindowWidth = 425;
inline constexpr int kMinWindowHeight = 260;
inline constexpr int kMaxWindowSize = 16384;
inline constexpr int kMaxColour = 0xFFFFFF;

// The keys of the eight column widths, column 0 first.
inline constexpr std::array<const char*, 8> kColumnWidthKeys = {
    "Szerokosc ADIF",  "Szerokosc Deleted",  "Szerokosc prefiksu", "Szerokosc nazwy",
    "Szerokosc znaku", "Szerokosc daty QSO", "Szerokosc QSL",      "Szerokosc daty weryfikacji"};

// Reads settings from INI text (UTF-8). A missing key, or text where a number
// belongs, gives the default; a number out of its range is brought into it; of
// duplicate keys the first counts, as INI profile readers take it.
Settings ParseSettings(std::string_view text);

// The INI text ("key=value" lines, LF ends) in the writing order.
std::string FormatSettings(const Settings& settings);

struct SettingsRead {
    Settings settings;
    IoStatus status;  // the file exists but could not be read
    bool ok() const { return status.ok(); }
};
// Reads a Windows-1250 settings file; the file must exist.
SettingsRead ReadSettingsFile(const std::string& path);

// Writes the file as Windows-1250 with CR LF, through a temporary file. A text
// value that Windows-1250 cannot hold, or that holds a line break, is written
// empty, so the other keys survive.
IoStatus WriteSettingsFile(const std::string& path, const Settings& settings);

// A decimal integer with an optional sign, blanks around it allowed.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace zorva
