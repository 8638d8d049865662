#include "io/posix_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zorva::posix {

bool Injected(FileOp op) {
    if (!fault_injection::ShouldFail(op)) return false;
    errno = fault_injection::ArmedErrno();
    return true;
}

ssize_t Read(int fd, void* buffer, size_t size) {
    if (Injected(FileOp::Read)) return -1;
    return ::read(fd, buffer, size);
}

int OpenChecked(const char* path, int flags, mode_t mode) {
    if (Injected(FileOp::Open)) return -1;
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (Injected(FileOp::Write)) return false;
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace zorva::posix
