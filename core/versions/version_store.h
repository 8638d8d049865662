#pragma once

#include <string>
#include <string_view>

#include "io/file_system.h"
#include "versions/version_folder.h"
#include "versions/version_name.h"

namespace zorva {

struct KeptVersion {
    enum class Outcome {
        Kept,
        Unchanged,  // the file equals the newest version
        NoFile,     // nothing to keep yet
        Failed,     // the save must not go on
    };
    Outcome outcome = Outcome::NoFile;
    std::string name;   // of the version written
    std::string error;  // why no version could be written
    // An old version the keeping rule could not remove; the next keep tries again.
    std::string pruneError;
    bool ok() const { return outcome != Outcome::Failed; }
};

// Before a save replaces the station file: keeps the file as it is now, byte for
// byte, as a new version, then lets the keeping rule thin the folder.
KeptVersion KeepVersion(const std::string& stationPath, const LocalDateTime& now);
// The same right before `newBytes` are written over the file: nothing is kept
// when the file holds them already.
KeptVersion KeepVersionBeforeWriting(const std::string& stationPath, std::string_view newBytes,
                                     const LocalDateTime& now);

// What the window offers for data that could not be saved in place.
inline constexpr const char* kSaveAsAdvice = "Można je zapisać pod inną nazwą (Zapisz jako..).";

// The message of a save stopped because the version could not be written, ending
// with what the user may do instead.
std::string VersionNotKeptMessage(const std::string& stationPath, const std::string& reason,
                                  const std::string& advice = kSaveAsAdvice);

struct RestoreOutcome {
    std::string error;  // ready to show; empty when the version was restored
    std::string kept;   // the version that holds the replaced file, when one was written
    bool ok() const { return error.empty(); }
};

// Keeps the station file as a version (so that the restore itself can be taken
// back), then replaces it with the named version.
RestoreOutcome RestoreVersion(const std::string& stationPath, const std::string& versionName,
                              const LocalDateTime& now);

// The word after a restore, naming the version that takes it back.
std::string RestoredMessage(const std::string& versionName, const RestoreOutcome& restored);

}  // namespace zorva
