#pragma once

#include <string>

// Taking and dropping the lock on a lock file, the part of FileLock that
// differs between systems.
namespace zorva::sys {

enum class LockAttempt { Locked, Busy, Failed, Again };

// Locks lockPath, made when missing with lockedPath's permission bits, so that
// whoever may change that file may also lock it. A link or anything but a plain
// file at lockPath fails. On Failed, errno says why.
LockAttempt TryLockFile(const std::string& lockedPath, const std::string& lockPath, int& fd);
// Removes the lock file, then lets it go: a program waiting on it finds it
// gone and starts over.
void UnlockFile(const std::string& lockPath, int fd);

}  // namespace zorva::sys
