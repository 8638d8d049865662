#include "io/bounded_read.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>

#include "io/file_calls.h"

namespace zorva {

ReadResult ReadFileUpTo(const std::string& path, std::size_t limit) {
    ReadResult result;
    int fd = sys::OpenChecked(path, O_RDONLY);
    if (fd < 0) {
        result.status = IoStatus::System(IoStep::Open, path, errno);
        return result;
    }
    char buffer[1 << 16];
    while (result.bytes.size() <= limit) {
        const size_t wanted = std::min(sizeof buffer, limit + 1 - result.bytes.size());
        ssize_t n = sys::Read(fd, buffer, wanted);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.status = IoStatus::System(IoStep::Read, path, errno);
            result.bytes.clear();
            break;
        }
        if (n == 0) break;
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    sys::Close(fd);
    return result;
}

IoStatus TooLargeFile(const std::string& path, std::size_t maxBytes) {
    const std::size_t kilobytes = maxBytes / 1024;
    return {IoKind::Corrupt,
            IoStep::Read,
            path,
            "plik jest zbyt duży (ponad " + std::to_string(kilobytes) + " KB).",
            {}};
}

ReadResult ReadWholeFileOfAtMost(const std::string& path, std::size_t maxBytes) {
    ReadResult result = ReadFileUpTo(path, maxBytes);
    if (result.ok() && result.bytes.size() > maxBytes) {
        result.status = TooLargeFile(path, maxBytes);
        std::string().swap(result.bytes);
    }
    return result;
}

}  // namespace zorva
