#pragma once

#include <array>

namespace zorva {

// For each data-line position of an old station file (counted from 0), the ADIF
// number of the entity that line holds. Each map is a permutation.
extern const std::array<int, 393> PositionMap2001;  // the entity list of 10.11.2001
extern const std::array<int, 395> PositionMap2006;  // the entity list of 01.08.2006

}  // namespace zorva
