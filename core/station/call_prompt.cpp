#include "station/call_prompt.h"

#include "text/columns.h"
#include "text/cp1250.h"

namespace zorva {

std::optional<std::string> AskStationCall(Prompter& prompter) {
    for (;;) {
        auto answer = prompter.Input("Identyfikacja stacji", "Podaj swój znak:", "");
        if (!answer || FitsCp1250(*answer)) return answer;
        ShowError(prompter, "Symbolu \"" + FirstUnencodable(*answer) +
                                "\" nie można zapisać w pliku stacji (kodowanie Windows-1250).\n"
                                "Podaj znak stacji bez tego symbolu.");
    }
}

std::string StationFileNameForCall(const std::string& call) {
    std::string name = ToLowerText(call);
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    return name + ".txt";
}

}  // namespace zorva
