#pragma once

#include <ctime>

namespace zorva {

// The calendar fields of a moment in the local time zone; safe from any thread.
std::tm LocalTime(std::time_t moment);

}  // namespace zorva
