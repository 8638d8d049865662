#pragma once

#include <string>
#include <string_view>

namespace zorva {

// The date written when an old QSO date cannot be read: "????-??-??", split so
// that no "??-" trigraph is seen.
inline constexpr const char* kUnknownDate =
    "????"
    "-"
    "??"
    "-"
    "??";

// An old file's day.month.year date (four- or two-digit year) as year-month-day.
// Two-digit years 00-50 are taken as 20xx, 51-99 as 19xx.
std::string ConvertOldQsoDate(std::string_view date);

// Old verification dates may already be year-month-day; those and any text of an
// unexpected length stay as they are, an empty one stays empty.
std::string ConvertOldVerificationDate(std::string_view date);

}  // namespace zorva
