// "Przywróć poprzednią wersję...": the file being replaced becomes a version
// itself, so a restore is taken back by restoring that version.
#include "station/restore_command.h"

#include "io/file_lock.h"
#include "station/outside_change.h"
#include "station/station.h"
#include "versions/version_store.h"

namespace zorva {
namespace {

bool MayDropWindowChanges(Station& s) {
    if (!s.Document().IsModified()) return true;
    return AskWarning(s.prompter,
                      "Zmiany wprowadzone w oknie nie zostały zapisane i zostaną utracone.\n"
                      "Czy przywrócić wybraną wersję?",
                      Buttons::YesNo, Answer::No) == Answer::Yes;
}

RestoreOutcome RestoreUnderLock(Station& s, const std::string& version) {
    const std::string& path = s.Document().FileName();
    FileLock lock = FileLock::Acquire(path, kStationLockPatience);
    if (!lock.Held() && !lock.FolderMissing()) return {StationLockRefusal(path, lock), ""};
    return RestoreVersion(path, version, s.clock.Now());
}

}  // namespace

bool RestorePreviousVersion(Station& s, const ChooseVersion& choose) {
    if (s.Document().FileName().empty()) return false;
    VersionList versions = ListVersions(s.Document().FileName());
    if (!versions.ok()) {
        ShowError(s.prompter, versions.error);
        return false;
    }
    if (versions.newestFirst.empty()) {
        ShowInformation(s.prompter, "Nie ma zapisanych wersji pliku " + s.Document().FileName() +
                                        ".\nWersja powstaje przy każdym zapisie, który zmienia "
                                        "plik.");
        return false;
    }
    std::optional<std::string> chosen = choose(versions.newestFirst);
    if (!chosen || !MayDropWindowChanges(s)) return false;
    const RestoreOutcome restored = RestoreUnderLock(s, *chosen);
    if (!restored.ok()) {
        ShowError(s.prompter, restored.error);
        return false;
    }
    s.ClearModified();
    // Loaded outside the lock: the load may ask questions, and a waiting command must not time out.
    s.LoadStationFile();
    ShowInformation(s.prompter, RestoredMessage(*chosen, restored));
    return true;
}

}  // namespace zorva
