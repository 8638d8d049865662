#include "adif/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io/file_calls.h"

namespace zorva {

FileByteSource::FileByteSource(const std::string& path) : path_(path) {
    fd_ = sys::Open(path, O_RDONLY);
    if (fd_ < 0) {
        error_ = IoStatus::System(IoStep::Open, path, errno);
        return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && st.st_size > 0) size_ = static_cast<uint64_t>(st.st_size);
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

FileByteSource::~FileByteSource() {
    if (fd_ >= 0) ::close(fd_);
}

long FileByteSource::Read(char* into, size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t n = ::read(fd_, into, size);
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        error_ = IoStatus::System(IoStep::Read, path_, errno);
        return -1;
    }
}

long MemoryByteSource::Read(char* into, size_t size) {
    size_t n = std::min({size, pieceSize_, bytes_.size() - offset_});
    std::memcpy(into, bytes_.data() + offset_, n);
    offset_ += n;
    return static_cast<long>(n);
}

}  // namespace zorva
