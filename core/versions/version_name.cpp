#include "versions/version_name.h"

#include <chrono>
#include <cstdio>
#include <tuple>

namespace zorva {
namespace {

constexpr std::string_view kExtension = ".txt";

std::chrono::year_month_day YearMonthDay(const CivilDate& date) {
    return std::chrono::year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{static_cast<unsigned>(date.month)},
                                       std::chrono::day{static_cast<unsigned>(date.day)}};
}

auto SortKey(const VersionName& n) {
    const LocalDateTime& t = n.time;
    return std::tie(t.date.year, t.date.month, t.date.day, t.hour, t.minute, t.second, n.sequence);
}

// Reads "rrrr-mm-dd_ggmmss" and an optional "_n"; the round trip through
// FormatVersionName then turns away anything written differently.
std::optional<VersionName> Scan(std::string_view stem) {
    const std::string text(stem);
    VersionName n;
    LocalDateTime& t = n.time;
    int used = 0;
    const int fields =
        std::sscanf(text.c_str(), "%4d-%2d-%2d_%2d%2d%2d%n_%d%n", &t.date.year, &t.date.month,
                    &t.date.day, &t.hour, &t.minute, &t.second, &used, &n.sequence, &used);
    if (fields < 6 || static_cast<size_t>(used) != text.size()) return std::nullopt;
    return n;
}

bool IsRealTime(const LocalDateTime& t) {
    return YearMonthDay(t.date).ok() && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
           t.minute < 60 && t.second >= 0 && t.second < 60;
}

}  // namespace

std::string FormatVersionName(const VersionName& name) {
    const LocalDateTime& t = name.time;
    char text[128];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d", t.date.year, t.date.month,
                  t.date.day, t.hour, t.minute, t.second);
    std::string result = text;
    if (name.sequence > 1) result += "_" + std::to_string(name.sequence);
    return result + std::string(kExtension);
}

std::optional<VersionName> ParseVersionName(std::string_view text) {
    if (!text.ends_with(kExtension)) return std::nullopt;
    std::optional<VersionName> name = Scan(text.substr(0, text.size() - kExtension.size()));
    if (!name || name->sequence < 1 || !IsRealTime(name->time)) return std::nullopt;
    if (FormatVersionName(*name) != text) return std::nullopt;
    return name;
}

bool IsNewer(const VersionName& a, const VersionName& b) {
    return SortKey(a) > SortKey(b);
}

std::string DateTimeText(const LocalDateTime& time) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", IsoDate(time.date).c_str(), time.hour,
                  time.minute, time.second);
    return text;
}

int DaysBetween(const CivilDate& from, const CivilDate& to) {
    const std::chrono::sys_days days = YearMonthDay(to), since = YearMonthDay(from);
    return static_cast<int>((days - since).count());
}

}  // namespace zorva
