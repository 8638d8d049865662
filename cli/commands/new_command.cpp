#include <ostream>

#include "command.h"
#include "document/station_call.h"
#include "io/file_system.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

int RunNew(Context& ctx, const Args& args) {
    const std::string call = args.positional[0];
    if (Trim(call).empty()) {
        ShowError(ctx.prompter, "Znak stacji nie może być pusty!");
        return kFailed;
    }
    Station station(ctx.prompter, ctx.clock, ctx.home);
    const std::string path = station.Document().ProgramFile(StationFileNameForCall(call));
    if (FileExists(path) && !args.Has("--replace")) {
        ShowError(ctx.prompter,
                  "Plik " + path + " już istnieje.\nUżyj --replace, aby go zastąpić.");
        return kFailed;
    }
    const Outcome created = station.Document().Create(call);
    if (!created.ok()) {
        ShowError(ctx.prompter, created.refusal);
        return kFailed;
    }
    if (!SaveStation(ctx, station)) return kFailed;
    ctx.out << path << "\n";
    return kDone;
}

const bool registered = RegisterCommand({
    "new",
    "CALL [--replace]",
    "Creates CALL-in-lower-case.txt (\"/\" and \"\\\" made \"_\") in the program\n"
    "directory from the reference file (dxcc_adif.kvt), as \"Nowy\" does, and saves it.\n"
    "Prints the path of the new file.",
    1,
    1,
    {{"--replace", false, "replace an existing file of that call"}},
    RunNew,
});

}  // namespace
}  // namespace zorva::cli
