#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// A section of the settings file that one feature keeps for itself: read and
// updated on its own, while the rest of the file stays as it is.
using SectionValues = std::map<std::string, std::string>;

// Far beyond any settings file the programs write; a larger one is refused unread.
inline constexpr std::size_t kMaxSettingsBytes = 1 << 20;

// The settings file's bytes; a missing file gives none.
ReadResult ReadSettingsBytes(const std::string& path);

// Changes the settings file's bytes as they are on the disk, holding its lock
// from the reading to the writing, so that two programs changing it one after
// the other both keep their change. Nothing is written when change fails.
IoStatus RewriteSettingsFile(const std::string& path,
                             const std::function<IoStatus(std::string& bytes)>& change);

struct SectionRead {
    SectionValues values;
    IoStatus status;  // the file exists but could not be read
    bool ok() const { return status.ok(); }
};

// The keys and values of the section; a missing file or section gives none.
SectionRead ReadSettingsSection(const std::string& path, const std::string& section);

// Sets these keys of the section, keeping every other line of the file as it
// is; the file is created when missing and written atomically as Windows-1250
// with CR LF.
IoStatus UpdateSettingsSection(const std::string& path, const std::string& section,
                               const SectionValues& values);

// INI text ("\n" line ends) as the lines of the file.
std::vector<std::string> IniLines(std::string_view text);

}  // namespace zorva
