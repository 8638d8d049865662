#include "versions/keeping_rule.h"

#include <set>
#include <tuple>

namespace zorva {

std::vector<VersionName> VersionsToDrop(const std::vector<VersionName>& newestFirst,
                                        const CivilDate& today) {
    std::vector<VersionName> dropped;
    std::set<std::tuple<int, int, int>> daysSeen;
    for (size_t i = 0; i < newestFirst.size(); ++i) {
        const CivilDate& day = newestFirst[i].time.date;
        const bool newestOfDay = daysSeen.insert({day.year, day.month, day.day}).second;
        const bool recentDay = DaysBetween(day, today) < kDailyVersionDays;
        if (i < kRecentVersionsKept || (newestOfDay && recentDay)) continue;
        dropped.push_back(newestFirst[i]);
    }
    return dropped;
}

}  // namespace zorva
