#include "import/append_session.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "io/fault_injection.h"

namespace zorva {
namespace {

constexpr size_t kBufferSize = 64 * 1024;

bool Injected(FileOp op) {
    if (!fault_injection::ShouldFail(op)) return false;
    errno = EIO;
    return true;
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

// The file's present bytes go to the copy first; a missing file starts empty.
bool CopyInto(const std::string& path, int to) {
    int from = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return errno == ENOENT;
    char chunk[1 << 16];
    for (;;) {
        ssize_t n = ::read(from, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || !WriteAll(to, std::string_view(chunk, static_cast<size_t>(n)))) {
            int err = errno;
            ::close(from);
            errno = err;
            return n == 0;
        }
    }
}

}  // namespace

AppendSession::~AppendSession() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

IoStatus AppendSession::Fail(const char* what) {
    IoStatus status{std::string(what) + " " + path_ + ":\n" + std::strerror(errno)};
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
        fd_ = -1;
    }
    return status;
}

IoStatus AppendSession::Start() {
    temp_ = path_ + ".tmp~XXXXXX";
    if (!Injected(FileOp::Open)) fd_ = ::mkstemp(temp_.data());
    if (fd_ < 0) return Fail("Nie można utworzyć pliku");
    ::fchmod(fd_, 0644);
    if (!CopyInto(path_, fd_)) return Fail("Błąd zapisu pliku");
    buffer_.reserve(kBufferSize);
    return IoStatus::Ok();
}

IoStatus AppendSession::FlushBuffer() {
    if (!WriteAll(fd_, buffer_)) return Fail("Błąd zapisu pliku");
    buffer_.clear();
    return IoStatus::Ok();
}

IoStatus AppendSession::Append(std::string_view bytes) {
    if (!appended_) {
        appended_ = true;
        if (IoStatus s = Start(); !s.ok()) return s;
    }
    if (fd_ < 0) return IoStatus{"Błąd zapisu pliku " + path_};
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) return FlushBuffer();
    return IoStatus::Ok();
}

IoStatus AppendSession::Commit() {
    if (!appended_) return IoStatus::Ok();
    if (fd_ < 0) return IoStatus{"Błąd zapisu pliku " + path_};
    if (IoStatus s = FlushBuffer(); !s.ok()) return s;
    if (Injected(FileOp::Flush) || ::fsync(fd_) != 0) return Fail("Błąd zapisu na dysk pliku");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        IoStatus status{std::string("Błąd zapisu pliku ") + path_ + ":\n" + std::strerror(errno)};
        ::unlink(temp_.c_str());
        return status;
    }
    if (Injected(FileOp::Rename) || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        IoStatus status{std::string("Nie można zapisać pliku ") + path_ + ":\n" +
                        std::strerror(errno)};
        ::unlink(temp_.c_str());
        return status;
    }
    int dirFd = ::open(DirectoryOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return IoStatus::Ok();
}

}  // namespace zorva
