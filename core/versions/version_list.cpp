#include "versions/version_list.h"

#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "model/counters.h"
#include "versions/version_folder.h"

namespace zorva {
namespace {

// Counted as a load counts: the rows up to a bad line, before any reconciliation.
std::array<std::string, 4> CounterTexts(const std::string& bytes) {
    Counters counters;
    for (const EntityRow& row : ParseStationFile(bytes).rows) counters.CountRow(row);
    return {counters.TotalText(), counters.VerifiedText(), counters.ToVerifyText(),
            counters.QslLotwText()};
}

VersionEntry Entry(const std::string& folder, const VersionName& version) {
    VersionEntry entry{FormatVersionName(version), version.time, {}, {}};
    ReadResult bytes = ReadWholeFile(folder + entry.name);
    if (bytes.ok())
        entry.counterTexts = CounterTexts(bytes.bytes);
    else
        entry.error = FileErrorMessage(bytes.status);
    return entry;
}

}  // namespace

VersionList ListVersions(const std::string& stationPath) {
    VersionList list;
    const std::string folder = VersionsFolder(stationPath);
    FolderVersions kept = VersionsIn(folder);
    if (!kept.ok()) {
        list.error = kept.error;
        return list;
    }
    for (const VersionName& version : kept.newestFirst)
        list.newestFirst.push_back(Entry(folder, version));
    return list;
}

}  // namespace zorva
