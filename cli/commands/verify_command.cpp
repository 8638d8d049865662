#include "command.h"
#include "document/entity_fields.h"
#include "station/station.h"

namespace zorva::cli {
namespace {

int RunVerify(Context& ctx, const Args& args) {
    auto station = LoadStation(ctx, args.positional[0]);
    if (!station) return kFailed;
    if (!station->Document().HasRowsToVerify()) {
        ShowError(ctx.prompter, kNothingToVerify);
        return kFailed;
    }
    const std::string date = args.Has("--date") ? args.Value("--date") : IsoDate(ctx.clock.Today());
    const Outcome verified = station->Document().Verify(date);
    if (!verified.ok()) {
        ShowError(ctx.prompter, verified.refusal);
        return kFailed;
    }
    return SaveStation(ctx, *station) ? kDone : kFailed;
}

const bool registered = RegisterCommand({
    "verify",
    "FILE [--date TEXT]",
    "\"Weryfikacja danych\": stamps one verification date into every confirmed entity that is not\n"
    "verified yet (deleted entities included) and saves the file. The text is stored padded or "
    "cut\n"
    "to 10 characters; one whose 10 characters are blank, or that holds a control character, is\n"
    "refused.",
    1,
    1,
    {{"--date", true, "the verification date (default: today as rrrr-mm-dd)"}},
    RunVerify,
    StationInFirstArgument,
});

}  // namespace
}  // namespace zorva::cli
