// LockFileEx on the lock file. Every program opens it sharing deletion, so the
// holder can remove it on release; until the holder closes it, a removed file
// refuses to open, which counts as busy. A link placed as the lock file is
// opened as itself, never followed, and refused.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "io/lock_file_calls.h"
#include "io/windows_errors.h"
#include "text/wide_text.h"

namespace zorva::sys {

namespace {

bool PlainFile(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(h, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

LockAttempt Fail() {
    SetErrnoFromLastError();
    return LockAttempt::Failed;
}

}  // namespace

// The lock file keeps the folder's permissions, so the locked file's bits are not copied.
LockAttempt TryLockFile(const std::string&, const std::string& lockPath, int& fd) {
    const std::wstring path = WideFromUtf8(lockPath);
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const bool pendingRemoval = GetLastError() == ERROR_ACCESS_DENIED &&
                                    GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        return pendingRemoval ? LockAttempt::Busy : Fail();
    }
    if (!PlainFile(h)) {
        CloseHandle(h);
        SetLastError(ERROR_CANT_ACCESS_FILE);
        return Fail();
    }
    OVERLAPPED whole{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                    &whole)) {
        const DWORD err = GetLastError();
        CloseHandle(h);
        if (err == ERROR_LOCK_VIOLATION || err == ERROR_IO_PENDING) return LockAttempt::Busy;
        SetLastError(err);
        return Fail();
    }
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return LockAttempt::Failed;  // errno set by _open_osfhandle
    }
    return LockAttempt::Locked;
}

void UnlockFile(const std::string& lockPath, int fd) {
    DeleteFileW(WideFromUtf8(lockPath).c_str());
    _close(fd);
}

}  // namespace zorva::sys
