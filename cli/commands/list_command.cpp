#include <optional>

#include "command.h"
#include "lists/list_commands.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

std::optional<ListKind> ParseKind(const std::string& kind) {
    if (kind == "verified") return ListKind::Verified;
    if (kind == "to-verify") return ListKind::ToVerify;
    if (kind == "qsl") return ListKind::Qsl;
    if (kind == "lotw") return ListKind::Lotw;
    return std::nullopt;
}

int RunList(Context& ctx, const Args& args) {
    const std::optional<ListKind> kind = ParseKind(args.positional[0]);
    if (!kind) {
        ctx.err << "unknown list " << args.positional[0] << " (verified, to-verify, qsl or lotw)\n";
        return kUsage;
    }
    auto station = LoadStation(ctx, args.positional[1]);
    if (!station) return kFailed;
    const std::string call = args.Value("--call", station->Document().Call());
    if (kind == ListKind::ToVerify && Trim(call).empty()) {
        ShowError(ctx.prompter, "Brak znaku stacji, której dotyczy lista!\nPodaj go opcją --call.");
        return kFailed;
    }
    // The file named on the command line stands in for the save dialog; after a
    // No to replacing it there is no other name to choose.
    const std::string out = WithTxtWhenNoDot(AbsolutePath(args.positional[2]));
    if (AsksBeforeReplacing(*kind) && AskReplace(ctx.prompter, out) != Replace::Yes) {
        ShowError(ctx.prompter, "Plik " + out + " już istnieje i nie został zastąpiony.");
        return kFailed;
    }
    const ListRequest request{*kind, out, ListCall(call), ctx.clock.TodayShort()};
    return WriteList(station->Document(), request, ctx.prompter) ? kDone : kFailed;
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
