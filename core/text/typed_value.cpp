#include "text/typed_value.h"

#include <algorithm>

#include "text/cp1250.h"

namespace zorva {

std::optional<std::string> ControlSymbol(std::string_view text) {
    const auto found = std::find_if(text.begin(), text.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
    if (found == text.end()) return std::nullopt;
    return "symbol sterujący (kod " + std::to_string(static_cast<unsigned char>(*found)) + ")";
}

std::optional<std::string> UnstorableSymbol(std::string_view utf8) {
    if (auto control = ControlSymbol(utf8)) return control;
    if (!FitsCp1250(utf8)) return "symbol \"" + FirstUnencodable(utf8) + "\"";
    return std::nullopt;
}

}  // namespace zorva
