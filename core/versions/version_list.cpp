#include "versions/version_list.h"

#include "files/file_messages.h"
#include "files/station_file.h"
#include "files/station_file_check.h"
#include "io/file_system.h"
#include "model/counters.h"
#include "versions/saved_time.h"
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
    VersionEntry entry{FormatVersionName(version), version.time, version.time, {}, {}};
    const std::string path = folder + entry.name;
    ReadResult bytes = ReadWholeFile(path);
    if (!bytes.ok()) {
        entry.error = FileErrorMessage(bytes.status);
        return entry;
    }
    entry.saved = SavedTimeOf(path).value_or(version.time);
    if (std::string why = WhyNotAStationFile(bytes.bytes); !why.empty())
        entry.error = "nie do przywrócenia: " + why;
    else
        entry.counterTexts = CounterTexts(bytes.bytes);
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
