#pragma once

#include <array>
#include <string>
#include <vector>

#include "versions/version_name.h"

namespace zorva {

struct VersionEntry {
    std::string name;
    LocalDateTime time;   // when it was replaced, as its name says
    LocalDateTime saved;  // when its content was saved (its time of keeping where not known)
    // The four status-bar counter texts the station would show, loaded from this version.
    std::array<std::string, 4> counterTexts;
    std::string error;  // the version cannot be read or restored; it has no counters
};

struct VersionList {
    std::vector<VersionEntry> newestFirst;
    std::string error;
    bool ok() const { return error.empty(); }
};

VersionList ListVersions(const std::string& stationPath);

}  // namespace zorva
