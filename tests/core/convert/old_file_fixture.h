#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "convert/old_entity_lists.h"
#include "text/columns.h"

namespace zorva::testing {

// What an old file holds at one data-line position.
struct OldConfirmation {
    OldConfirmation(std::string c = {}, std::string q = {}, std::string v = {}, std::string k = {})
        : call(std::move(c)),
          qsoDate(std::move(q)),
          verifiedDate(std::move(v)),
          key(std::move(k)) {}

    std::string call;
    std::string qsoDate;
    std::string verifiedDate;
    std::string key;  // empty: the list's own key for that position
};

// A 71-character data line as the previous version wrote it.
inline std::string OldDataLineText(std::string_view key, const OldConfirmation& c = {}) {
    return " " + std::string(key) + PadCut(c.call, 15) + "|" + PadCut(c.qsoDate, 10) + "|" +
           PadCut(c.verifiedDate, 10) + "|";
}

// The lines of an old station file against the given list, its first `count`
// keys used, with the confirmations given by position.
template <size_t N>
std::vector<std::string> OldFileLines(const std::array<std::string_view, N>& list,
                                      const std::string& thirdLine,
                                      const std::map<size_t, OldConfirmation>& confirmed = {},
                                      size_t count = N) {
    std::vector<std::string> lines = {
        ";SP9ABC Zestawienie podmiotow", ";", thirdLine, ";", ";Prefiks Podmiot", ";", ";-----"};
    for (size_t p = 0; p < count; ++p) {
        auto found = confirmed.find(p);
        if (found == confirmed.end()) {
            lines.push_back(OldDataLineText(list[p]));
            continue;
        }
        const OldConfirmation& c = found->second;
        lines.push_back(OldDataLineText(c.key.empty() ? list[p] : std::string_view(c.key), c));
    }
    return lines;
}

inline const std::string k2001Line = ";(na dzien 10.11.2001)";
inline const std::string k2006Line = ";(na dzien 01.08.2006) lista ZORVA";

}  // namespace zorva::testing
