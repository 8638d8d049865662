#include "ports/clock.h"

#include <cstdio>
#include <ctime>

namespace zorva {

CivilDate SystemClock::Today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string SystemClock::TodayShort() const {
    CivilDate d = Today();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buffer;
}

std::string IsoDate(const CivilDate& d) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buffer;
}

}  // namespace zorva
