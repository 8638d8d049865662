#include <QGuiApplication>
#include <cstdio>

#include "command.h"
#include "offscreen_fonts.h"
#include "pdf_page_sink.h"
#include "print/print_commands.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

bool ParseMode(const std::string& report, const std::string& text, PrintMode& mode) {
    if (text == "complete") {
        mode = PrintMode::Complete;
        return true;
    }
    if (text == "verified" && report != "verification") {
        mode = PrintMode::Verified;
        return true;
    }
    if (text == "to-verify" && report == "simplified") {
        mode = PrintMode::ToVerify;
        return true;
    }
    return false;
}

int RunPrint(Context& ctx, const Args& args) {
    const std::string& report = args.positional[0];
    if (report != "normal" && report != "simplified" && report != "verification") {
        ctx.err << "unknown report " << report << " (normal, simplified or verification)\n";
        return kUsage;
    }
    if (!args.Has("--pdf")) {
        ctx.err << "--pdf OUT is needed: the reports are printed to a PDF file\n";
        return kUsage;
    }
    PrintMode mode = PrintMode::Complete;
    if (args.Has("--mode") && !ParseMode(report, args.Value("--mode"), mode)) {
        ctx.err << "the " << report << " report has no mode " << args.Value("--mode") << "\n";
        return kUsage;
    }
    auto station = LoadStation(ctx, args.positional[1]);
    if (!station) return kFailed;
    const std::string call = args.Value("--call", station->Document().Call());
    if (Trim(call).empty()) {
        ShowError(ctx.prompter,
                  "Brak znaku stacji, której dotyczy wydruk!\nPodaj go opcją --call.");
        return kFailed;
    }

    // The PDF writer needs Qt's fonts, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ShowSystemFontsToOffscreenPlatform();
    int argc = 1;
    char name[] = "zorva";
    char* argv[] = {name, nullptr};
    // Standard error carries the program's messages only, not the toolkit's notes.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);

    PdfPageSink pdf(AbsolutePath(args.Value("--pdf")));
    const ReportKind kind = report == "normal"       ? ReportKind::Normal
                            : report == "simplified" ? ReportKind::Simplified
                                                     : ReportKind::Verification;
    SendReport(ComposeReport(station->Document(), kind, mode, Trim(call), ctx.clock.TodayShort()),
               pdf, ctx.prompter);
    return pdf.Written() ? kDone : kFailed;
}

const bool registered = RegisterCommand({
    "print",
    "normal|simplified|verification FILE --pdf OUT [--mode complete|verified|to-verify] [--call "
    "CALL]",
    "Composes a printed report of the station FILE and writes it to the PDF OUT (A4 portrait):\n"
    "  normal        every entity with all columns, two columns of 100 a page (modes complete, "
    "verified)\n"
    "  simplified    prefix, name and status mark, four columns of 100 a page (all three modes)\n"
    "  verification  the numbered confirmations waiting for verification and the declaration\n"
    "CALL is printed in the title (default: the station's call).",
    2,
    2,
    {{"--pdf", true, "the PDF file to write"},
     {"--mode", true, "complete (default), verified or to-verify"},
     {"--call", true, "the call printed in the title"}},
    RunPrint,
});

}  // namespace
}  // namespace zorva::cli
