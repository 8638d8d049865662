#pragma once

#include <optional>
#include <string>

namespace zorva {

// The read, write and search bits of a file or folder (links followed), where
// the system keeps such bits for each user class.
std::optional<unsigned> PermissionBitsOf(const std::string& path);

}  // namespace zorva
