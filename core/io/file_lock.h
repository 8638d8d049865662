#pragma once

#include <chrono>
#include <string>

#include "io/io_status.h"

namespace zorva {

// An exclusive advisory lock on a file, held while the object lives. A lock
// that cannot be taken is never taken as held: the caller refuses to change the file. The lock
// is taken on a lock file beside the file ("<name>.lock"), never on the file
// itself: an atomic save replaces the file, and a lock on the replaced one
// would not keep the next program out. The lock file is removed on release.
// Locks taken again within one process on the same file nest.
class FileLock {
  public:
    enum class State {
        Held,
        Busy,         // another program held it for the whole wait
        Unavailable,  // no lock file can be made or opened there (e.g. a read-only folder)
    };

    // Waits up to `patience` for the lock of `path`.
    static FileLock Acquire(const std::string& path, std::chrono::milliseconds patience);

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    State state() const { return state_; }
    bool Held() const { return state_ == State::Held; }
    bool Busy() const { return state_ == State::Busy; }
    // No lock file for want of its folder: no file there for another program to
    // change, and the caller's own use of the folder fails with a reason of its own.
    bool FolderMissing() const {
        return state_ == State::Unavailable && problem_.kind == IoKind::NotFound;
    }
    // Why the lock is not held: the lock file's fault, or another program keeping it.
    const IoStatus& Problem() const { return problem_; }
    void Release();

  private:
    State state_ = State::Unavailable;
    std::string lockPath_;
    IoStatus problem_;
};

// How long a program waits for another one to finish with a station file.
inline constexpr std::chrono::milliseconds kStationLockPatience{5000};

std::string LockPathFor(const std::string& path);

}  // namespace zorva
