#include "command.h"
#include "lists/list_commands.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

int RunList(Context& ctx, const Args& args) {
    const std::string& kind = args.positional[0];
    if (kind != "verified" && kind != "to-verify" && kind != "qsl" && kind != "lotw") {
        ctx.err << "unknown list " << kind << " (verified, to-verify, qsl or lotw)\n";
        return kUsage;
    }
    auto station = LoadStation(ctx, args.positional[1]);
    if (!station) return kFailed;
    const std::string call = args.Value("--call", station->Document().Call());
    if (kind == "to-verify" && Trim(call).empty()) {
        ShowError(ctx.prompter, "Brak znaku stacji, której dotyczy lista!\nPodaj go opcją --call.");
        return kFailed;
    }
    // The file named on the command line stands in for the save dialog; after a
    // No to replacing it, the command finds no other name and ends.
    const std::string out = AbsolutePath(args.positional[2]);
    ctx.prompter.QueueFile(out);
    const int errorsBefore = ctx.prompter.ErrorCount();
    bool written = false;
    if (kind == "verified") {
        written = SaveVerifiedList(*station);
    } else if (kind == "to-verify") {
        ctx.prompter.QueueInput(call);
        ctx.prompter.QueueInput(std::nullopt);
        written = SaveVerificationList(*station);
    } else {
        written = SaveConfirmationList(
            *station, kind == "qsl" ? ConfirmationKind::Qsl : ConfirmationKind::Lotw);
    }
    if (!written && ctx.prompter.ErrorCount() == errorsBefore)
        ShowError(ctx.prompter,
                  "Plik " + WithTxtWhenNoDot(out) + " już istnieje i nie został zastąpiony.");
    return written ? kDone : kFailed;
}

const bool registered = RegisterCommand({
    "list",
    "verified|to-verify|qsl|lotw FILE OUT [--call CALL]",
    "Writes one of the four text lists of the station FILE to OUT (Windows-1250, CR LF):\n"
    "  verified   the station file layout with only verified confirmations filled in\n"
    "  to-verify  the list for verification: the QSL, then the LoTW confirmations not yet "
    "verified\n"
    "  qsl, lotw  every entity confirmed by QSL or by LoTW\n"
    "OUT without any dot gets \".txt\". An existing OUT is replaced after the question\n"
    "(--yes, --no) for verified and to-verify, without asking for qsl and lotw.",
    3,
    3,
    {{"--call", true, "the call for the list for verification (default: the station's call)"}},
    RunList,
});

}  // namespace
}  // namespace zorva::cli
