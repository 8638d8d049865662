#include "lotw/lotw_messages.h"

#include "files/file_messages.h"

namespace zorva {
namespace {

std::string WithReason(std::string text, const std::string& detail) {
    if (!detail.empty()) text += "\n\n(" + detail + ")";
    return text;
}

}  // namespace

std::string LotwFailureMessage(const LotwDownload& d) {
    switch (d.failure) {
        case LotwFailure::None:
            return "";
        case LotwFailure::WrongLogin:
            return "LoTW zamiast raportu przysłał stronę HTML.\n"
                   "Najczęściej oznacza to błędny login lub hasło.";
        case LotwFailure::CutShort:
            return "Raport LoTW jest niekompletny (brak znacznika <APP_LoTW_EOF>).\n"
                   "Należy pobrać go ponownie.";
        case LotwFailure::NoNetwork:
            return WithReason(
                "Nie można połączyć się z serwerem LoTW.\n"
                "Sprawdź połączenie z internetem.",
                d.detail);
        case LotwFailure::TimedOut:
            return "Serwer LoTW przestał przysyłać dane - przekroczony czas oczekiwania.\n"
                   "Należy spróbować ponownie później.";
        case LotwFailure::TooLong:
            return "Pobieranie raportu LoTW trwało ponad 10 minut i zostało przerwane.\n"
                   "Należy spróbować ponownie później.";
        case LotwFailure::HttpError:
            return "Serwer LoTW odpowiedział błędem HTTP " + std::to_string(d.httpStatus) + ".";
        case LotwFailure::Certificate:
            return WithReason(
                "Nie można zweryfikować certyfikatu serwera LoTW.\n"
                "Połączenie zostało przerwane, hasło nie zostało wysłane.",
                d.detail);
        case LotwFailure::TooLarge:
            return "Raport LoTW jest większy niż 500 MB - pobieranie zostało przerwane.";
        case LotwFailure::Aborted:
            return "Pobieranie raportu LoTW zostało przerwane.";
        case LotwFailure::FileError:
            return WithReason("Nie można zapisać raportu LoTW.", FileErrorMessage(d.file));
        case LotwFailure::Other:
            break;
    }
    return WithReason("Nie można pobrać raportu LoTW.", d.detail);
}

void ShowLotwFailure(Prompter& prompter, const LotwDownload& download) {
    if (download.failure == LotwFailure::Aborted)
        ShowInformation(prompter, LotwFailureMessage(download));
    else
        ShowError(prompter, LotwFailureMessage(download));
}

}  // namespace zorva
