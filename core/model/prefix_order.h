#pragma once

#include <string>

namespace zorva {

// The key prefixes are ordered by: their Windows-1250 character codes, as the
// files hold them, a leading part of a prefix being the smaller ("3D2" < "3D2/C").
std::string PrefixKey(const std::string& prefix);

}  // namespace zorva
