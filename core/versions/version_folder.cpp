#include "versions/version_folder.h"

#include <algorithm>

#include "files/file_messages.h"
#include "io/directory.h"
#include "io/file_system.h"

namespace zorva {

std::string VersionsFolder(const std::string& stationPath) {
    const std::string folder =
        JoinPath(JoinPath(DirectoryOf(stationPath), "kopie"), FileNameOf(stationPath));
    return JoinPath(folder, "");  // ends with the separator the station's path uses
}

FolderVersions VersionsIn(const std::string& folder) {
    FolderVersions result;
    FileNames files = ListFileNames(folder);
    if (!files.ok()) {
        result.error = FileErrorMessage(files.status);
        return result;
    }
    for (const std::string& file : files.names) {
        if (auto name = ParseVersionName(file)) result.newestFirst.push_back(*name);
    }
    std::sort(result.newestFirst.begin(), result.newestFirst.end(), IsNewer);
    return result;
}

}  // namespace zorva
