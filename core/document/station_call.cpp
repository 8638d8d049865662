#include "document/station_call.h"

#include "text/columns.h"
#include "text/cp1250.h"
#include "text/typed_value.h"

namespace zorva {

std::optional<std::string> StationCallRefusal(const std::string& call) {
    // The header ends the call at its first blank, so the rest would be lost at the next load.
    if (call.find(' ') != std::string::npos)
        return std::string("Znak stacji nie może zawierać spacji.\nPodaj znak stacji bez spacji.");
    if (auto control = ControlSymbol(call)) {
        return "Znak stacji zawiera " + *control +
               ", którego nie można zapisać w pliku stacji.\nPodaj znak stacji bez tego symbolu.";
    }
    if (FitsCp1250(call)) return std::nullopt;
    return "Symbolu \"" + FirstUnencodable(call) +
           "\" nie można zapisać w pliku stacji (kodowanie Windows-1250).\n"
           "Podaj znak stacji bez tego symbolu.";
}

std::string StationFileNameForCall(const std::string& call) {
    std::string name = ToLowerText(call);
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    return name + ".txt";
}

}  // namespace zorva
