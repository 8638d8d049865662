// The sentences of the document's outcomes, composed where they are shown.
#include "document/entity_fields.h"
#include "document/outcome.h"
#include "document/station_call.h"
#include "files/file_messages.h"
#include "files/reference_file.h"
#include "files/station_file_check.h"
#include "text/columns.h"
#include "versions/version_store.h"

namespace zorva {
namespace {

std::string UnstorableMessage(const char* what, const std::string& symbol) {
    return std::string(what) + " zawiera " + symbol + ", którego nie można zapisać w pliku danych!";
}

std::string StationFileFaultMessage(const Outcome& outcome) {
    CheckedStationFile checked;
    checked.fault = static_cast<StationFault>(outcome.stationFault);
    checked.detail = outcome.detail;
    return StationFaultMessage(outcome.path, checked);
}

}  // namespace

std::string OutcomeMessage(const Outcome& outcome) {
    const std::string& detail = outcome.detail;
    switch (outcome.reason) {
        case Reason::None:
            return {};
        case Reason::FileFault:
            return FileErrorMessage(outcome.io);
        case Reason::StationFileMissing:
            return "Plik danych \n" + outcome.path + "\n" + "nie został znaleziony!";
        case Reason::StationFileFault:
            return StationFileFaultMessage(outcome);
        case Reason::NoReference:
            return MissingReferenceMessage(outcome.path);
        case Reason::EmptyReference:
            return EmptyReferenceMessage(outcome.path);
        case Reason::BadReferenceLine:
            return BadReferenceLineMessage(detail);
        case Reason::CallRefused:
            return StationCallRefusal(detail).value_or("");
        case Reason::VersionNotKept:
            return VersionNotKeptMessage(outcome.path, detail, outcome.advice);
        case Reason::NoSuchEntity:
            return "Brak podmiotu o numerze ADIF " + Trim(detail) + "!";
        case Reason::VerifiedRow:
            return kVerifiedRowRefusal;
        case Reason::CallUnstorable:
            return UnstorableMessage("Znak stacji", detail);
        case Reason::DateUnstorable:
            return UnstorableMessage("Data łączności", detail);
        case Reason::DateMissing:
            return "Wprowadź datę łączności!";
        case Reason::DayMissing:
            return "Wprowadź dzień łączności!";
        case Reason::MonthMissing:
            return "Wprowadź miesiąc łącznosci!";
        case Reason::YearMissing:
            return "Wprowadź rok łącznosci!";
        case Reason::DayNotNumber:
            return "Dzień łączności \"" + detail + "\" nie jest liczbą!";
        case Reason::MonthNotNumber:
            return "Miesiąc łączności \"" + detail + "\" nie jest liczbą!";
        case Reason::DateOutOfRange:
            return "Wprowadź poprawną datę łączności!";
        case Reason::VerificationDateEmpty:
            return kEmptyVerificationDate;
        case Reason::VerificationDateUnstorable:
            return UnstorableMessage("Data weryfikacji", detail);
        case Reason::ConversionDeclined:
            return "Przekonwertuj ten plik używając programu Konwersja_ZORVA_Rade.exe.\n"
                   "Dopiero po konwersji wczytaj plik.";
        case Reason::ConversionFailed:
        case Reason::NotSaved:
            return {};
        case Reason::FileNotFound:
            return "Plik \"" + outcome.path + "\" nie został znaleziony!";
    }
    return {};
}

}  // namespace zorva
