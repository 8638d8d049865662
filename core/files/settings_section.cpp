#include "files/settings_section.h"

#include <algorithm>
#include <cctype>

#include "files/ini_text.h"
#include "io/text_file.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

struct LoadedIni {
    CSimpleIniA ini{true, false, false};
    IoStatus status;
};

void LoadText(CSimpleIniA& ini, std::string_view text) {
    // SimpleIni stops at a NUL byte; stray ones must not hide the rest of the file.
    std::string clean(text);
    std::replace(clean.begin(), clean.end(), '\0', ' ');
    ini.LoadData(clean.data(), clean.size());
}

void LoadFile(LoadedIni& loaded, const std::string& path) {
    if (!FileExists(path)) return;
    ReadResult raw = ReadWholeFile(path);
    if (!raw.ok()) {
        loaded.status = raw.status;
        return;
    }
    LoadText(loaded.ini, DecodeCp1250(raw.bytes));
}

// Section names are compared as SimpleIni compares them: letter case aside.
bool Named(const std::vector<std::string>& names, std::string_view name) {
    auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return lower(n) == lower(name); });
}

}  // namespace

std::vector<std::string> IniLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

SectionRead ReadSettingsSection(const std::string& path, const std::string& section) {
    LoadedIni loaded;
    LoadFile(loaded, path);
    SectionRead result;
    result.status = loaded.status;
    CSimpleIniA::TNamesDepend keys;
    loaded.ini.GetAllKeys(section.c_str(), keys);
    for (const auto& key : keys)
        result.values[key.pItem] = loaded.ini.GetValue(section.c_str(), key.pItem, "");
    return result;
}

IoStatus UpdateSettingsSection(const std::string& path, const std::string& section,
                               const SectionValues& values) {
    LoadedIni loaded;
    LoadFile(loaded, path);
    // Writing over a file that could not be read would lose what it holds.
    if (!loaded.status.ok()) return loaded.status;
    loaded.ini.SetSpaces(false);
    for (const auto& [key, value] : values)
        loaded.ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    return WriteTextLines(path, IniLines(IniText(loaded.ini)));
}

std::string SectionsOtherThan(std::string_view iniText, const std::vector<std::string>& skip) {
    CSimpleIniA in(true, false, false);
    LoadText(in, iniText);
    CSimpleIniA out(true, false, false);
    out.SetSpaces(false);
    CSimpleIniA::TNamesDepend sections;
    in.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& section : sections) {
        if (Named(skip, section.pItem)) continue;
        CSimpleIniA::TNamesDepend keys;
        in.GetAllKeys(section.pItem, keys);
        keys.sort(CSimpleIniA::Entry::LoadOrder());
        for (const auto& key : keys)
            out.SetValue(section.pItem, key.pItem, in.GetValue(section.pItem, key.pItem, ""));
    }
    return IniText(out);
}

}  // namespace zorva
