#pragma once

#include <vector>

#include "versions/version_name.h"

namespace zorva {

// The newest versions are all kept; of the older ones, the newest of each day,
// while that day is less than kDailyVersionDays before today.
inline constexpr size_t kRecentVersionsKept = 20;
inline constexpr int kDailyVersionDays = 60;

// Of the versions, newest first, those the keeping rule lets go.
std::vector<VersionName> VersionsToDrop(const std::vector<VersionName>& newestFirst,
                                        const CivilDate& today);

}  // namespace zorva
