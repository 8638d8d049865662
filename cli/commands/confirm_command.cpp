#include <ostream>

#include "command.h"
#include "document/entity_fields.h"
#include "entry/typed_fields.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

// "230" or "007" as the grid's three-character, right-aligned key.
bool ParseAdif(const std::string& text, std::string& adif) {
    const auto digits = ParseAdifNumber(text);
    if (!digits) return false;
    adif = PadLeft(*digits, 3);
    return true;
}

// The outcome's refusal shown, or the station saved.
int SaveUnlessRefused(Context& ctx, Station& station, const Outcome& outcome) {
    if (!outcome.ok()) {
        ShowError(ctx.prompter, outcome.refusal);
        return kFailed;
    }
    return SaveStation(ctx, station) ? kDone : kFailed;
}

int RunConfirm(Context& ctx, const Args& args) {
    std::string adif;
    if (!ParseAdif(args.positional[1], adif)) {
        ctx.err << "zorva: ADIF is the entity's number, one to three digits\n";
        return kUsage;
    }
    if (!args.Has("--call") || !args.Has("--date")) {
        ctx.err << "zorva: confirm needs --call CALL and --date rrrr-mm-dd\n";
        return kUsage;
    }
    const auto callField = CallFieldFromTyped(args.Value("--call"));
    if (!callField) {
        ShowError(ctx.prompter, kCallTooLong);
        return kFailed;
    }
    const auto dateField = DateFieldFromTyped(args.Value("--date"));
    if (!dateField) {
        ShowError(ctx.prompter, kDateNotMasked);
        return kFailed;
    }
    auto station = LoadStation(ctx, args.positional[0]);
    if (!station) return kFailed;
    const auto method = args.Has("--lotw") ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    return SaveUnlessRefused(ctx, *station,
                             station->Document().Confirm(adif, *callField, *dateField, method));
}

int RunClear(Context& ctx, const Args& args) {
    std::string adif;
    if (!ParseAdif(args.positional[1], adif)) {
        ctx.err << "zorva: ADIF is the entity's number, one to three digits\n";
        return kUsage;
    }
    auto station = LoadStation(ctx, args.positional[0]);
    if (!station) return kFailed;
    const ConfirmOutcome cleared = station->Document().Clear(adif);
    // Nothing to remove; the file stays as it is.
    if (cleared.ok() && !cleared.changed) return kDone;
    return SaveUnlessRefused(ctx, *station, cleared);
}

const bool confirmRegistered = RegisterCommand({
    "confirm",
    "FILE ADIF --call CALL --date DATE [--lotw]",
    "Records the confirmation of the entity numbered ADIF (e.g. 230), as \"Zatwierdź\" of the "
    "entry\n"
    "dialog does: the call and the date (rrrr-mm-dd) go through the same checks and messages.\n"
    "A verified entity is refused.",
    2,
    2,
    {{"--call", true, "the call of the station worked (at most 15 characters)"},
     {"--date", true, "the QSO date, rrrr-mm-dd"},
     {"--lotw", false, "confirmed by LoTW (default: QSL card)"}},
    RunConfirm,
    StationInFirstArgument,
});

const bool clearRegistered = RegisterCommand({
    "clear",
    "FILE ADIF",
    "Removes the confirmation of the entity numbered ADIF, as emptying the call field of the "
    "entry\n"
    "dialog does. A verified entity is refused; an unconfirmed one is left as it is.",
    2,
    2,
    {},
    RunClear,
    StationInFirstArgument,
});

}  // namespace
}  // namespace zorva::cli
