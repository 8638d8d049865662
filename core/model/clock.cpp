#include "ports/clock.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "io/local_time.h"

namespace zorva {

CivilDate SystemClock::Today() const {
    return Now().date;
}

LocalDateTime SystemClock::Now() const {
    const std::tm local = LocalTime(std::time(nullptr));
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            local.tm_hour,
            local.tm_min,
            // A leap second shows as the second before it.
            std::min(local.tm_sec, 59)};
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

std::optional<CivilDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {};
    const std::pair<size_t, size_t> fields[3] = {{0, 4}, {5, 2}, {8, 2}};
    for (int i = 0; i < 3; ++i) {
        const char* begin = text.data() + fields[i].first;
        const char* end = begin + fields[i].second;
        auto [stop, error] = std::from_chars(begin, end, parts[i]);
        if (error != std::errc() || stop != end) return std::nullopt;
    }
    CivilDate date{parts[0], parts[1], parts[2]};
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > kDays[date.month - 1] ||
        (date.month == 2 && date.day == 29 && !leap))
        return std::nullopt;
    return date;
}

}  // namespace zorva
