#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/entity_fields.h"
#include "session/edit_session.h"

namespace zorva {

inline constexpr const char* kVerificationQuestion =
    "Weryfikacja spowoduje przesunięcie nowych podmiotów\ndo grupy podmiotów zweryfikowanych. "
    "\nJesli dotychczas nie wydrukowałes listy do aktualizacji \ni nie zapisałes pliku z nowymi "
    "danymi do ZORVA Clubu,\nzrób to przed dokonaniem weryfikacji. \n\nCzy kontynuowac?";

// "Weryfikacja danych": the text to offer in the date dialog (today as
// year-month-day), or nothing when there is nothing to verify or the user
// declined the question.
std::optional<std::string> StartVerification(EditSession& session);

// "OK" of the date dialog: stamps the date into every row that is confirmed
// and not verified as the table stands now, deleted rows included. The number
// of rows verified, or nothing when the date was refused (the dialog stays).
std::optional<int> VerifyConfirmedRows(EditSession& session, std::string_view typedDate);

}  // namespace zorva
