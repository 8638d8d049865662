#include "io/atomic_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/posix_calls.h"

namespace zorva {

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

IoStatus AtomicFileWriter::Fail(const char* what) {
    int err = errno;
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
        fd_ = -1;
    }
    return IoStatus{std::string(what) + " " + path_ + ":\n" + std::strerror(err)};
}

IoStatus AtomicFileWriter::Open() {
    temp_ = path_ + ".tmp~XXXXXX";
    if (!posix::Injected(FileOp::Open)) fd_ = ::mkstemp(temp_.data());
    if (fd_ < 0) return Fail("Nie można utworzyć pliku");
    ::fchmod(fd_, 0644);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return IoStatus{"Błąd zapisu pliku " + path_};
    if (!posix::WriteAll(fd_, bytes)) return Fail("Błąd zapisu pliku");
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::CopyCurrent() {
    int from = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return errno == ENOENT ? IoStatus::Ok() : Fail("Nie można otworzyć pliku");
    char chunk[1 << 16];
    for (;;) {
        ssize_t n = ::read(from, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) break;
        if (n < 0 || !posix::WriteAll(fd_, std::string_view(chunk, static_cast<size_t>(n)))) {
            int err = errno;
            ::close(from);
            errno = err;
            return Fail("Błąd zapisu pliku");
        }
    }
    ::close(from);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Commit() {
    if (fd_ < 0) return IoStatus{"Błąd zapisu pliku " + path_};
    if (posix::Injected(FileOp::Flush) || ::fsync(fd_) != 0) return Fail("Błąd zapisu na dysk pliku");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        return IoStatus{"Błąd zapisu pliku " + path_ + ":\n" + std::strerror(err)};
    }
    if (posix::Injected(FileOp::Rename) || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        return IoStatus{"Nie można zapisać pliku " + path_ + ":\n" + std::strerror(err)};
    }
    // Make the rename itself durable.
    int dirFd = ::open(DirectoryOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return IoStatus::Ok();
}

}  // namespace zorva
