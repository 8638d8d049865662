#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A moment on the user's clock, to the second.
struct LocalDateTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
    // Today in the user's short date format (the station file's first line).
    virtual std::string TodayShort() const = 0;
    virtual LocalDateTime Now() const = 0;
};

// The system clock; the short format is day.month.year as Polish systems set it.
class SystemClock : public Clock {
  public:
    CivilDate Today() const override;
    std::string TodayShort() const override;
    LocalDateTime Now() const override;
};

// "rrrr-mm-dd".
std::string IsoDate(const CivilDate& date);
// A real day written "rrrr-mm-dd", or nothing.
std::optional<CivilDate> ParseIsoDate(std::string_view text);

}  // namespace zorva
