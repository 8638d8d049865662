#include "lotw/lotw_command.h"

#include <QCoreApplication>
#include <cstdlib>
#include <optional>

#include "command.h"
#include "files/file_messages.h"
#include "import/import_series.h"
#include "io/file_lock.h"
#include "io/secret_memory.h"
#include "lotw/curl_http_fetcher.h"
#include "lotw/lotw_session.h"
#include "station/outside_change.h"
#include "station/station.h"
#include "system_keyring.h"

namespace zorva::cli {
namespace {

constexpr const char* kPasswordVariable = "ZORVA_LOTW_PASSWORD";

struct LotwOptions {
    std::optional<CivilDate> since;
    bool all = false;
    Confirmation priority = Confirmation::Qsl;
    std::optional<bool> extractLotw;
};

bool ParseOptions(const Args& args, LotwOptions& options, std::ostream& err) {
    const auto choice = [&](const std::string& option) -> std::optional<bool> {
        const std::string value = args.Value(option);
        if (value == "qsl" || value == "lotw") return value == "lotw";
        err << "zorva: " << option << " takes qsl or lotw\n";
        return std::nullopt;
    };
    if (args.Has("--since") && args.Has("--all")) {
        err << "zorva: --since and --all exclude each other\n";
        return false;
    }
    if (args.Has("--since")) {
        options.since = ParseIsoDate(args.Value("--since"));
        if (!options.since) {
            err << "zorva: --since takes a date YYYY-MM-DD\n";
            return false;
        }
    }
    options.all = args.Has("--all");
    if (args.Has("--priority")) {
        auto lotw = choice("--priority");
        if (!lotw) return false;
        options.priority = *lotw ? Confirmation::Lotw : Confirmation::Qsl;
    }
    if (args.Has("--extract")) {
        options.extractLotw = choice("--extract");
        if (!options.extractLotw) return false;
    }
    return true;
}

// From the environment, a file, or what the desktop program kept in the keyring.
std::optional<std::string> Password(Context& ctx, const Args& args, const std::string& login,
                                    Keyring& keyring) {
    if (const char* fromEnvironment = std::getenv(kPasswordVariable);
        fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    if (args.Has("--password-file")) {
        PasswordRead read = ReadPasswordFile(AbsolutePath(args.Value("--password-file")));
        if (read.ok()) return read.password;
        ShowError(ctx.prompter, read.fault.ok() ? kLotwNoPassword : FileErrorMessage(read.fault));
        return std::nullopt;
    }
    // The keyring answers through Qt's event loop.
    static int argc = 1;
    static char name[] = "zorva";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::optional<std::string> kept = keyring.Recall(login);
    if (!kept || kept->empty()) ShowError(ctx.prompter, kLotwNoPassword);
    return kept;
}

// The report as one import series of one LoTW file, as "zorva import" runs it.
bool ImportReport(Station& station, const std::string& report, const LotwOptions& options) {
    ImportSeriesRequest request;
    request.files = {report};
    request.source = ImportSource::Lotw;
    request.priority = options.priority;
    if (options.extractLotw)
        request.extract = *options.extractLotw ? Confirmation::Lotw : Confirmation::Qsl;
    return RunImportSeries(station, request);
}

// The station as it is now on the disk: the one loaded before the download when
// no other program saved the file meanwhile, else the file loaded again.
std::unique_ptr<Station> CurrentStation(Context& ctx, std::unique_ptr<Station> loaded) {
    const std::string path = loaded->Document().FileName();
    const ReadResult now = ReadWholeFile(path);
    if (now.ok() && loaded->Document().DiskVersions().read == VersionOf(path, now.bytes))
        return loaded;
    return LoadStation(ctx, path);
}

bool LockStation(Context& ctx, const std::string& path, FileLock& lock) {
    lock = FileLock::Acquire(path, kStationLockPatience);
    if (lock.Held() || lock.FolderMissing()) return true;
    ShowError(ctx.prompter, StationLockRefusal(path, lock));
    return false;
}

// The station is locked from its load to its save, never while the report
// arrives: a slow server must not keep every other program out.
int RunLotw(Context& ctx, const Args& args) {
    LotwOptions options;
    if (!ParseOptions(args, options, ctx.err)) return kUsage;
    KeepSecretsOutOfCoreDumps();
    const std::string path = AbsolutePath(args.positional[0]);
    FileLock lock;
    if (!LockStation(ctx, path, lock)) return kFailed;
    auto station = LoadStation(ctx, path);
    lock.Release();
    if (!station) return kFailed;
    const std::string call = station->Document().Call();
    const std::optional<LotwMemory> memory = RecallLotwFor(station->Document(), ctx.prompter);
    if (!memory) return kFailed;
    LotwDownloadParams params;
    params.login = args.Value("--login", memory->login);
    if (params.login.empty()) {
        ShowError(ctx.prompter, kLotwNoLogin);
        return kFailed;
    }
    SystemKeyring keyring;
    std::optional<std::string> password = Password(ctx, args, params.login, keyring);
    if (!password || password->empty()) return kFailed;
    params.password = *password;
    ClearSecret(*password);
    params.since =
        options.all ? std::nullopt : (options.since ? options.since : memory->lastDownload);
    params.today = ctx.clock.Today();

    LotwStationSteps steps;
    steps.importReport = [&](const std::string& report) {
        if (!LockStation(ctx, path, lock)) return false;
        station = CurrentStation(ctx, std::move(station));
        if (!station) return false;
        if (station->Document().Call() != call) {
            ShowError(ctx.prompter, "Plik " + path +
                                        "\nzostał w czasie pobierania zmieniony przez inny "
                                        "program i należy teraz do stacji " +
                                        station->Document().Call() + ".\nRaport " + report +
                                        " nie został wczytany.");
            return false;
        }
        return ImportReport(*station, report, options);
    };
    steps.save = [&] { return SaveStation(ctx, *station); };
    CurlHttpFetcher fetcher;
    const LotwPorts ports{fetcher, keyring, ctx.prompter};
    const LotwEnd end = DownloadAndImportFromLotw(station->Document(), params, ports, steps);
    return end == LotwEnd::Done ? kDone : kFailed;
}

const bool registered = RegisterCommand({
    "lotw",
    "FILE [--login NAME] [--since YYYY-MM-DD | --all] [--priority qsl|lotw] "
    "[--extract qsl|lotw] [--password-file F]",
    "\"Pobierz z LoTW...\": downloads the confirmations of the station FILE's call from LoTW,\n"
    "keeps the report beside FILE as <call>_lotw_<yyyy-mm-dd>.adi, imports it as a LoTW report\n"
    "(as zorva import does: bledy_dxcc.txt, extract, final message) and saves FILE. Then\n"
    "zorva_rade.ini remembers the day and the login for this station; nothing is remembered\n"
    "when the download, the import or the save fails.\n\n"
    "The password is taken from the environment variable ZORVA_LOTW_PASSWORD, else from the\n"
    "first line of --password-file, else from the system keyring, where the desktop program's\n"
    "\"Zapamiętaj hasło\" keeps it. It is never given as an argument.",
    1,
    1,
    {{"--login", true, "the LoTW login; default: the one remembered for this station"},
     {"--since", true,
      "confirmations received since that day; default: since the last download for this "
      "station, the first time all of them"},
     {"--all", false, "every confirmation, whatever was downloaded before"},
     {"--priority", true, "qsl (default) or lotw: which confirmation a filled row may take"},
     {"--extract", true, "qsl or lotw: write that ADIF extract beside the report"},
     {"--password-file", true, "a file whose first line is the password"}},
    RunLotw,
});

}  // namespace
}  // namespace zorva::cli
