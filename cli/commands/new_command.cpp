#include <ostream>

#include "command.h"
#include "io/file_system.h"
#include "station/call_prompt.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva::cli {
namespace {

bool IsExistingFileQuestion(const MessageBox& box) {
    return box.text.rfind("Plik dla ", 0) == 0 && box.buttons == Buttons::YesNoCancel;
}

int RunNew(Context& ctx, const Args& args) {
    const std::string call = args.positional[0];
    if (Trim(call).empty()) {
        ShowError(ctx.prompter, "Znak stacji nie może być pusty!");
        return kFailed;
    }
    Station station(ctx.prompter, ctx.clock, ctx.home);
    const std::string path = station.ProgramFile(StationFileNameForCall(call));
    const bool replace = args.Has("--replace");
    if (FileExists(path) && !replace) {
        ShowError(ctx.prompter,
                  "Plik " + path + " już istnieje.\nUżyj --replace, aby go zastąpić.");
        return kFailed;
    }
    ctx.prompter.QueueInput(call);
    // A call the file cannot hold is refused with its message, and not asked for again.
    ctx.prompter.QueueInput(std::nullopt);
    ctx.prompter.SetOverride([](const MessageBox& box) -> std::optional<Answer> {
        if (IsExistingFileQuestion(box)) return Answer::No;  // --replace: a new file in its place
        return std::nullopt;
    });
    station.New();
    ctx.prompter.SetOverride(nullptr);
    if (station.currentFileName != path || !station.texts.fileCommandsEnabled) return kFailed;
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
