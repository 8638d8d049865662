#include "io/io_status.h"

#include <cerrno>
#include <cstring>

#include "io/file_calls.h"

namespace zorva {

IoKind KindOfErrno(int err) {
    if (err == sys::kQuotaExceeded) return IoKind::NoSpace;
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return IoKind::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return IoKind::NoPermission;
        case ENOSPC:
        case EFBIG:
            return IoKind::NoSpace;
        default:
            return IoKind::Other;
    }
}

IoStatus IoStatus::System(IoStep step, std::string path, int err) {
    return {KindOfErrno(err), step, std::move(path), std::strerror(err), {}};
}

IoStatus IoStatus::Unencodable(std::string character, std::string line) {
    return {IoKind::Corrupt, IoStep::Encode, {}, std::move(character), std::move(line)};
}

}  // namespace zorva
