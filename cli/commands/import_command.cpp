#include "command.h"
#include "import/import_series.h"
#include "station/station.h"

namespace zorva::cli {
namespace {

bool ParseChoice(const Args& args, const std::string& option, const std::string& first,
                 const std::string& second, bool& isSecond, std::ostream& err) {
    if (!args.Has(option)) return true;
    const std::string value = args.Value(option);
    if (value != first && value != second) {
        err << "zorva: " << option << " takes " << first << " or " << second << "\n";
        return false;
    }
    isSecond = value == second;
    return true;
}

int RunImport(Context& ctx, const Args& args) {
    bool lotwSource = false;
    bool lotwPriority = false;
    bool lotwExtract = false;
    if (!ParseChoice(args, "--source", "log", "lotw", lotwSource, ctx.err) ||
        !ParseChoice(args, "--priority", "qsl", "lotw", lotwPriority, ctx.err) ||
        !ParseChoice(args, "--extract", "qsl", "lotw", lotwExtract, ctx.err))
        return kUsage;
    auto station = LoadStation(ctx, args.positional[0]);
    if (!station) return kFailed;

    ImportSeriesRequest request;
    if (args.Has("--source")) request.source = lotwSource ? ImportSource::Lotw : ImportSource::Log;
    request.priority = lotwPriority ? Confirmation::Lotw : Confirmation::Qsl;
    if (args.Has("--extract"))
        request.extract = lotwExtract ? Confirmation::Lotw : Confirmation::Qsl;
    request.includeDeleted = args.Has("--include-deleted");
    for (size_t i = 1; i < args.positional.size(); ++i)
        request.files.push_back(AbsolutePath(args.positional[i]));
    if (!RunImportSeries(*station, request)) return kFailed;
    return SaveStation(ctx, *station) ? kDone : kFailed;
}

const bool registered = RegisterCommand({
    "import",
    "FILE ADIFFILE... [--source log|lotw] [--priority qsl|lotw] [--extract qsl|lotw] "
    "[--include-deleted]",
    "\"Import danych\": one import series over the ADIF files in order, into the station FILE,\n"
    "which is then saved. Rejected records are listed in bledy_dxcc.txt in the program\n"
    "directory; --extract writes the records that filled QSL (or LoTW) rows beside the last\n"
    "file, named after it without its extension plus _qsl.adi or _lotw.adi.",
    2,
    SIZE_MAX,
    {{"--source", true, "log (own log) or lotw (LoTW report); default: lotw for a LoTW report"},
     {"--priority", true, "qsl (default) or lotw: which confirmation a filled row may take"},
     {"--extract", true, "qsl or lotw: write that ADIF extract"},
     {"--include-deleted", false, "put deleted entities into the extract too"}},
    RunImport,
    StationInFirstArgument,
});

}  // namespace
}  // namespace zorva::cli
