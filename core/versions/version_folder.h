#pragma once

#include <string>
#include <vector>

#include "versions/version_name.h"

namespace zorva {

// Where a station file's versions live: "kopie/<station file name>/" beside it.
std::string VersionsFolder(const std::string& stationPath);

struct FolderVersions {
    std::vector<VersionName> newestFirst;
    std::string error;
    bool ok() const { return error.empty(); }
};

// The versions in a folder; files not named as versions are no versions. A
// missing folder holds none.
FolderVersions VersionsIn(const std::string& folder);

}  // namespace zorva
