#include "station/call_prompt.h"

#include "text/columns.h"
#include "text/cp1250.h"
#include "text/typed_value.h"

namespace zorva {
namespace {

// The refusal of a call that the station file could not hold; nothing when it may be stored.
std::optional<std::string> CallRefusal(const std::string& call) {
    if (auto control = ControlSymbol(call)) {
        return "Znak stacji zawiera " + *control +
               ", którego nie można zapisać w pliku stacji.\nPodaj znak stacji bez tego symbolu.";
    }
    if (FitsCp1250(call)) return std::nullopt;
    return "Symbolu \"" + FirstUnencodable(call) +
           "\" nie można zapisać w pliku stacji (kodowanie Windows-1250).\n"
           "Podaj znak stacji bez tego symbolu.";
}

}  // namespace

std::optional<std::string> AskStationCall(Prompter& prompter) {
    for (;;) {
        auto answer = prompter.Input("Identyfikacja stacji", "Podaj swój znak:", "");
        if (!answer) return answer;
        // A call of blanks alone would name a file "  .txt": it counts as no call.
        if (Trim(*answer).empty()) return std::string();
        const auto refusal = CallRefusal(*answer);
        if (!refusal) return answer;
        ShowError(prompter, *refusal);
    }
}

std::string StationFileNameForCall(const std::string& call) {
    std::string name = ToLowerText(call);
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    return name + ".txt";
}

}  // namespace zorva
