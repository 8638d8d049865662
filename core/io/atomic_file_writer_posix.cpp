#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>

#include "io/atomic_file_writer.h"
#include "io/file_calls.h"

namespace zorva {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameAttempts = 100;

// The file a path names with its symbolic links followed, so that a save
// replaces the linked file and keeps the link; a dangling link names the file
// it will create. Nothing when the links form a loop.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0) return std::nullopt;
        if (static_cast<size_t>(n) == sizeof target) {
            errno = ENAMETOOLONG;
            return std::nullopt;
        }
        std::string next(target, static_cast<size_t>(n));
        path = next.front() == '/' ? next : DirectoryOf(path) + next;
    }
    errno = ELOOP;
    return std::nullopt;
}

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kChars[random() % (sizeof kChars - 1)];
    return suffix;
}

// Creates a file of a fresh name beside target. open applies the umask to mode.
int OpenTemporary(const std::string& target, mode_t mode, std::string& temp) {
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        temp = target + ".tmp~" + RandomSuffix();
        int fd = sys::OpenChecked(temp, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool TryChown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group) == 0;
}

// Owner and group as far as the process may give them; the mode must take,
// after the owner, whose change may clear the set-id bits.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    if (!TryChown(fd, old.st_uid, old.st_gid)) TryChown(fd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

IoStatus AtomicFileWriter::Fail(IoStep step) {
    int err = errno;
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
        fd_ = -1;
    }
    return IoStatus::System(step, path_, err);
}

IoStatus AtomicFileWriter::NotOpen() const {
    return {IoKind::Other, IoStep::Write, path_, {}, {}};
}

IoStatus AtomicFileWriter::Open() {
    std::optional<std::string> target = FollowLinks(path_);
    if (!target) return Fail(IoStep::Create);
    target_ = std::move(*target);
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    // A replacement stays private until it carries the old file's bits.
    fd_ = OpenTemporary(target_, replacing ? 0600 : 0666, temp_);
    if (fd_ < 0) return Fail(IoStep::Create);
    if (replacing && !KeepOwnerAndMode(fd_, old)) return Fail(IoStep::ChangeAttributes);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return NotOpen();
    if (!sys::WriteAll(fd_, bytes)) return Fail(IoStep::Write);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::CopyCurrent() {
    int from = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
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
            ::close(from);
            errno = err;
            return Fail(n < 0 ? IoStep::Read : IoStep::Write);
        }
    }
    ::close(from);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Commit() {
    if (fd_ < 0) return NotOpen();
    if (sys::Injected(FileOp::Flush) || ::fsync(fd_) != 0) return Fail(IoStep::Flush);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        return IoStatus::System(IoStep::Write, path_, err);
    }
    if (sys::Injected(FileOp::Rename) || ::rename(temp_.c_str(), target_.c_str()) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        return IoStatus::System(IoStep::Replace, path_, err);
    }
    // Make the rename itself durable.
    int dirFd = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return IoStatus::Ok();
}

}  // namespace zorva
