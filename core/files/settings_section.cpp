#include "files/settings_section.h"

#include <algorithm>

#include "files/ini_edit.h"
#include "files/ini_text.h"
#include "io/bounded_read.h"
#include "io/file_lock.h"
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
    ReadResult raw = ReadSettingsBytes(path);
    if (!raw.ok()) {
        loaded.status = raw.status;
        return;
    }
    LoadText(loaded.ini, DecodeCp1250(raw.bytes));
}

// A value holding a line end or NUL would spill into lines of its own.
IoStatus EncodeValues(const SectionValues& values, IniValues& encoded) {
    for (const auto& [key, value] : values) {
        const std::optional<std::string> bytes = EncodeCp1250(value);
        if (!bytes) return IoStatus::Unencodable(FirstUnencodable(value), key + "=" + value);
        if (const size_t bad = value.find_first_of(std::string_view("\r\n\0", 3));
            bad != std::string::npos)
            return IoStatus::Unencodable(value[bad] == '\0' ? "\\0" : "\\n", key);
        encoded.emplace_back(key, *bytes);
    }
    return IoStatus::Ok();
}

}  // namespace

ReadResult ReadSettingsBytes(const std::string& path) {
    if (!FileExists(path)) return {};
    return ReadWholeFileOfAtMost(path, kMaxSettingsBytes);
}

IoStatus RewriteSettingsFile(const std::string& path,
                             const std::function<IoStatus(std::string& bytes)>& change) {
    FileLock lock = FileLock::Acquire(path, kStationLockPatience);
    if (!lock.Held()) return lock.Problem();
    ReadResult read = ReadSettingsBytes(path);
    // Writing over a file that could not be read would lose what it holds.
    if (!read.ok()) return read.status;
    if (IoStatus changed = change(read.bytes); !changed.ok()) return changed;
    return WriteFileAtomic(path, read.bytes);
}

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
    IniValues encoded;
    if (IoStatus status = EncodeValues(values, encoded); !status.ok()) return status;
    return RewriteSettingsFile(path, [&](std::string& bytes) {
        bytes = SetIniValues(bytes, section, encoded);
        return IoStatus::Ok();
    });
}

}  // namespace zorva
