#include "versions/keeping_rule.h"

#include <set>
#include <tuple>

namespace zorva {

std::vector<VersionName> VersionsToDrop(const std::vector<VersionName>& newestFirst,
                                        const VersionName& justKept) {
    std::vector<VersionName> dropped;
    std::set<std::tuple<int, int, int>> daysSeen;
    const CivilDate& today = justKept.time.date;
    size_t counted = 0;
    for (const VersionName& version : newestFirst) {
        if (IsNewer(version, justKept)) continue;
        const CivilDate& day = version.time.date;
        const bool newestOfDay = daysSeen.insert({day.year, day.month, day.day}).second;
        const bool recentDay = DaysBetween(day, today) < kDailyVersionDays;
        if (counted++ < kRecentVersionsKept || (newestOfDay && recentDay)) continue;
        dropped.push_back(version);
    }
    return dropped;
}

}  // namespace zorva
