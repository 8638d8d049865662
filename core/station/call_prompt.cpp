#include "station/call_prompt.h"

#include "document/station_call.h"
#include "text/columns.h"

namespace zorva {

std::optional<std::string> AskStationCall(Prompter& prompter) {
    for (;;) {
        auto answer = prompter.Input("Identyfikacja stacji", "Podaj swój znak:", "");
        if (!answer) return answer;
        // A call of blanks alone would name a file "  .txt": it counts as no call.
        if (Trim(*answer).empty()) return std::string();
        const auto refusal = StationCallRefusal(*answer);
        if (!refusal) return answer;
        ShowError(prompter, *refusal);
    }
}

}  // namespace zorva
