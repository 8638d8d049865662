#pragma once

#include <string>

namespace zorva::fuzz {

// A few entities in prefix order as the reference file holds them (Windows-1250, CR LF).
std::string SmallReferenceBytes();
// A station file of the same entities with a few confirmations.
std::string SmallStationBytes();

}  // namespace zorva::fuzz
