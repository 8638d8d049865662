#pragma once

#include <array>
#include <string_view>

namespace zorva {

// The entity keys ("|" + prefix (5) + "|" + name (24) + "|") of the entity lists
// that the previous version wrote its station files against, in list order.
extern const std::array<std::string_view, 393> rade1;  // the list of 10.11.2001
extern const std::array<std::string_view, 395> rade2;  // the list of 01.08.2006

}  // namespace zorva
