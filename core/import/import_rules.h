#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/confirmation.h"

namespace zorva {

enum class ImportSource { Log, Lotw };

// A QSL_RCVD or LOTW_QSL_RCVD value confirms when it begins with "y" or "v" (verified for
// award credit) in either case.
inline bool IsReceived(std::optional<std::string_view> flag) {
    if (!flag || flag->empty()) return false;
    const char c = (*flag)[0];
    return c == 'y' || c == 'Y' || c == 'v' || c == 'V';
}

// The DXCC value as an entity number 1..999, or 0 when it is missing or not one.
int ParseEntityNumber(std::optional<std::string_view> value);

// YYYYMMDD as "rrrr-mm-dd"; a missing or empty value gives an empty date.
std::string FormatQsoDate(std::optional<std::string_view> value);

// The method written into an empty row.
Confirmation NewEntryConfirmation(ImportSource source, Confirmation priority, bool qslReceived,
                                  bool lotwReceived);

// The method that replaces a filled row's confirmation, or nothing when the row stays.
std::optional<Confirmation> ReplacementConfirmation(ImportSource source, Confirmation priority,
                                                    std::string_view rowConfirmation,
                                                    bool qslReceived, bool lotwReceived);

// The input path without its extension, then "_qsl.adi" or "_lotw.adi".
std::string ExtractPath(const std::string& inputPath, Confirmation method);

}  // namespace zorva
