#include "print/print_commands.h"

#include <optional>

#include "print/normal_list.h"
#include "print/report_heading.h"
#include "print/simplified_list.h"
#include "print/verification_report.h"
#include "text/columns.h"

namespace zorva {

namespace {

enum class OnLandscape { Warn, Stop };

// The common opening: the print dialog, the orientation check and the call
// prompt. Nothing when the command ends there.
std::optional<std::string> OpenPrint(Prompter& prompter, PageSink* printer, OnLandscape onLandscape,
                                     const std::string& offeredCall) {
    if (printer == nullptr) return std::nullopt;
    if (printer->GetOrientation() == Orientation::Landscape) {
        ShowError(prompter, kPortraitRequired);
        if (onLandscape == OnLandscape::Stop) return std::nullopt;
    }
    std::optional<std::string> call =
        prompter.Input(kPrintCallCaption, kPrintCallPrompt, offeredCall);
    if (!call || Trim(*call).empty()) return std::nullopt;
    return Trim(*call);
}

void PrintReport(const StationDocument& document, Prompter& prompter, const Clock& clock,
                 ReportKind kind, PrintMode mode, const ChoosePrinter& choosePrinter) {
    PageSink* printer = choosePrinter();
    const bool simplified = kind == ReportKind::Simplified;
    auto call = OpenPrint(prompter, printer, simplified ? OnLandscape::Stop : OnLandscape::Warn,
                          simplified ? "" : document.Call());
    if (!call) return;
    SendReport(ComposeReport(document, kind, mode, *call, clock.TodayShort()), *printer, prompter);
}

}  // namespace

Document ComposeReport(const StationDocument& document, ReportKind kind, PrintMode mode,
                       const std::string& titleCall, const std::string& shortDate) {
    const EntityTable& table = document.Table();
    const ReportHeading heading =
        MakeHeading(titleCall, document.Call(), shortDate, document.Counts());
    switch (kind) {
        case ReportKind::Normal:
            return ComposeNormalList(table, mode, heading);
        case ReportKind::Simplified:
            return ComposeSimplifiedList(table, mode, heading);
        case ReportKind::Verification:
            break;
    }
    return ComposeVerificationReport(table, heading);
}

bool SendReport(const Document& pages, PageSink& printer, Prompter& prompter) {
    EmitDocument(pages, printer);
    if (const std::string error = printer.Error(); !error.empty()) {
        ShowError(prompter, error);
        return false;
    }
    ShowInformation(prompter, kSentToPrinter, "Komunikat");
    return true;
}

void PrintNormalList(const StationDocument& document, Prompter& prompter, const Clock& clock,
                     PrintMode mode, const ChoosePrinter& choosePrinter) {
    PrintReport(document, prompter, clock, ReportKind::Normal, mode, choosePrinter);
}

void PrintSimplifiedList(const StationDocument& document, Prompter& prompter, const Clock& clock,
                         PrintMode mode, const ChoosePrinter& choosePrinter) {
    PrintReport(document, prompter, clock, ReportKind::Simplified, mode, choosePrinter);
}

void PrintVerificationReport(const StationDocument& document, Prompter& prompter,
                             const Clock& clock, const ChoosePrinter& choosePrinter) {
    PrintReport(document, prompter, clock, ReportKind::Verification, PrintMode::Complete,
                choosePrinter);
}

}  // namespace zorva
