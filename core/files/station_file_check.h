#pragma once

#include <string>
#include <string_view>

namespace zorva {

// Why bytes cannot stand in for a station file: what the reader refuses in them,
// or that they hold no entity row. Empty when they can.
std::string WhyNotAStationFile(std::string_view bytes);

}  // namespace zorva
