// flock on the lock file, which the last holder removes.
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
    return ::fstat(fd, &opened) == 0 && ::stat(lockPath.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

LockAttempt TryLockFile(const std::string& lockPath, int& fd) {
    fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EINTR ? LockAttempt::Again : LockAttempt::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (StillNamed(fd, lockPath)) return LockAttempt::Locked;
        ::close(fd);
        return LockAttempt::Again;
    }
    const int err = errno;
    ::close(fd);
    if (err == EINTR) return LockAttempt::Again;
    return err == EWOULDBLOCK ? LockAttempt::Busy : LockAttempt::Failed;
}

void UnlockFile(const std::string& lockPath, int fd) {
    ::unlink(lockPath.c_str());
    ::close(fd);
}

}  // namespace zorva::sys
