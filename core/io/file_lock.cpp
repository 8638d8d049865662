#include "io/file_lock.h"

#include <cerrno>
#include <filesystem>
#include <map>
#include <thread>

#include "io/lock_file_calls.h"
#include "io/utf8_path.h"

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

}  // namespace

std::string LockPathFor(const std::string& path) {
    std::error_code ec;
    const auto real = std::filesystem::weakly_canonical(PathFromUtf8(path), ec);
    return (ec ? path : GenericUtf8Of(real)) + ".lock";
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
        switch (sys::TryLockFile(path, lock.lockPath_, fd)) {
            case sys::LockAttempt::Locked:
                held[lock.lockPath_] = {fd, 1};
                lock.state_ = State::Held;
                return lock;
            case sys::LockAttempt::Failed:
                lock.state_ = State::Unavailable;
                lock.problem_ = IoStatus::System(IoStep::Lock, lock.lockPath_, errno);
                return lock;
            case sys::LockAttempt::Again:
                continue;
            case sys::LockAttempt::Busy:
                break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            lock.state_ = State::Busy;
            lock.problem_ = {
                IoKind::Other,
                IoStep::Lock,
                path,
                "jest właśnie zmieniany przez inny program.\nSpróbuj ponownie za chwilę.",
                {}};
            return lock;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : state_(other.state_),
      lockPath_(std::move(other.lockPath_)),
      problem_(std::move(other.problem_)) {
    other.state_ = State::Unavailable;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        state_ = other.state_;
        lockPath_ = std::move(other.lockPath_);
        problem_ = std::move(other.problem_);
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
    sys::UnlockFile(lockPath_, it->second.fd);
    held.erase(it);
}

}  // namespace zorva
