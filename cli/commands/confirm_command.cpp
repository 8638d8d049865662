#include <ostream>

#include "command.h"
#include "entry/entry_dialog.h"
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

// The station loaded with every entity in the grid, and the entity's grid row made current.
std::unique_ptr<Station> LoadAndSelect(Context& ctx, const std::string& file,
                                       const std::string& adif) {
    auto station = LoadStation(ctx, file, [](Station& s) {
        s.viewMode = ViewMode::AllEntities;
        s.hideDeleted = false;
    });
    if (!station) return nullptr;
    for (int r = 1; r <= station->grid.DataRowCount(); ++r) {
        if (station->grid.DataRow(r).adif == adif) {
            station->SelectRow(r);
            return station;
        }
    }
    ShowError(ctx.prompter, "Brak podmiotu o numerze ADIF " + Trim(adif) + "!");
    return nullptr;
}

int AcceptAndSave(Context& ctx, Station& station, EntryDialog& dialog, const std::string& callField,
                  const std::string& dateField, ConfirmationMethod method) {
    if (!dialog.Accept(callField, dateField, method).accepted) return kFailed;
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
        ShowError(ctx.prompter, "Znak może mieć najwyżej 15 znaków!");
        return kFailed;
    }
    const auto dateField = DateFieldFromTyped(args.Value("--date"));
    if (!dateField) {
        ShowError(ctx.prompter, "Data łączności ma postać rrrr-mm-dd!");
        return kFailed;
    }
    auto station = LoadAndSelect(ctx, args.positional[0], adif);
    if (!station) return kFailed;
    EntryDialog dialog(*station);
    if (!dialog.Open()) return kFailed;
    const auto method = args.Has("--lotw") ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    return AcceptAndSave(ctx, *station, dialog, *callField, *dateField, method);
}

int RunClear(Context& ctx, const Args& args) {
    std::string adif;
    if (!ParseAdif(args.positional[1], adif)) {
        ctx.err << "zorva: ADIF is the entity's number, one to three digits\n";
        return kUsage;
    }
    auto station = LoadAndSelect(ctx, args.positional[0], adif);
    if (!station) return kFailed;
    EntryDialog dialog(*station);
    if (!dialog.Open()) return kFailed;
    // Nothing to remove; the file stays as it is.
    if (!dialog.WasConfirmed()) return kDone;
    const std::string& date = dialog.Form().date;
    const std::string dateField = DateFieldFromTyped(date).value_or(PadCut(date, kDateFieldWidth));
    return AcceptAndSave(ctx, *station, dialog, std::string(kCallFieldWidth, ' '), dateField,
                         dialog.Form().method);
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
