#include "print/print_commands.h"

#include <optional>
#include <string>

#include "print/normal_list.h"
#include "print/page_document.h"
#include "print/report_heading.h"
#include "print/simplified_list.h"
#include "print/verification_report.h"
#include "text/columns.h"

namespace zorva {

namespace {

enum class OnLandscape { Warn, Stop };

// The common opening: the print dialog, the orientation check and the call
// prompt. Nothing when the command ends there.
std::optional<std::string> OpenPrint(Station& station, PageSink* printer, OnLandscape onLandscape,
                                     const std::string& offeredCall) {
    if (printer == nullptr) return std::nullopt;
    if (printer->GetOrientation() == Orientation::Landscape) {
        ShowError(station.prompter, kPortraitRequired);
        if (onLandscape == OnLandscape::Stop) return std::nullopt;
    }
    std::optional<std::string> call =
        station.prompter.Input(kPrintCallCaption, kPrintCallPrompt, offeredCall);
    if (!call || Trim(*call).empty()) return std::nullopt;
    return Trim(*call);
}

ReportHeading HeadingFor(const Station& station, const std::string& titleCall) {
    return MakeHeading(titleCall, station.Document().Call(), station.clock.TodayShort(),
                       station.Document().Counts());
}

void Send(Station& station, const Document& document, PageSink& printer) {
    EmitDocument(document, printer);
    if (const std::string error = printer.Error(); !error.empty()) {
        ShowError(station.prompter, error);
        return;
    }
    ShowInformation(station.prompter, kSentToPrinter, "Komunikat");
}

}  // namespace

void PrintNormalList(Station& station, PrintMode mode, const ChoosePrinter& choosePrinter) {
    PageSink* printer = choosePrinter();
    auto call = OpenPrint(station, printer, OnLandscape::Warn, station.Document().Call());
    if (!call) return;
    Send(station, ComposeNormalList(station.Document().Table(), mode, HeadingFor(station, *call)),
         *printer);
}

void PrintSimplifiedList(Station& station, PrintMode mode, const ChoosePrinter& choosePrinter) {
    PageSink* printer = choosePrinter();
    auto call = OpenPrint(station, printer, OnLandscape::Stop, "");
    if (!call) return;
    Send(station,
         ComposeSimplifiedList(station.Document().Table(), mode, HeadingFor(station, *call)),
         *printer);
}

void PrintVerificationReport(Station& station, const ChoosePrinter& choosePrinter) {
    PageSink* printer = choosePrinter();
    auto call = OpenPrint(station, printer, OnLandscape::Warn, station.Document().Call());
    if (!call) return;
    Send(station, ComposeVerificationReport(station.Document().Table(), HeadingFor(station, *call)),
         *printer);
}

}  // namespace zorva
