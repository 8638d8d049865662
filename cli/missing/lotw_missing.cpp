// "lotw" in a build without libcurl, which the download needs.
#include <ostream>

#include "command.h"

namespace zorva::cli {
namespace {

int RunLotw(Context& ctx, const Args&) {
    ctx.err << "lotw is not in this build of zorva: the download needs libcurl\n";
    return kFailed;
}

const bool registeredLotw = RegisterCommand({
    "lotw",
    "FILE [options]",
    "Not in this build: the LoTW download needs libcurl.",
    1,
    1,
    {{"--login", true, ""},
     {"--since", true, ""},
     {"--all", false, ""},
     {"--priority", true, ""},
     {"--extract", true, ""},
     {"--password-file", true, ""}},
    RunLotw,
});

}  // namespace
}  // namespace zorva::cli
