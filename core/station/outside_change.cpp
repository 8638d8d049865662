// Another program (a zorva command, a second window) may save the open station
// file; nothing it saved is loaded over or written over without the user's say.
#include "station/outside_change.h"

#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/bounded_read.h"
#include "io/file_lock.h"
#include "io/file_system.h"
#include "station/station.h"

namespace zorva {
namespace {

// The file's version when it is there, readable and other than `known`. A file
// that vanished holds nothing to lose, and one that cannot be read shows nothing.
std::optional<DiskVersion> ChangedVersion(const DiskVersion& known) {
    if (!FileExists(known.path)) return std::nullopt;
    // One byte past a station's largest size is enough to tell that the file changed.
    ReadResult now = ReadFileUpTo(known.path, kStationFileMaxBytes);
    if (!now.ok()) return std::nullopt;
    DiskVersion version = VersionOf(known.path, now.bytes);
    if (version == known) return std::nullopt;
    return version;
}

Answer AskAboutReload(Station& s) {
    return AskWarning(s.prompter,
                      "Plik " + s.Document().FileName() + "\n" +
                          "został zmieniony przez inny program!" + "\n" + "\n" +
                          "Tak - wczytaj go ponownie (zmiany w oknie zostaną utracone)" + "\n" +
                          "Nie - zostaw dane z okna, nie wczytuj (zapis zapyta o zastąpienie)" +
                          "\n" + "Anuluj - nic teraz nie rób (pytanie wróci przy powrocie do okna)",
                      Buttons::YesNoCancel, Answer::Cancel);
}

Answer AskAboutOverwrite(Station& s, const std::string& path) {
    return AskWarning(
        s.prompter,
        "Plik " + path + "\n" + "został zmieniony przez inny program po wczytaniu!" + "\n" + "\n" +
            "Tak - zastąp go danymi z okna (zmiany tamtego programu zostaną utracone)" + "\n" +
            "Nie - zapisz dane z okna w nowym pliku (program zaproponuje inną nazwę)" + "\n" +
            "Anuluj - nie zapisuj teraz (plik i dane w oknie pozostaną bez zmian)",
        Buttons::YesNoCancel, Answer::Cancel);
}

}  // namespace

std::string StationBusyMessage(const std::string& path) {
    return "Plik " + path + "\n" + "jest właśnie zmieniany przez inny program." + "\n" +
           "Spróbuj ponownie za chwilę.";
}

std::string StationLockRefusal(const std::string& path, const FileLock& lock) {
    if (lock.Busy()) return StationBusyMessage(path);
    return "Plik " + path + "\n" + "nie może zostać zablokowany przed zmianami innych programów." +
           "\n" + FileErrorMessage(lock.Problem()) + "\n" + "Nic nie zostało zmienione.";
}

OutsideChange CheckOutsideChange(Station& s) {
    const KnownVersions& known = s.Document().DiskVersions();
    if (!known.read || known.read->path != s.Document().FileName()) return OutsideChange::None;
    std::optional<DiskVersion> now = ChangedVersion(*known.read);
    if (!now || now == known.kept) return OutsideChange::None;
    if (s.Document().IsModified()) {
        Answer answer = AskAboutReload(s);
        if (answer == Answer::No) {
            s.Document().KeepOutsideVersion(*now);
            return OutsideChange::Kept;
        }
        if (answer != Answer::Yes) return OutsideChange::Cancelled;
        s.ClearModified();
    }
    s.LoadStationFile();
    return OutsideChange::Reloaded;
}

GuardedWrite WriteUnlessChangedOutside(Station& s, const std::string& path,
                                       std::string_view bytes) {
    const KnownVersions& known = s.Document().DiskVersions();
    // Without a version read from this file there is nothing to compare with.
    std::optional<DiskVersion> expected;
    if (known.read && known.read->path == path) expected = known.read;
    for (;;) {
        if (expected) {
            if (std::optional<DiskVersion> now = ChangedVersion(*expected)) {
                Answer answer = AskAboutOverwrite(s, path);
                if (answer == Answer::No) return GuardedWrite::SaveElsewhere;
                if (answer != Answer::Yes) return GuardedWrite::Stopped;
                expected = now;
            }
        }
        FileLock lock = FileLock::Acquire(path, kStationLockPatience);
        if (!lock.Held() && !lock.FolderMissing()) {
            ShowError(s.prompter, StationLockRefusal(path, lock));
            return GuardedWrite::Failed;
        }
        // Changed again while the user was answering: the answer was about another version.
        if (expected && ChangedVersion(*expected)) continue;
        Outcome written = s.Document().WriteStationBytes(path, bytes, s.clock.Now());
        if (!written.ok()) {
            ShowError(s.prompter, written.refusal);
            return GuardedWrite::Failed;
        }
        return GuardedWrite::Written;
    }
}

}  // namespace zorva
