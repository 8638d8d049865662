#include "versions/version_store.h"

#include <algorithm>
#include <optional>

#include "files/file_messages.h"
#include "files/station_file_check.h"
#include "io/atomic_file_writer.h"
#include "io/directory.h"
#include "io/permission_bits.h"
#include "versions/keeping_rule.h"
#include "versions/saved_time.h"

namespace zorva {
namespace {

bool SameSecond(const LocalDateTime& a, const LocalDateTime& b) {
    return DateTimeText(a) == DateTimeText(b);
}

// Two saves within one second must not share a version, so the later one takes
// the next sequence number of that second.
VersionName FreeName(const std::vector<VersionName>& kept, const LocalDateTime& now) {
    VersionName name{now, 1};
    for (const VersionName& version : kept) {
        if (SameSecond(version.time, now))
            name.sequence = std::max(name.sequence, version.sequence + 1);
    }
    return name;
}

bool EqualsNewest(const std::string& folder, const std::vector<VersionName>& kept,
                  const std::string& bytes) {
    if (kept.empty()) return false;
    // A newest version that cannot be read proves nothing, so a new one is kept.
    ReadResult newest = ReadWholeFile(folder + FormatVersionName(kept.front()));
    return newest.ok() && newest.bytes == bytes;
}

// Removes what the keeping rule lets go; the first failure is told, the rest still tried.
std::string Prune(const std::string& folder, const VersionName& justKept) {
    FolderVersions kept = VersionsIn(folder);
    if (!kept.ok()) return kept.error;
    std::string firstError;
    for (const VersionName& version : VersionsToDrop(kept.newestFirst, justKept)) {
        IoStatus removed = RemoveFile(folder + FormatVersionName(version));
        if (!removed.ok() && firstError.empty()) firstError = FileErrorMessage(removed);
    }
    return firstError;
}

KeptVersion Outcome(KeptVersion::Outcome outcome, std::string name = "", std::string error = "") {
    KeptVersion result;
    result.outcome = outcome;
    result.name = std::move(name);
    result.error = std::move(error);
    return result;
}

KeptVersion Failed(std::string error) {
    return Outcome(KeptVersion::Outcome::Failed, "", std::move(error));
}

std::string NotKeptText(const std::string& stationPath, const std::string& reason) {
    return "Nie można zapisać kopii pliku " + stationPath + "\n" + reason + "\n\n";
}

// A version shows no one more than its station file does: the folders are no more
// open than the station's own, the file has the station's bits, and a link put in
// the folder under the version's name is replaced, never written through.
IoStatus WriteVersion(const std::string& stationPath, const std::string& folder,
                      const std::string& name, const std::string& bytes) {
    const unsigned folderMode = PermissionBitsOf(DirectoryOf(stationPath)).value_or(0777);
    if (IoStatus made = MakeDirectories(folder, folderMode); !made.ok()) return made;
    AtomicWriteOptions options;
    options.followLinks = false;
    options.newFileMode = PermissionBitsOf(stationPath);
    IoStatus written = WriteFileAtomic(folder + name, bytes, options);
    if (written.ok()) CarrySavedTime(stationPath, folder + name);
    return written;
}

KeptVersion KeepBytes(const std::string& stationPath, const std::string& bytes,
                      const LocalDateTime& now) {
    const std::string folder = VersionsFolder(stationPath);
    FolderVersions kept = VersionsIn(folder);
    if (!kept.ok()) return Failed(kept.error);
    if (EqualsNewest(folder, kept.newestFirst, bytes))
        return Outcome(KeptVersion::Outcome::Unchanged);
    const VersionName version = FreeName(kept.newestFirst, now);
    const std::string name = FormatVersionName(version);
    if (IoStatus written = WriteVersion(stationPath, folder, name, bytes); !written.ok())
        return Failed(FileErrorMessage(written));
    KeptVersion result = Outcome(KeptVersion::Outcome::Kept, name);
    result.pruneError = Prune(folder, version);
    return result;
}

// The file as it is now kept as a version, unless it already holds `unlessHolding`.
KeptVersion KeepCurrent(const std::string& stationPath, const LocalDateTime& now,
                        std::optional<std::string_view> unlessHolding) {
    if (!FileExists(stationPath)) return {};
    ReadResult current = ReadWholeFile(stationPath);
    if (!current.ok()) return Failed(FileErrorMessage(current.status));
    if (unlessHolding && current.bytes == *unlessHolding)
        return Outcome(KeptVersion::Outcome::Unchanged);
    return KeepBytes(stationPath, current.bytes, now);
}

}  // namespace

KeptVersion KeepVersion(const std::string& stationPath, const LocalDateTime& now) {
    return KeepCurrent(stationPath, now, std::nullopt);
}

KeptVersion KeepVersionBeforeWriting(const std::string& stationPath, std::string_view newBytes,
                                     const LocalDateTime& now) {
    return KeepCurrent(stationPath, now, newBytes);
}

std::string VersionNotKeptMessage(const std::string& stationPath, const std::string& reason,
                                  const std::string& advice) {
    return NotKeptText(stationPath, reason) + "Dane nie zostały zapisane. " + advice;
}

RestoreOutcome RestoreVersion(const std::string& stationPath, const std::string& versionName,
                              const LocalDateTime& now) {
    const std::string path = VersionsFolder(stationPath) + versionName;
    if (!ParseVersionName(versionName) || !FileExists(path))
        return {"Nie ma wersji " + versionName + " pliku " + stationPath + ".", ""};
    // Read first: keeping the current file may thin the folder of this very version.
    ReadResult version = ReadWholeFile(path);
    if (!version.ok()) return {FileErrorMessage(version.status), ""};
    if (std::string why = WhyNotAStationFile(version.bytes); !why.empty())
        return {"Wersja " + versionName + " pliku " + stationPath +
                    " nie może zostać przywrócona: " + why + ".",
                ""};
    KeptVersion kept = KeepVersion(stationPath, now);
    if (!kept.ok())
        return {NotKeptText(stationPath, kept.error) + "Wersja nie została przywrócona.", ""};
    return {FileErrorMessage(WriteFileAtomic(stationPath, version.bytes)), kept.name};
}

std::string RestoredMessage(const std::string& versionName, const RestoreOutcome& restored) {
    std::string text = "Przywrócono wersję " + versionName + ".";
    if (!restored.kept.empty())
        text +=
            "\nDotychczasowa zawartość pliku została zachowana jako wersja " + restored.kept + ".";
    return text;
}

}  // namespace zorva
