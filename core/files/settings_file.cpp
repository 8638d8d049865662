#include "files/settings_file.h"

#include <SimpleIni.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "files/settings_section.h"
#include "io/text_file.h"
#include "text/columns.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

constexpr const char* kConfiguration = "Konfiguracja";
constexpr const char* kTable = "Tabela";
constexpr const char* kWindow = "Widok";
constexpr const char* kDisplay = "Wyswietlanie";

// Multi-key so that the first of duplicate keys can be told from the others.
class IniReader {
  public:
    explicit IniReader(std::string_view text) : ini_(true, true, false) {
        // SimpleIni stops at a NUL byte; stray ones must not hide the rest of the file.
        std::string clean(text);
        for (char& c : clean)
            if (c == '\0') c = ' ';
        ini_.LoadData(clean.data(), clean.size());
    }

    std::optional<std::string> Text(const char* section, const char* key) const {
        const char* value = ini_.GetValue(section, key, nullptr);
        if (!value) return std::nullopt;
        return std::string(value);
    }

    void ReadText(const char* section, const char* key, std::string& target) const {
        if (auto value = Text(section, key)) target = *value;
    }

    void ReadInt(const char* section, const char* key, int& target, int lowest, int highest) const {
        if (auto value = Text(section, key))
            if (auto number = ParseInteger(*value)) target = std::clamp(*number, lowest, highest);
    }

    void ReadColour(const char* section, const char* key, int& target) const {
        if (auto value = Text(section, key))
            if (auto number = ParseInteger(*value); number && *number >= 0 && *number <= kMaxColour)
                target = *number;
    }

    void ReadFlag(const char* section, const char* key, bool& target) const {
        if (auto value = Text(section, key))
            if (auto number = ParseInteger(*value)) target = *number != 0;
    }

  private:
    CSimpleIniA ini_;
};

class IniWriter {
  public:
    IniWriter() : ini_(true, false, false) { ini_.SetSpaces(false); }

    void Text(const char* section, const char* key, const std::string& value) {
        ini_.SetValue(section, key, value.c_str());
    }
    void Int(const char* section, const char* key, int value) {
        Text(section, key, std::to_string(value));
    }
    void Flag(const char* section, const char* key, bool value) {
        Int(section, key, value ? 1 : 0);
    }

    std::string Result() const {
        std::string out;
        ini_.Save(out);
        return out;
    }

  private:
    CSimpleIniA ini_;
};

// A line break or NUL would end the INI line early and spill the rest as junk.
void ClearIfUnwritable(std::string& text) {
    if (!FitsCp1250(text) || text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        text.clear();
}

Settings WithWritableTexts(Settings settings) {
    ClearIfUnwritable(settings.call);
    ClearIfUnwritable(settings.file);
    ClearIfUnwritable(settings.fontName);
    return settings;
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
    std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

Settings ParseSettings(std::string_view text) {
    Settings s;
    IniReader ini(text);
    ini.ReadText(kConfiguration, "Znak", s.call);
    ini.ReadText(kConfiguration, "Plik", s.file);
    ini.ReadText(kTable, "Czcionka", s.fontName);
    ini.ReadInt(kTable, "Wielkosc czcionki", s.fontSize, kMinFontSize, kMaxFontSize);
    s.fontBold = ini.Text(kTable, "Grubosc czcionki").value_or("") == "1";
    ini.ReadColour(kTable, "Kolor potwierdzonych", s.confirmedColour);
    ini.ReadColour(kTable, "Kolor zweryfikowanych", s.verifiedColour);
    ini.ReadColour(kTable, "Kolor usunietych", s.deletedColour);
    ini.ReadColour(kTable, "Kolor pozostalych", s.otherColour);
    for (size_t i = 0; i < kColumnWidthKeys.size(); ++i)
        ini.ReadInt(kTable, kColumnWidthKeys[i], s.columnWidths[i], 0, kMaxColumnWidth);
    ini.ReadInt(kTable, "Wysokosc wierszy", s.rowHeight, kMinRowHeight, kMaxRowHeight);
    ini.ReadInt(kWindow, "Wysokosc okna", s.windowHeight, kMinWindowHeight, kMaxWindowSize);
    ini.ReadInt(kWindow, "Szerokosc okna", s.windowWidth, kMinWindowWidth, kMaxWindowSize);
    ini.ReadFlag(kDisplay, "Usuniete", s.hideDeleted);
    ini.ReadFlag(kDisplay, "Wszystkie", s.viewAll);
    ini.ReadFlag(kDisplay, "Wszystkie bez zweryfikowanych", s.viewAllButVerified);
    ini.ReadFlag(kDisplay, "Do weryfikacji", s.viewToVerify);
    ini.ReadFlag(kDisplay, "Potwierdzone", s.viewConfirmed);
    ini.ReadFlag(kDisplay, "Zweryfikowane", s.viewVerified);
    return s;
}

std::string FormatSettings(const Settings& s) {
    IniWriter ini;
    ini.Text(kConfiguration, "Znak", s.call);
    ini.Text(kConfiguration, "Plik", s.file);
    ini.Int(kWindow, "Wysokosc okna", s.windowHeight);
    ini.Int(kWindow, "Szerokosc okna", s.windowWidth);
    for (size_t i = 0; i < kColumnWidthKeys.size(); ++i)
        ini.Int(kTable, kColumnWidthKeys[i], s.columnWidths[i]);
    ini.Int(kTable, "Wysokosc wierszy", s.rowHeight);
    ini.Text(kTable, "Czcionka", s.fontName);
    ini.Int(kTable, "Wielkosc czcionki", s.fontSize);
    ini.Text(kTable, "Grubosc czcionki", s.fontBold ? "1" : "0");
    ini.Int(kTable, "Kolor potwierdzonych", s.confirmedColour);
    ini.Int(kTable, "Kolor zweryfikowanych", s.verifiedColour);
    ini.Int(kTable, "Kolor usunietych", s.deletedColour);
    ini.Int(kTable, "Kolor pozostalych", s.otherColour);
    ini.Flag(kDisplay, "Usuniete", s.hideDeleted);
    ini.Flag(kDisplay, "Wszystkie", s.viewAll);
    ini.Flag(kDisplay, "Wszystkie bez zweryfikowanych", s.viewAllButVerified);
    ini.Flag(kDisplay, "Do weryfikacji", s.viewToVerify);
    ini.Flag(kDisplay, "Potwierdzone", s.viewConfirmed);
    ini.Flag(kDisplay, "Zweryfikowane", s.viewVerified);
    return ini.Result();
}

SettingsRead ReadSettingsFile(const std::string& path) {
    SettingsRead result;
    ReadResult raw = ReadWholeFile(path);
    if (!raw.ok()) {
        result.status = raw.status;
        return result;
    }
    result.settings = ParseSettings(DecodeCp1250(raw.bytes));
    return result;
}

IoStatus WriteSettingsFile(const std::string& path, const Settings& settings) {
    std::string text = FormatSettings(WithWritableTexts(settings));
    // Sections that other features keep in the file (the LoTW downloads) stay.
    if (FileExists(path)) {
        ReadResult old = ReadWholeFile(path);
        if (!old.ok()) return old.status;
        text +=
            SectionsOtherThan(DecodeCp1250(old.bytes), {kConfiguration, kTable, kWindow, kDisplay});
    }
    return WriteTextLines(path, IniLines(text));
}

}  // namespace zorva
