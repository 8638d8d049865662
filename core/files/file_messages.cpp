#include "files/file_messages.h"

namespace zorva {
namespace {

const char* StepWords(IoStep step) {
    switch (step) {
        case IoStep::Open:
            return "Nie można otworzyć pliku";
        case IoStep::Create:
            return "Nie można utworzyć pliku";
        case IoStep::Read:
            return "Błąd odczytu pliku";
        case IoStep::Write:
            return "Błąd zapisu pliku";
        case IoStep::Flush:
            return "Błąd zapisu na dysk pliku";
        case IoStep::Replace:
            return "Nie można zapisać pliku";
        case IoStep::Rename:
            return "Nie można zmienić nazwy pliku";
        case IoStep::Remove:
            return "Nie można usunąć pliku";
        case IoStep::ReadAttributes:
            return "Nie można odczytać atrybutów pliku";
        case IoStep::ChangeAttributes:
            return "Nie można zmienić atrybutów pliku";
        case IoStep::CreateTemporary:
            return "Nie można utworzyć pliku tymczasowego";
        case IoStep::WriteTemporary:
            return "Błąd zapisu pliku tymczasowego";
        case IoStep::ReadTemporary:
            return "Błąd odczytu pliku tymczasowego";
        case IoStep::CreateFolder:
            return "Nie można utworzyć folderu";
        case IoStep::ReadFolder:
            return "Nie można odczytać folderu";
        case IoStep::Lock:
            return "Nie można zablokować pliku";
        case IoStep::Encode:
            break;
    }
    return "";
}

}  // namespace

std::string FileErrorMessage(const IoStatus& status) {
    if (status.ok()) return {};
    if (status.step == IoStep::Encode)
        return "Znak \"" + status.reason +
               "\" nie może zostać zapisany w pliku (kodowanie Windows-1250) w linii:\n\n" +
               status.line;
    std::string text = StepWords(status.step);
    if (!status.path.empty()) text += " " + status.path;
    if (!status.reason.empty()) text += ":\n" + status.reason;
    return text;
}

}  // namespace zorva
