#pragma once

#include <string>

#include "lists/list_lines.h"
#include "station/station.h"
#include "text/text_helpers.h"

namespace zorva {

inline constexpr const char* kReplaceQuestion = "Plik o tej nazwie już istnieje!\nZastąpić go?";
inline constexpr const char* kListCallCaption = "Identyfikacja stacji";
inline constexpr const char* kListCallPrompt = "Podaj znak stacji, której zapisywany plik:";

// The list commands of the "Plik" and "Weryfikacja" menus. Each asks for the
// file through the save dialog and writes the whole list or nothing; true when
// the list was written.

// "Zapisz listę podmiotów zweryfik.": Modified stays as it was, since the
// station file itself is not written.
bool SaveVerifiedList(Station& station);
// "Zapisz listę podmiotów do weryfikacji".
bool SaveVerificationList(Station& station);
// "Zapisz listę podmiotów potw. QSL" and "... potw. LoTW": no question, no message.
bool SaveConfirmationList(Station& station, ConfirmationKind kind);

// "call_date.txt" with every character a file name cannot hold made "-".
std::string VerificationListName(const std::string& call, const std::string& shortDate);
// The station file's name with its first ".txt" taken out and "_qsl.txt" or "_lotw.txt" added.
std::string ConfirmationListName(const std::string& stationFileName, ConfirmationKind kind);

}  // namespace zorva
