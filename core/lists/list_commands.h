#pragma once

#include <string>

#include "document/station_document.h"
#include "lists/list_lines.h"
#include "lists/write_list.h"
#include "ports/clock.h"
#include "ports/prompter.h"
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
bool SaveVerifiedList(const StationDocument& document, Prompter& prompter, const Clock& clock);
// "Zapisz listę podmiotów do weryfikacji".
bool SaveVerificationList(const StationDocument& document, Prompter& prompter, const Clock& clock);
// "Zapisz listę podmiotów potw. QSL" and "... potw. LoTW": no question, no message.
bool SaveConfirmationList(const StationDocument& document, Prompter& prompter, Confirmation kind);

// The answer to replacing an existing file: Yes, or No (choose again), or Cancel.
enum class Replace { Yes, AskAgain, Stop };
Replace AskReplace(Prompter& prompter, const std::string& path);
// The QSL and LoTW lists overwrite without asking.
bool AsksBeforeReplacing(ListKind kind);

// "call_date.txt" with every character a file name cannot hold made "-".
std::string VerificationListName(const std::string& call, const std::string& shortDate);
// The station file's name with its first ".txt" taken out and "_qsl.txt" or "_lotw.txt" added.
std::string ConfirmationListName(const std::string& stationFileName, Confirmation kind);

}  // namespace zorva
