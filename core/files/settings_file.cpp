#include "files/settings_file.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "files/ini_edit.h"
#include "files/ini_text.h"
#include "files/settings_keys.h"
#include "files/settings_section.h"
#include "io/bounded_read.h"
#include "io/text_file.h"
#include "text/columns.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

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

    void Read(const SettingsKey& k) const {
        const std::optional<std::string> text = Text(k.section, k.key);
        if (!text) return;
        if (k.kind == SettingsKeyKind::Text) {
            *std::get<std::string*>(k.value) = *text;
            return;
        }
        if (k.kind == SettingsKeyKind::Bold) {
            *std::get<bool*>(k.value) = *text == "1";
            return;
        }
        const std::optional<int> number = ParseInteger(*text);
        if (!number) return;
        switch (k.kind) {
            case SettingsKeyKind::Number:
                *std::get<int*>(k.value) = std::clamp(*number, k.lowest, k.highest);
                break;
            case SettingsKeyKind::Colour:
                if (*number >= 0 && *number <= kMaxColour) *std::get<int*>(k.value) = *number;
                break;
            default:
                *std::get<bool*>(k.value) = *number != 0;
        }
    }

  private:
    CSimpleIniA ini_;
};

std::string ValueText(const SettingsKey& k) {
    if (k.kind == SettingsKeyKind::Text) return *std::get<std::string*>(k.value);
    if (auto* flag = std::get_if<bool*>(&k.value)) return **flag ? "1" : "0";
    return std::to_string(*std::get<int*>(k.value));
}

class IniWriter {
  public:
    IniWriter() : ini_(true, false, false) { ini_.SetSpaces(false); }

    void Write(const SettingsKey& k) { ini_.SetValue(k.section, k.key, ValueText(k).c_str()); }

    std::string Result() const { return IniText(ini_); }

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
    for (const SettingsKey& key : SettingsKeys(s)) ini.Read(key);
    return s;
}

std::string FormatSettings(const Settings& settings) {
    Settings s = settings;
    IniWriter ini;
    for (const SettingsKey& key : SettingsKeys(s)) ini.Write(key);
    return ini.Result();
}

SettingsRead ReadSettingsFile(const std::string& path) {
    SettingsRead result;
    ReadResult raw = ReadWholeFileOfAtMost(path, kMaxSettingsBytes);
    if (!raw.ok()) {
        result.status = raw.status;
        return result;
    }
    result.settings = ParseSettings(DecodeCp1250(raw.bytes));
    return result;
}

IoStatus WriteSettingsFile(const std::string& path, const Settings& settings) {
    Settings s = WithWritableTexts(settings);
    return RewriteSettingsFile(path, [&](std::string& bytes) {
        // A new file gets the sections in the writing order, blank lines between them.
        if (bytes.empty()) bytes = EncodeLines(IniLines(FormatSettings(s))).bytes;
        // Sections and lines that other features keep in the file stay as they are.
        std::map<std::string, IniValues> bySection;
        for (const SettingsKey& key : SettingsKeys(s))
            bySection[key.section].emplace_back(key.key, *EncodeCp1250(ValueText(key)));
        for (const auto& [section, values] : bySection)
            bytes = SetIniValues(bytes, section, values);
        return IoStatus::Ok();
    });
}

}  // namespace zorva
