#pragma once

#include <vector>

#include "versions/version_name.h"

namespace zorva {

// The newest versions are all kept; of the older ones, the newest of each day,
// while that day is less than kDailyVersionDays before today.
inline constexpr size_t kRecentVersionsKept = 20;
inline constexpr int kDailyVersionDays = 60;

// Of the versions, newest first, those the keeping rule lets go right after
// `justKept` was written, named for the present moment. Versions named later (a
// clock once set ahead) are kept but count for nothing, so they never push out
// today's, and `justKept` itself is never let go.
std::vector<VersionName> VersionsToDrop(const std::vector<VersionName>& newestFirst,
                                        const VersionName& justKept);

}  // namespace zorva
