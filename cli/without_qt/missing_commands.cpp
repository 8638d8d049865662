// The commands that need Qt Gui (the PDF writer) or libcurl, in a build without them.
#include <ostream>

#include "command.h"

namespace zorva::cli {
namespace {

int RunPrint(Context& ctx, const Args&) {
    ctx.err << "print is not in this build of zorva: the PDF writer needs Qt Gui\n";
    return kFailed;
}

int RunLotw(Context& ctx, const Args&) {
    ctx.err << "lotw is not in this build of zorva: the download needs libcurl\n";
    return kFailed;
}

const bool registeredPrint = RegisterCommand({
    "print",
    "normal|simplified|verification FILE --pdf OUT [--mode M] [--call CALL]",
    "Not in this build: the PDF writer needs Qt Gui.",
    2,
    2,
    {{"--pdf", true, "the PDF file to write"},
     {"--mode", true, "complete (default), verified or to-verify"},
     {"--call", true, "the call printed in the title"}},
    RunPrint,
});

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
