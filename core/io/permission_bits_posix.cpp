#include <sys/stat.h>

#include "io/permission_bits.h"

namespace zorva {

std::optional<unsigned> PermissionBitsOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return static_cast<unsigned>(st.st_mode & 0777);
}

}  // namespace zorva
