#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "io/atomic_file_writer.h"
#include "io/file_calls.h"
#include "io/temporary_file.h"

namespace zorva {
namespace {

constexpr int kMaxLinkHops = 40;

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

IoStatus AtomicFileWriter::Open() {
    std::optional<std::string> target = options_.followLinks ? FollowLinks(path_) : path_;
    if (!target) return Fail(IoStep::Create);
    target_ = std::move(*target);
    struct stat old {};
    const bool replacing = ::lstat(target_.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    const bool exactMode = !replacing && options_.newFileMode.has_value();
    // A file stays private until it carries its bits; open applies the umask.
    const mode_t mode = replacing || exactMode ? 0600 : 0666;
    fd_ = CreateTemporaryBeside(target_, temp_, [mode](const std::string& name) {
        return sys::OpenChecked(name, O_WRONLY | O_CREAT | O_EXCL, mode);
    });
    if (fd_ < 0) return Fail(IoStep::Create);
    if (replacing && !KeepOwnerAndMode(fd_, old)) return Fail(IoStep::ChangeAttributes);
    if (exactMode && ::fchmod(fd_, static_cast<mode_t>(*options_.newFileMode & 0777)) != 0)
        return Fail(IoStep::ChangeAttributes);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Commit() {
    if (fd_ < 0) return NotOpen();
    if (!sys::Flush(fd_)) return Fail(IoStep::Flush);
    int fd = fd_;
    fd_ = -1;
    if (sys::Close(fd) != 0) return Abandon(IoStep::Write);
    if (!sys::Rename(temp_, target_)) return Abandon(IoStep::Replace);
    // Make the rename itself durable.
    int dirFd = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return IoStatus::Ok();
}

}  // namespace zorva
