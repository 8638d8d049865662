#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// A section of the settings file that one feature keeps for itself: read and
// updated on its own, while the rest of the file stays as it is.
using SectionValues = std::map<std::string, std::string>;

struct SectionRead {
    SectionValues values;
    IoStatus status;  // the file exists but could not be read
    bool ok() const { return status.ok(); }
};

// The keys and values of the section; a missing file or section gives none.
SectionRead ReadSettingsSection(const std::string& path, const std::string& section);

// Sets these keys of the section, keeping every other key and section; the file
// is created when missing and written atomically as Windows-1250 with CR LF.
IoStatus UpdateSettingsSection(const std::string& path, const std::string& section,
                               const SectionValues& values);

// The INI text of the sections of iniText not named in skip.
std::string SectionsOtherThan(std::string_view iniText, const std::vector<std::string>& skip);

// INI text ("\n" line ends) as the lines of the file.
std::vector<std::string> IniLines(std::string_view text);

}  // namespace zorva
