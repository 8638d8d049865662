// Windows guards files with access lists, which a new file inherits from its folder.
#include "io/permission_bits.h"

namespace zorva {

std::optional<unsigned> PermissionBitsOf(const std::string&) {
    return std::nullopt;
}

}  // namespace zorva
