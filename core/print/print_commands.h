#pragma once

#include <functional>
#include <string>

#include "document/station_document.h"
#include "ports/clock.h"
#include "ports/page_sink.h"
#include "ports/prompter.h"
#include "print/page_document.h"
#include "print/print_mode.h"

namespace zorva {

// The platform's print dialog: the printer chosen, or nothing when the user
// cancels. The caller keeps the printer alive until the command returns.
using ChoosePrinter = std::function<PageSink*()>;

inline constexpr const char* kPortraitRequired = "Ustaw pionową orientację papieru w drukarce!";
inline constexpr const char* kSentToPrinter = "Dane zostały wysłane do drukarki!";
inline constexpr const char* kPrintCallCaption = "Identyfikacja stacji";
inline constexpr const char* kPrintCallPrompt = "Podaj znak stacji, której dotyczy wydruk:";

enum class ReportKind { Normal, Simplified, Verification };

// The pages of a report on the station, titled for titleCall and dated
// shortDate; the verification report has one mode only.
Document ComposeReport(const StationDocument& document, ReportKind kind, PrintMode mode,
                       const std::string& titleCall, const std::string& shortDate);

// The pages sent to the printer, then its error or kSentToPrinter shown; true when sent.
bool SendReport(const Document& pages, PageSink& printer, Prompter& prompter);

// The "Drukowanie" commands: the print dialog and the call asked for, then the
// report of every entity, or only those the mode names.
void PrintNormalList(const StationDocument& document, Prompter& prompter, const Clock& clock,
                     PrintMode mode, const ChoosePrinter& choosePrinter);
void PrintSimplifiedList(const StationDocument& document, Prompter& prompter, const Clock& clock,
                         PrintMode mode, const ChoosePrinter& choosePrinter);
// "Drukuj listę podmiotów do weryfikacji" of the "Weryfikacja" menu.
void PrintVerificationReport(const StationDocument& document, Prompter& prompter,
                             const Clock& clock, const ChoosePrinter& choosePrinter);

}  // namespace zorva
