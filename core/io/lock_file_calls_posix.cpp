// flock on the lock file, which the last holder removes. The file is opened
// for reading only: flock needs no more, so a lock file made by another user
// of a shared folder can be locked by anyone who may read it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/lock_file_calls.h"

namespace zorva::sys {
namespace {

// A holder removes the lock file on release; whoever locked the removed file
// meanwhile holds nothing and must try again on the new one.
bool StillNamed(int fd, const std::string& lockPath) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::lstat(lockPath.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;

// A new lock file gets the locked file's permission bits, the umask set aside:
// it must not keep out a user the locked file lets in.
int CreateLockFile(const std::string& lockedPath, const std::string& lockPath) {
    struct stat locked {};
    const bool known = ::stat(lockedPath.c_str(), &locked) == 0;
    const mode_t mode = known ? locked.st_mode & 0666 : 0666;
    const int fd = ::open(lockPath.c_str(), kOpenFlags | O_CREAT | O_EXCL, mode);
    if (fd >= 0 && known) ::fchmod(fd, mode);
    return fd;
}

// Anything but a plain file (a folder, a device, a pipe) is no lock file.
bool PlainFile(int fd) {
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) return true;
    const int err = S_ISDIR(opened.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = err;
    return false;
}

// Locked here means only opened, into fd; Again when the file vanished between
// looking and opening.
LockAttempt OpenLockFile(const std::string& lockedPath, const std::string& lockPath, int& fd) {
    fd = CreateLockFile(lockedPath, lockPath);
    if (fd < 0 && errno == EEXIST) {
        fd = ::open(lockPath.c_str(), kOpenFlags);
        if (fd < 0 && errno == ENOENT) return LockAttempt::Again;
    }
    if (fd < 0) return errno == EINTR ? LockAttempt::Again : LockAttempt::Failed;
    return PlainFile(fd) ? LockAttempt::Locked : LockAttempt::Failed;
}

}  // namespace

LockAttempt TryLockFile(const std::string& lockedPath, const std::string& lockPath, int& fd) {
    if (LockAttempt opened = OpenLockFile(lockedPath, lockPath, fd); opened != LockAttempt::Locked)
        return opened;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (StillNamed(fd, lockPath)) return LockAttempt::Locked;
        ::close(fd);
        return LockAttempt::Again;
    }
    const int err = errno;
    ::close(fd);
    errno = err;
    if (err == EINTR) return LockAttempt::Again;
    return err == EWOULDBLOCK ? LockAttempt::Busy : LockAttempt::Failed;
}

void UnlockFile(const std::string& lockPath, int fd) {
    ::unlink(lockPath.c_str());
    ::close(fd);
}

}  // namespace zorva::sys
