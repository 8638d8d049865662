#pragma once

#include <optional>
#include <string_view>

namespace zorva {

// How a contact was confirmed: by a QSL card or through LoTW.
enum class Confirmation { Qsl, Lotw };

// The method's text in the station file, the grid and the lists.
constexpr const char* TextOf(Confirmation method) {
    return method == Confirmation::Lotw ? "LoTW" : "QSL";
}

// The method a confirmation column names exactly, or nothing (empty, or another text).
constexpr std::optional<Confirmation> ConfirmationOf(std::string_view text) {
    if (text == TextOf(Confirmation::Qsl)) return Confirmation::Qsl;
    if (text == TextOf(Confirmation::Lotw)) return Confirmation::Lotw;
    return std::nullopt;
}

}  // namespace zorva
