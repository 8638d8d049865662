#include <ostream>

#include "command.h"
#include "convert/convert.h"
#include "files/station_file_check.h"
#include "io/bounded_read.h"
#include "io/file_system.h"
#include "station/station.h"

namespace zorva::cli {
namespace {

bool IsPreviousVersionFile(const std::string& path) {
    ReadResult raw = ReadFileUpTo(path, kStationFileMaxBytes);
    if (!raw.ok()) return false;
    const CheckedStationFile checked = CheckStationFile(raw.bytes);
    return checked.fault == StationFault::BadLine && IsPreviousVersionLine(checked.detail);
}

// Loads the file as the desktop program does: its question about the previous
// version, answered Yes, converts it and reads it again.
int RunConvert(Context& ctx, const Args& args) {
    const std::string path = AbsolutePath(args.positional[0]);
    if (!FileExists(path)) {
        ShowError(ctx.prompter, "Plik \"" + path + "\" nie został znaleziony lub jest otwarty!");
        return kFailed;
    }
    if (!IsPreviousVersionFile(path)) {
        ShowError(ctx.prompter,
                  "Plik " + path +
                      "\nnie pochodzi z poprzedniej wersji programu i nie wymaga konwersji.");
        return kFailed;
    }
    // The exit tells only whether the file was rewritten: what the reading of the new
    // file reports is shown, but counts against nothing.
    TerminalPrompter prompter = ctx.prompter;
    Context reading{prompter, ctx.clock, ctx.home, ctx.out, ctx.err};
    bool rewritten = false;
    LoadStation(reading, path, [&rewritten](Station& station) {
        station.convertOldFile = [&rewritten](Station& s) {
            Station::ConversionHook(ConvertOldFile)(s);
            rewritten = !s.conversionFailed;
        };
    });
    if (!rewritten) return kFailed;
    ctx.out << path << "\n";
    return kDone;
}

const bool registered = RegisterCommand({
    "convert",
    "FILE",
    "Converts a station file of the previous version in place, keeping FILE~ as its backup, after\n"
    "the desktop program's questions (answer them with --yes): whether to convert, and, when its\n"
    "entity names or prefixes are spelt otherwise than in the old list, whether to convert by the\n"
    "lines' positions. The new file holds the entities of dxcc_adif_backup.kvt in the program\n"
    "directory. Prints the path of the converted file.",
    1,
    1,
    {},
    RunConvert,
    StationInFirstArgument,
});

}  // namespace
}  // namespace zorva::cli
