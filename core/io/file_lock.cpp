// The POSIX lock: flock on the lock file, which the last holder removes.
#include "io/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <thread>

namespace zorva {
namespace {

struct HeldLock {
    int fd = -1;
    int depth = 0;
};

// The locks this process holds, by lock file: a save inside a command that
// already holds the lock must not wait for itself.
std::map<std::string, HeldLock>& HeldLocks() {
    static std::map<std::string, HeldLock> held;
    return held;
}

// A holder removes the lock file on release; whoever locked the removed file
// meanwhile holds nothing and must try again on the new one.
bool StillNamed(int fd, const std::string& lockPath) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::stat(lockPath.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

enum class Attempt { Locked, Busy, Failed, Again };

Attempt TryLock(const std::string& lockPath, int& fd) {
    fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EINTR ? Attempt::Again : Attempt::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (StillNamed(fd, lockPath)) return Attempt::Locked;
        ::close(fd);
        return Attempt::Again;
    }
    const int err = errno;
    ::close(fd);
    if (err == EINTR) return Attempt::Again;
    return err == EWOULDBLOCK ? Attempt::Busy : Attempt::Failed;
}

}  // namespace

std::string LockPathFor(const std::string& path) {
    std::error_code ec;
    const auto real = std::filesystem::weakly_canonical(path, ec);
    return (ec ? path : real.string()) + ".lock";
}

FileLock FileLock::Acquire(const std::string& path, std::chrono::milliseconds patience) {
    FileLock lock;
    lock.lockPath_ = LockPathFor(path);
    auto& held = HeldLocks();
    if (auto it = held.find(lock.lockPath_); it != held.end()) {
        ++it->second.depth;
        lock.state_ = State::Held;
        return lock;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int fd = -1;
        switch (TryLock(lock.lockPath_, fd)) {
            case Attempt::Locked:
                held[lock.lockPath_] = {fd, 1};
                lock.state_ = State::Held;
                return lock;
            case Attempt::Failed:
                lock.state_ = State::Unavailable;
                return lock;
            case Attempt::Again:
                continue;
            case Attempt::Busy:
                break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            lock.state_ = State::Busy;
            return lock;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : state_(other.state_), lockPath_(std::move(other.lockPath_)) {
    other.state_ = State::Unavailable;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        state_ = other.state_;
        lockPath_ = std::move(other.lockPath_);
        other.state_ = State::Unavailable;
    }
    return *this;
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (state_ != State::Held) return;
    state_ = State::Unavailable;
    auto& held = HeldLocks();
    auto it = held.find(lockPath_);
    if (it == held.end() || --it->second.depth > 0) return;
    // Removed before unlocking: a program waiting on this file then finds it gone and starts over.
    ::unlink(lockPath_.c_str());
    ::close(it->second.fd);
    held.erase(it);
}

}  // namespace zorva
