#include <ostream>

#include "command.h"
#include "io/file_system.h"
#include "station/station.h"
#include "versions/version_list.h"
#include "versions/version_store.h"

namespace zorva::cli {
namespace {

int RunVersions(Context& ctx, const Args& args) {
    const std::string path = AbsolutePath(args.positional[0]);
    const VersionList versions = ListVersions(path);
    if (!versions.ok()) {
        ShowError(ctx.prompter, versions.error);
        return kFailed;
    }
    // A mistyped name must not pass for a file without versions; a deleted one still lists.
    if (versions.newestFirst.empty() && !FileExists(path)) {
        ShowError(ctx.prompter, "Plik \"" + path + "\" nie został znaleziony!");
        return kFailed;
    }
    for (const VersionEntry& version : versions.newestFirst) {
        ctx.out << version.name;
        if (!version.error.empty())
            ctx.out << "\t" << version.error;
        else
            for (const std::string& counter : version.counterTexts) ctx.out << "\t" << counter;
        ctx.out << "\n";
    }
    return kDone;
}

int RunRestore(Context& ctx, const Args& args) {
    const std::string& version = args.positional[1];
    const RestoreOutcome restored =
        RestoreVersion(AbsolutePath(args.positional[0]), version, ctx.clock.Now());
    if (!restored.ok()) {
        ShowError(ctx.prompter, restored.error);
        return kFailed;
    }
    ShowInformation(ctx.prompter, RestoredMessage(version, restored));
    return kDone;
}

const bool versionsRegistered = RegisterCommand({
    "versions",
    "FILE",
    "Lists the versions of FILE kept in kopie/<file name>/ beside it, newest first: one line\n"
    "each, the version's name, then the four counter texts of the status bar it would show\n"
    "(or, for a version that is no station file, why it cannot be restored), joined by a TAB.\n"
    "Changes nothing on disk.",
    1,
    1,
    {},
    RunVersions,
});

const bool restoreRegistered = RegisterCommand({
    "restore",
    "FILE VERSION",
    "Puts the version named VERSION (as \"versions\" lists it) in place of FILE. FILE is kept\n"
    "as a version first, so that the restore can be taken back by restoring that version.\n"
    "A version that does not read as a station file is refused.",
    2,
    2,
    {},
    RunRestore,
    StationInFirstArgument,
});

}  // namespace
}  // namespace zorva::cli
