#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/clock.h"

namespace zorva {

// A kept version is named for the moment it was kept: "rrrr-mm-dd_ggmmss.txt". A
// second version within the same second is "rrrr-mm-dd_ggmmss_2.txt", then "_3", ...
struct VersionName {
    LocalDateTime time;
    int sequence = 1;
};

std::string FormatVersionName(const VersionName& name);
// Only names the program itself would give; anything else is not a version.
std::optional<VersionName> ParseVersionName(std::string_view text);
bool IsNewer(const VersionName& a, const VersionName& b);

// "rrrr-mm-dd gg:mm:ss".
std::string DateTimeText(const LocalDateTime& time);

// Whole days from `from` to `to` (negative when `to` is earlier).
int DaysBetween(const CivilDate& from, const CivilDate& to);

}  // namespace zorva
