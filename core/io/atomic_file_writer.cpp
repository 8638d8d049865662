#include "io/atomic_file_writer.h"

#include <fcntl.h>

#include <cerrno>
#include <random>

#include "io/file_calls.h"
#include "io/temporary_file.h"

namespace zorva {
namespace {

constexpr int kMaxNameAttempts = 100;

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kChars[random() % (sizeof kChars - 1)];
    return suffix;
}

}  // namespace

int CreateTemporaryBeside(const std::string& target, std::string& temp,
                          const std::function<int(const std::string&)>& create) {
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        temp = target + ".tmp~" + RandomSuffix();
        int fd = create(temp);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        sys::Close(fd_);
        sys::Discard(temp_);
    }
}

IoStatus AtomicFileWriter::Fail(IoStep step) {
    int err = errno;
    if (fd_ >= 0) {
        sys::Close(fd_);
        sys::Discard(temp_);
        fd_ = -1;
    }
    return IoStatus::System(step, path_, err);
}

IoStatus AtomicFileWriter::NotOpen() const {
    return {IoKind::Other, IoStep::Write, path_, {}, {}};
}

IoStatus AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return NotOpen();
    if (!sys::WriteAll(fd_, bytes)) return Fail(IoStep::Write);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::CopyCurrent() {
    int from = sys::Open(target_, O_RDONLY);
    if (from < 0) return errno == ENOENT ? IoStatus::Ok() : Fail(IoStep::Open);
    char chunk[1 << 16];
    for (;;) {
        ssize_t n = sys::Read(from, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) break;
        const bool copied =
            n > 0 && sys::WriteAll(fd_, std::string_view(chunk, static_cast<size_t>(n)));
        if (!copied) {
            int err = errno;
            sys::Close(from);
            errno = err;
            return Fail(n < 0 ? IoStep::Read : IoStep::Write);
        }
    }
    sys::Close(from);
    return IoStatus::Ok();
}

// Drops the temporary file after a failed close or rename, keeping errno's reason.
IoStatus AtomicFileWriter::Abandon(IoStep step) {
    int err = errno;
    sys::Discard(temp_);
    return IoStatus::System(step, path_, err);
}

}  // namespace zorva
