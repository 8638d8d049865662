// "print" in a build without Qt Gui, which the PDF writer needs.
#include <ostream>

#include "command.h"

namespace zorva::cli {
namespace {

int RunPrint(Context& ctx, const Args&) {
    ctx.err << "print is not in this build of zorva: the PDF writer needs Qt Gui\n";
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

}  // namespace
}  // namespace zorva::cli
