#pragma once

#include <functional>

#include "ports/page_sink.h"
#include "station/station.h"

namespace zorva {

// The platform's print dialog: the printer chosen, or nothing when the user
// cancels. The caller keeps the printer alive until the command returns.
using ChoosePrinter = std::function<PageSink*()>;

inline constexpr const char* kPortraitRequired = "Ustaw pionową orientację papieru w drukarce!";
inline constexpr const char* kSentToPrinter = "Dane zostały wysłane do drukarki!";
inline constexpr const char* kPrintCallCaption = "Identyfikacja stacji";
inline constexpr const char* kPrintCallPrompt = "Podaj znak stacji, której dotyczy wydruk:";

// The "Drukowanie" commands: every entity, or only those the mode names.
void PrintNormalList(Station& station, PrintMode mode, const ChoosePrinter& choosePrinter);
void PrintSimplifiedList(Station& station, PrintMode mode, const ChoosePrinter& choosePrinter);
// "Drukuj listę podmiotów do weryfikacji" of the "Weryfikacja" menu.
void PrintVerificationReport(Station& station, const ChoosePrinter& choosePrinter);

}  // namespace zorva
