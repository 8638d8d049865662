#include "convert/convert.h"

#include "convert/old_station_file.h"
#include "document/station_document.h"
#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "model/confirmation.h"
#include "text/columns.h"

namespace zorva {
namespace {

constexpr size_t kFirstDataLine = 7;  // lines 4 to 7 of an old file are not read

const char* const kNotRecognised =
    "Plik nie został rozpoznany jako plik zawierający dane ZORVA_Rade.\n"
    "Nie udało się go automatycznie przekonwertować do nowej wersji.\n\n"
    "Proszę o kontakt z autorem programu w celu konwersji pliku.";
const char* const kNotOriginal =
    "Plik nie jest oryginalnym plikiem z poprzedniej wersji programu.\n"
    "Nie da się go automatycznie przekonwertować do nowej wersji.";

std::string WrongCountMessage() {
    return std::string(kNotOriginal) +
           "\n\nProszę o kontakt z autorem programu w celu konwersji pliku.";
}

std::string MismatchMessage(size_t position, std::string_view listKey, const std::string& fileKey) {
    return std::string(kNotOriginal) + "\nOryginalna linia danych nr [" +
           ToDecimal(static_cast<long long>(position)) + "] zawiera zapis:\n\n" +
           std::string(listKey) + "\n\nnatomiast linia w pliku zawiera zapis:\n\n" + fileKey +
           "\n\nProszę poprawić różnicę i spróbować ponownie.";
}

// The station file's own header, closed by one hyphen more than the main window writes.
std::vector<std::string> NewFileHeader(const std::string& call, const std::string& todayShort) {
    std::vector<std::string> header = StationHeaderLines(call, todayShort);
    header.back() = std::string(kStationLineWidth + 1, '-');
    return header;
}

std::vector<std::string> DataLinesOf(const std::vector<std::string>& oldLines) {
    std::vector<std::string> data;
    for (size_t i = kFirstDataLine; i < oldLines.size(); ++i)
        if (!Trim(oldLines[i]).empty()) data.push_back(oldLines[i]);
    return data;
}

void Confirm(std::vector<EntityRow>& rows, const std::string& adif, const OldDataLine& data) {
    for (EntityRow& row : rows) {
        if (row.adif != adif) continue;
        row.call = data.call;
        row.qsoDate = data.qsoDate;
        row.confirmation = TextOf(Confirmation::Qsl);
        row.verifiedDate = data.verifiedDate;
    }
}

ConvertedLines RefusedLines(OldFileFault fault, KeyDifference mismatch = {}) {
    ConvertedLines refused;
    refused.fault = fault;
    refused.mismatch = std::move(mismatch);
    return refused;
}

std::string LineOf(const std::vector<std::string>& lines, size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

}  // namespace

std::string OldFileRefusalMessage(const ConvertedLines& refused) {
    switch (refused.fault) {
        case OldFileFault::NotRecognised:
            return kNotRecognised;
        case OldFileFault::WrongCount:
            return WrongCountMessage();
        case OldFileFault::KeyMismatch:
            return MismatchMessage(refused.mismatch.position, refused.mismatch.listKey,
                                   refused.mismatch.fileKey);
        case OldFileFault::None:
            break;
    }
    return {};
}

ConvertedLines ConvertOldLines(const std::vector<std::string>& oldLines,
                               const ConversionTemplate& entities, const std::string& todayShort) {
    const OldEntityList* list = RecogniseOldList(LineOf(oldLines, 2));
    if (list == nullptr) return RefusedLines(OldFileFault::NotRecognised);
    std::vector<std::string> data = DataLinesOf(oldLines);
    if (data.size() != list->Count()) return RefusedLines(OldFileFault::WrongCount);

    std::vector<EntityRow> rows = entities.rows;
    std::vector<KeyDifference> spellings;
    for (size_t position = 0; position < data.size(); ++position) {
        OldDataLine line = ParseOldDataLine(data[position]);
        if (!line.confirmed) continue;
        if (line.key != list->keys[position]) {
            KeyDifference difference{position, line.key, list->keys[position]};
            if (!OnlySpellingDiffers(*list, position, line.key))
                return RefusedLines(OldFileFault::KeyMismatch, std::move(difference));
            spellings.push_back(std::move(difference));
        }
        Confirm(rows, PadLeft(ToDecimal(list->adifNumbers[position]), 3), line);
    }

    ConvertedLines result;
    result.lines = NewFileHeader(OldFileCall(LineOf(oldLines, 0)), todayShort);
    result.list = list;
    result.spellings = std::move(spellings);
    for (const EntityRow& row : rows) result.lines.push_back(FormatStationLine(row));
    return result;
}

bool ConvertOldStationFile(const std::string& path, const ConversionTemplate& entities,
                           Prompter& prompter, const Clock& clock) {
    if (path.empty()) {
        ShowError(prompter, "Brak pliku do konwersji!");
        return false;
    }
    if (!FileExists(path)) {
        ShowError(prompter, "Plik \"" + path + "\" nie został znaleziony lub jest otwarty!");
        return false;
    }
    // Without entities the new file would hold only its header.
    if (entities.Empty()) {
        ShowError(prompter, "Plik wzorcowy \"" + entities.path +
                                "\" nie zawiera żadnego podmiotu.\nPlik " + path +
                                " nie został przekonwertowany.");
        return false;
    }
    // The entities after a faulty line would be missing from the new file for good.
    if (!entities.readWhole) {
        ShowError(prompter, "Plik wzorcowy \"" + entities.path +
                                "\" nie został wczytany w całości.\nPlik " + path +
                                " nie został przekonwertowany.");
        return false;
    }
    TextLines old = ReadTextLines(path);
    if (!old.ok()) {
        ShowError(prompter, FileErrorMessage(old.status));
        return false;
    }
    ConvertedLines converted = ConvertOldLines(old.lines, entities, clock.TodayShort());
    if (!converted.ok()) {
        ShowError(prompter, OldFileRefusalMessage(converted));
        return false;
    }
    if (!converted.spellings.empty() &&
        AskWarning(prompter, ConvertByPositionQuestion(path, *converted.list, converted.spellings),
                   Buttons::YesNo, Answer::No) != Answer::Yes)
        return false;
    EncodedText encoded = EncodeLines(converted.lines);
    if (!encoded.ok()) {
        ShowError(prompter, FileErrorMessage(encoded.status));
        return false;
    }

    // The old file stays in place until the new one replaces it whole, so a
    // failure at any step leaves the old content where it was.
    const std::string backup = path + "~";
    if (IoStatus kept = CopyFile(path, backup); !kept.ok()) {
        ShowError(prompter, FileErrorMessage(kept) +
                                "\n\nNie udało się zachować kopii pliku pod nazwą " + backup +
                                ".\nPlik nie został przekonwertowany.");
        return false;
    }
    if (IoStatus written = WriteFileAtomic(path, encoded.bytes); !written.ok()) {
        ShowError(prompter, FileErrorMessage(written) + "\n\nPlik nie został przekonwertowany; " +
                                "jego dotychczasowa zawartość pozostała bez zmian.");
        return false;
    }
    return true;
}

bool ConvertOldFile(const StationDocument& document, Prompter& prompter, const Clock& clock) {
    ConversionTemplate entities = LoadConversionTemplate(document.ProgramDir(), prompter);
    return ConvertOldStationFile(document.FileName(), entities, prompter, clock);
}

}  // namespace zorva
