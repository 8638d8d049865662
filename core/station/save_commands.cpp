// "Zapisz", "Zapisz jako.." and Ctrl+S: the station file is written whole or not at all.
#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "station/station.h"

namespace zorva {
namespace {

enum class ReadOnlyOutcome { Write, SaveElsewhere, Stop };

// The read-only question for a file about to be written over.
ReadOnlyOutcome ResolveReadOnly(Station& s, const std::string& path) {
    if (!FileExists(path) || !IsReadOnly(path)) return ReadOnlyOutcome::Write;
    const std::string question = "Plik " + path + " przeznaczony jest " + "\n" +
                                 "tylko  do  odczytu  (Read Only)!" + "\n" + "\n" +
                                 "Czy zapisać pomimo tego?";
    Answer answer = s.prompter.Show({question, "Błąd", Icon::Error, Buttons::YesNoCancel, {}});
    if (answer == Answer::No) return ReadOnlyOutcome::SaveElsewhere;
    if (answer != Answer::Yes) return ReadOnlyOutcome::Stop;
    IoStatus cleared = ClearReadOnly(path);
    if (!cleared.ok()) {
        ShowError(s.prompter, FileErrorMessage(cleared));
        return ReadOnlyOutcome::Stop;
    }
    return ReadOnlyOutcome::Write;
}

bool SaveToCurrentFile(Station& s, bool confirm) {
    // With no station loaded (a start-up file that was missing) there is nothing to keep,
    // and a file of the header alone would only be refused at the next load.
    if (s.Document().Table().Count() == 0) return false;
    if (s.Document().FileName().empty()) return s.SaveAs();
    switch (ResolveReadOnly(s, s.Document().FileName())) {
        case ReadOnlyOutcome::Write:
            return s.WriteStationFile(s.Document().FileName(), confirm);
        case ReadOnlyOutcome::SaveElsewhere:
            return s.SaveAs();
        case ReadOnlyOutcome::Stop:
            break;
    }
    return false;
}

// "s.txt" gives "s_kopia.txt", or "s_kopia2.txt" and on when that is taken.
std::string UnusedSiblingName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : ".txt";
    std::string name = stem + "_kopia" + extension;
    for (int n = 2; FileExists(name); ++n) name = stem + "_kopia" + std::to_string(n) + extension;
    return name;
}

std::string UnreadableLineMessage(const std::string& path, const std::string& line) {
    return "Plik " + path + " nie został zapisany, ponieważ linia:\n\n" + QuotableLine(line) +
           "\n\nnie dałaby się z niego poprawnie odczytać.\n" +
           "Dotychczasowa zawartość pliku pozostała bez zmian.";
}

// The bytes of the station file, refused with a message when a character cannot be
// written or a line would not read back as its row.
std::optional<std::string> StationFileBytes(Station& s, const std::string& path) {
    std::vector<std::string> lines = StationHeaderLines(s.Document().Call(), s.clock.TodayShort());
    lines.reserve(lines.size() + s.Document().Table().Rows().size());
    for (const auto& row : s.Document().Table().Rows()) lines.push_back(FormatStationLine(row));
    EncodedText encoded = EncodeLines(lines);
    if (!encoded.ok()) {
        ShowError(s.prompter, FileErrorMessage(encoded.status));
        return std::nullopt;
    }
    if (auto line = LineNotReadBack(encoded.bytes, s.Document().Table().Rows())) {
        ShowError(s.prompter, UnreadableLineMessage(path, *line));
        return std::nullopt;
    }
    return std::move(encoded.bytes);
}

}  // namespace

bool Station::WriteStationFile(const std::string& path, bool confirm) {
    std::optional<std::string> bytes = StationFileBytes(*this, path);
    if (!bytes) return false;
    switch (WriteUnlessChangedOutside(*this, path, *bytes)) {
        case GuardedWrite::Written:
            break;
        case GuardedWrite::SaveElsewhere:
            return SaveAsProposing(UnusedSiblingName(path));
        case GuardedWrite::Failed:
        case GuardedWrite::Stopped:
            return false;
    }
    FinishStationSave(confirm);
    return true;
}

void Station::FinishStationSave(bool confirm) {
    ClearModified();
    history.MarkClean();
    if (confirm) ShowInformation(prompter, "Dane zostały zapisane.");
}

bool Station::Save() {
    return SaveToCurrentFile(*this, true);
}

bool Station::SaveFromGrid() {
    return SaveToCurrentFile(*this, false);
}

bool Station::SaveAs() {
    return SaveAsProposing(document_.FileName());
}

bool Station::SaveAsProposing(const std::string& proposedName) {
    if (document_.Table().Count() == 0) return false;
    // The name changes only with a written file, so that a later "Zapisz" never
    // writes over a file the user declined to replace.
    const std::string previousName = document_.FileName();
    const std::string previousHint = view_.texts.fileHint;
    const std::string previousPanel = view_.texts.fileNamePanel;
    std::string offered = proposedName;
    for (;;) {
        auto chosen = prompter.ChooseSaveFile({kFileFilter, offered, ""});
        if (!chosen) break;
        std::string name = *chosen;
        if (name.find('.') == std::string::npos) name += ".txt";
        SetCurrentFileName(name);
        offered = name;
        if (FileExists(name)) {
            Answer replace = AskWarning(prompter, "Plik o tej nazwie już istnieje!\nZastąpić go?",
                                        Buttons::YesNoCancel);
            if (replace == Answer::No) continue;
            if (replace != Answer::Yes) break;
            ReadOnlyOutcome outcome = ResolveReadOnly(*this, name);
            if (outcome == ReadOnlyOutcome::SaveElsewhere) continue;
            if (outcome == ReadOnlyOutcome::Stop) break;
        }
        if (WriteStationFile(name, true)) return true;
        break;
    }
    document_.SetFileName(previousName);
    view_.texts.fileHint = previousHint;
    view_.texts.fileNamePanel = previousPanel;
    return false;
}

}  // namespace zorva
